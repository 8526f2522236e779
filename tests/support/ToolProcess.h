#pragma once
// Runs a program to its end and keeps its exit code, standard output and
// standard error apart; the command-line tests run the real mvtool with it.

#include "support/TempDir.h"

#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

struct ToolRun {
    int exitCode = -1; // -1: the program did not end normally
    std::string out;
    std::string err;
};

inline ToolRun RunTool(const std::string &program, const std::vector<std::string> &args)
{
    // Files rather than pipes: nothing can block however much the program prints.
    TempDir capture;
    const std::string outName = capture.file("out");
    const std::string errName = capture.file("err");
    std::vector<char *> argv;
    argv.push_back(const_cast<char *>(program.c_str()));
    for (const std::string &arg : args)
        argv.push_back(const_cast<char *>(arg.c_str()));
    argv.push_back(nullptr);

    ToolRun run;
    const pid_t child = fork();
    if (child < 0)
        return run;
    if (child == 0) {
        const int out = open(outName.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = open(errName.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (out < 0 || err < 0 || dup2(out, STDOUT_FILENO) < 0 || dup2(err, STDERR_FILENO) < 0)
            _exit(127);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    int status = 0;
    if (waitpid(child, &status, 0) == child && WIFEXITED(status))
        run.exitCode = WEXITSTATUS(status);
    run.out = ReadAll(outName);
    run.err = ReadAll(errName);
    return run;
}
