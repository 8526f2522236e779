#include "main/RecoveryCopies.h"

#include "common/FileUtils.h"
#include "common/ResultCodes.h"
#include "common/TemporaryFiles.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <tuple>

namespace {

constexpr const char *kTabExtension = ".tab";
constexpr const char *kTitleExtension = ".title";

std::string Stem(pid_t pid, int number)
{
    return std::to_string(pid) + "-" + std::to_string(number);
}

// Nine digits at most: always an int, never an exception.
bool IsNumber(const std::string &text)
{
    return !text.empty() && text.size() <= 9
        && std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c) != 0; });
}

// "<pid>-<n>.tab" with both numbers positive; anything else is not ours.
bool ParseCopyName(const std::string &name, pid_t &pid, int &number)
{
    const std::string extension = kTabExtension;
    if (name.size() <= extension.size() || name.compare(name.size() - extension.size(), extension.size(), extension) != 0)
        return false;
    const std::string stem = name.substr(0, name.size() - extension.size());
    const std::size_t dash = stem.find('-');
    if (dash == std::string::npos || !IsNumber(stem.substr(0, dash)) || !IsNumber(stem.substr(dash + 1)))
        return false;
    pid = static_cast<pid_t>(std::stoi(stem.substr(0, dash)));
    number = std::stoi(stem.substr(dash + 1));
    return pid > 0 && number > 0;
}

bool MoveIfPresent(const std::string &from, const std::string &to)
{
    return !FileExists(from) || std::rename(from.c_str(), to.c_str()) == 0;
}

// A copy's own file: "<pid>-<n>.tab" or "<pid>-<n>.title".
bool IsCopyFileName(const std::string &name)
{
    pid_t pid = 0;
    int number = 0;
    const std::string title = kTitleExtension;
    const bool isTitle = name.size() > title.size() && name.compare(name.size() - title.size(), title.size(), title) == 0;
    return ParseCopyName(isTitle ? name.substr(0, name.size() - title.size()) + kTabExtension : name, pid, number);
}

bool ChangedLater(const std::filesystem::path &a, const std::filesystem::path &b)
{
    std::error_code error;
    const auto bTime = std::filesystem::last_write_time(b, error);
    if (error)
        return true;
    const auto aTime = std::filesystem::last_write_time(a, error);
    return !error && aTime > bTime;
}

} // namespace

std::string WorkDirectoryOf(const std::string &dataDir)
{
    return JoinPath(dataDir, "SWORK");
}

RecoveryCopy CopyIn(const std::string &workDir, pid_t pid, int number)
{
    const std::string stem = JoinPath(workDir, Stem(pid, number));
    return {pid, number, stem + kTabExtension, stem + kTitleExtension};
}

bool CopyExists(const RecoveryCopy &copy)
{
    return FileExists(copy.tabName) || FileExists(copy.titleName);
}

std::vector<RecoveryCopy> ListCopies(const std::string &workDir)
{
    std::vector<RecoveryCopy> copies;
    std::error_code error;
    for (const auto &entry : std::filesystem::directory_iterator(workDir, error)) {
        pid_t pid = 0;
        int number = 0;
        if (entry.is_regular_file(error) && ParseCopyName(entry.path().filename().string(), pid, number))
            copies.push_back(CopyIn(workDir, pid, number));
    }
    std::sort(copies.begin(), copies.end(), [](const RecoveryCopy &a, const RecoveryCopy &b) {
        return std::tie(a.pid, a.number) < std::tie(b.pid, b.number);
    });
    return copies;
}

int RemoveCopy(const RecoveryCopy &copy)
{
    for (const std::string &name : {copy.tabName, copy.titleName}) {
        if (FileExists(name) && std::remove(name.c_str()) != 0)
            return rcCantDelete;
    }
    return rcOK;
}

int MoveAside(const std::string &workDir, const RecoveryCopy &copy)
{
    const std::string aside = JoinPath(workDir, "stare");
    if (!MakeDirectory(aside))
        return rcFileCreateError;
    // A program id comes round again, so an older copy may already sit there under this name.
    RecoveryCopy target = CopyIn(aside, copy.pid, copy.number);
    for (int k = 1; CopyExists(target); ++k) {
        const std::string stem = JoinPath(aside, Stem(copy.pid, copy.number) + "-" + std::to_string(k));
        target = {copy.pid, copy.number, stem + kTabExtension, stem + kTitleExtension};
    }
    const bool moved = MoveIfPresent(copy.tabName, target.tabName) && MoveIfPresent(copy.titleName, target.titleName);
    return moved ? rcOK : rcRenameError;
}

int ClaimCopy(const RecoveryCopy &copy, const RecoveryCopy &into)
{
    if (std::rename(copy.tabName.c_str(), into.tabName.c_str()) != 0)
        return errno == ENOENT ? rcFileNotFound : rcRenameError;
    return MoveIfPresent(copy.titleName, into.titleName) ? rcOK : rcRenameError;
}

std::vector<InterruptedCopyWrite> FindInterruptedCopyWrites(const std::string &workDir)
{
    std::vector<InterruptedCopyWrite> found;
    std::error_code error;
    for (const auto &entry : std::filesystem::directory_iterator(workDir, error)) {
        TemporaryName name;
        if (!entry.is_regular_file(error) || !ParseTemporaryName(entry.path().filename().string(), name)
            || name.kind != TemporaryKind::NewBytes || !IsCopyFileName(name.fileName) || !WriterIsGone(name))
            continue;
        const std::string file = JoinPath(workDir, name.fileName);
        found.push_back({entry.path().string(), file, ChangedLater(entry.path(), file)});
    }
    std::sort(found.begin(), found.end(),
              [](const InterruptedCopyWrite &a, const InterruptedCopyWrite &b) { return a.temporary < b.temporary; });
    return found;
}

int KeepInterruptedCopyWrite(const InterruptedCopyWrite &write)
{
    return std::rename(write.temporary.c_str(), write.file.c_str()) == 0 ? rcOK : rcRenameError;
}

int DropInterruptedCopyWrite(const InterruptedCopyWrite &write)
{
    return std::remove(write.temporary.c_str()) == 0 ? rcOK : rcCantDelete;
}
