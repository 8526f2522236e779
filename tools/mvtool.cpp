// mvtool: the command-line companion of MvInput for scripting and for making
// the program's data files.

#include "tools/Commands.h"

#include "common/AtomicFile.h"
#include "common/ResultCodes.h"

#include <cstring>
#include <iostream>

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

int WriteMadeFile(const std::string &name, const void *data, std::size_t size)
{
    const int rc = WriteFileAtomically(name, data, size);
    if (rc == rcOK)
        return 0;
    std::cerr << "mvtool: cannot write " << name << ": " << ResultText(rc) << "\n";
    return 1;
}

int main(int argc, char **argv)
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
