#include "common/TemporaryFiles.h"

#include "common/FileDescriptor.h"
#include "common/FileSystemCalls.h"
#include "common/FileUtils.h"
#include "common/ProcessIdentity.h"

#include <algorithm>
#include <cctype>
#include <memory>

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr const char *kNewMarker = ".mvtmp-";
constexpr const char *kOldMarker = ".mvold-";
constexpr std::size_t kMarkerLength = 7;
constexpr std::size_t kUniquePart = 6; // mkostemp's XXXXXX
// 255 less the longest tail: "." marker host(64) "-" pid(10) "-" XXXXXX.
constexpr std::size_t kMaxStem = 255 - (1 + kMarkerLength + 64 + 1 + 10 + 1 + kUniquePart);

// Where the last marker of either kind starts; npos when there is none.
std::size_t MarkerAt(const std::string &entry, TemporaryKind &kind)
{
    const std::size_t newAt = entry.rfind(kNewMarker);
    const std::size_t oldAt = entry.rfind(kOldMarker);
    const bool isNew = newAt != std::string::npos && (oldAt == std::string::npos || newAt > oldAt);
    kind = isNew ? TemporaryKind::NewBytes : TemporaryKind::OldBytes;
    return isNew ? newAt : oldAt;
}

const char *MarkerOf(TemporaryKind kind)
{
    return kind == TemporaryKind::NewBytes ? kNewMarker : kOldMarker;
}

std::string StemOf(const std::string &fileName)
{
    return fileName.substr(0, kMaxStem);
}

bool AllDigits(const std::string &text)
{
    return !text.empty() && text.size() <= 10
        && std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c) != 0; });
}

bool AllLettersOrDigits(const std::string &text)
{
    return std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isalnum(c) != 0; });
}

// Puts the old bytes back over an interrupted in-place rewrite; true when they are back.
bool RestoreFrom(const std::string &oldBytes, const std::string &file)
{
    const FileDescriptor from = OpenRegularFileForReading(oldBytes);
    FileDescriptor to(SystemCalls().Open(file.c_str(), O_WRONLY | O_CLOEXEC, 0));
    return from.isOpen() && to.isOpen() && CopyWholeFile(from.get(), to.get()) && to.close();
}

} // namespace

std::string TemporaryPattern(const std::string &file, TemporaryKind kind)
{
    const std::string name = "." + StemOf(FileNameOf(file)) + MarkerOf(kind) + ThisHostName() + "-"
        + std::to_string(::getpid()) + "-XXXXXX";
    return JoinPath(DirectoryOf(file), name);
}

std::string RenamedAs(const std::string &temporary, TemporaryKind kind)
{
    TemporaryKind was;
    const std::size_t at = MarkerAt(temporary, was);
    std::string renamed = temporary;
    return at == std::string::npos ? renamed : renamed.replace(at, kMarkerLength, MarkerOf(kind));
}

bool ParseTemporaryName(const std::string &entry, TemporaryName &parsed)
{
    TemporaryKind kind;
    const std::size_t at = MarkerAt(entry, kind);
    if (entry.empty() || entry[0] != '.' || at == std::string::npos || at < 2)
        return false;
    // After the marker: host "-" pid "-" unique part; the host may hold '-' itself.
    const std::string tail = entry.substr(at + kMarkerLength);
    if (tail.size() < kUniquePart + 4 || tail[tail.size() - kUniquePart - 1] != '-'
        || !AllLettersOrDigits(tail.substr(tail.size() - kUniquePart)))
        return false;
    const std::string writer = tail.substr(0, tail.size() - kUniquePart - 1);
    const std::size_t dash = writer.rfind('-');
    if (dash == std::string::npos || dash == 0 || !AllDigits(writer.substr(dash + 1)))
        return false;
    parsed.fileName = entry.substr(1, at - 1);
    parsed.kind = kind;
    parsed.host = writer.substr(0, dash);
    parsed.pid = static_cast<pid_t>(std::stoll(writer.substr(dash + 1)));
    return true;
}

bool WriterIsGone(const TemporaryName &name)
{
    return name.host == ThisHostName() && !ProgramRuns(name.pid);
}

void FinishInterruptedWrites(const std::string &file)
{
    const std::string dir = DirectoryOf(file).empty() ? std::string("/") : DirectoryOf(file);
    const std::string stem = StemOf(FileNameOf(file));
    const std::unique_ptr<DIR, int (*)(DIR *)> listing(::opendir(dir.c_str()), &::closedir);
    if (!listing)
        return;
    while (const dirent *entry = ::readdir(listing.get())) {
        TemporaryName name;
        if (!ParseTemporaryName(entry->d_name, name) || name.fileName != stem || !WriterIsGone(name))
            continue;
        const std::string path = JoinPath(dir, entry->d_name);
        if (name.kind == TemporaryKind::OldBytes && !RestoreFrom(path, file))
            continue;
        ::unlink(path.c_str());
    }
}
