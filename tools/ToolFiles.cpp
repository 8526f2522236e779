#include "tools/ToolFiles.h"

#include "common/AtomicFile.h"
#include "common/Encoding.h"
#include "common/FileDescriptor.h"
#include "common/FileUtils.h"
#include "common/ResultCodes.h"

#include <iostream>

void TellWhenNotAFile(const std::string &name)
{
    const FileKind kind = KindOfFile(name);
    if (kind != FileKind::Missing && kind != FileKind::Regular)
        std::cerr << "mvtool: " << name << " is a " << FileKindText(kind) << ", not a regular file\n";
}

bool ReadFileBytes(const std::string &name, std::string &bytes)
{
    const int rc = LoadTextFile(name, bytes, kMaxTextFileBytes);
    if (rc == rcOK)
        return true;
    std::cerr << "mvtool: cannot read " << name << ": " << LoadTextFileProblem(rc) << "\n";
    TellWhenNotAFile(name);
    return false;
}

bool ReadTextFile(const std::string &name, std::string &text)
{
    std::string bytes;
    if (!ReadFileBytes(name, bytes))
        return false;
    text = DecodeTextFile(bytes);
    return true;
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
