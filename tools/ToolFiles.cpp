#include "tools/ToolFiles.h"

#include "common/AtomicFile.h"
#include "common/FileDescriptor.h"
#include "common/FileUtils.h"
#include "common/ResultCodes.h"

#include <iostream>

namespace {

// A text the commands read is a few megabytes at most; anything far larger is no input of ours.
constexpr std::size_t kMaxTextBytes = std::size_t(256) << 20;

} // namespace

void TellWhenNotAFile(const std::string &name)
{
    const FileKind kind = KindOfFile(name);
    if (kind != FileKind::Missing && kind != FileKind::Regular)
        std::cerr << "mvtool: " << name << " is a " << FileKindText(kind) << ", not a regular file\n";
}

bool ReadTextFile(const std::string &name, std::string &text)
{
    const int rc = LoadTextFile(name, text, kMaxTextBytes);
    if (rc == rcOK)
        return true;
    std::cerr << "mvtool: cannot read " << name << ": " << ResultText(rc) << "\n";
    TellWhenNotAFile(name);
    return false;
}

int WriteMadeFile(const std::string &name, const void *data, std::size_t size)
{
    return WrittenExitCode(name, WriteFileAtomically(name, data, size));
}

int WrittenExitCode(const std::string &name, int code)
{
    if (code == rcOK)
        return 0;
    std::cerr << "mvtool: cannot write " << name << ": " << ResultText(code) << "\n";
    return 1;
}
