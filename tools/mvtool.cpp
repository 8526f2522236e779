// mvtool: the command-line companion of MvInput for scripting and for making
// the program's data files.

#include "tools/Commands.h"

#include "common/AtomicFile.h"
#include "common/ResultCodes.h"

#include <cstdio>
#include <iostream>
#include <memory>
#include <utility>

int UsageError()
{
    std::cerr << "usage:\n"
                 "  mvtool dump FILE\n"
                 "  mvtool convert SRC DST\n"
                 "  mvtool settings show FILE\n"
                 "  mvtool settings make INI OUT [--base FILE]\n"
                 "  mvtool boards show FILE\n"
                 "  mvtool boards make CSV OUT\n";
    return 2;
}

int RunShowOrMake(const Arguments &args, int (*show)(const Arguments &), int (*make)(const Arguments &))
{
    if (args.empty())
        return UsageError();
    const Arguments rest(args.begin() + 1, args.end());
    if (args[0] == "show")
        return show(rest);
    if (args[0] == "make")
        return make(rest);
    return UsageError();
}

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
    const int rc = WriteFileAtomically(name, data, size);
    if (rc == rcOK)
        return 0;
    std::cerr << "mvtool: cannot write " << name << ": " << ResultText(rc) << "\n";
    return 1;
}

namespace {

int RunCommand(int argc, char **argv)
{
    if (argc < 2)
        return UsageError();
    const Arguments args(argv + 2, argv + argc);
    const std::string command = argv[1];
    if (command == "dump")
        return RunDump(args);
    if (command == "convert")
        return RunConvert(args);
    if (command == "settings")
        return RunSettings(args);
    if (command == "boards")
        return RunBoards(args);
    return UsageError();
}

} // namespace

int main(int argc, char **argv)
{
    const int exitCode = RunCommand(argc, argv);
    // Output that never arrived (a full disc) must not pass for a success.
    if (!(std::cout << std::flush)) {
        std::cerr << "mvtool: the output could not be written\n";
        return 1;
    }
    return exitCode;
}
