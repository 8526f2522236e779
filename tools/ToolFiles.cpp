#include "tools/ToolFiles.h"

#include "common/AtomicFile.h"
#include "common/ResultCodes.h"

#include <cstdio>
#include <iostream>
#include <memory>
#include <utility>

bool ReadTextFile(const std::string &name, std::string &text)
{
    // stdio rather than a stream: a read error (a directory gives one) is a
    // flag to test here, where the stream library would throw.
    const std::unique_ptr<std::FILE, int (*)(std::FILE *)> file(std::fopen(name.c_str(), "rb"), &std::fclose);
    std::string bytes;
    if (file) {
        char block[65536];
        std::size_t n;
        while ((n = std::fread(block, 1, sizeof block, file.get())) > 0)
            bytes.append(block, n);
    }
    if (!file || std::ferror(file.get())) {
        std::cerr << "mvtool: cannot read " << name << "\n";
        return false;
    }
    text = std::move(bytes);
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
