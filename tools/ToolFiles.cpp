#include "tools/ToolFiles.h"

#include "common/AtomicFile.h"
#include "common/Encoding.h"
#include "common/FileUtils.h"
#include "common/ResultCodes.h"

#include <iostream>

bool ReadFileBytes(const std::string &name, std::string &bytes)
{
    const int rc = LoadTextFile(name, bytes, kMaxTextFileBytes);
    if (rc == rcOK)
        return true;
    std::cerr << "mvtool: cannot read " << name << ": " << LoadTextFileProblem(rc) << "\n";
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
    const int rc = WriteFileAtomically(name, data, size);
    if (rc == rcOK)
        return 0;
    std::cerr << "mvtool: cannot write " << name << ": " << ResultText(rc) << "\n";
    return 1;
}
