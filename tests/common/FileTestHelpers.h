#pragma once
// Helpers of the file tests: what a directory holds, and a piece of code run
// under a file size limit so that its writes fail part way.

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

// Sorted by name.
inline std::vector<std::string> DirectoryEntries(const std::string &dir)
{
    std::vector<std::string> names;
    for (const auto &entry : std::filesystem::directory_iterator(dir))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Runs body in a child process whose files may not grow beyond limitBytes (the
// limit never reaches the other tests) and returns the child's exit code, or
// -1 when it did not end normally.
inline int ExitCodeUnderFileSizeLimit(rlim_t limitBytes, const std::function<int()> &body)
{
    const pid_t child = fork();
    if (child < 0)
        return -1;
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{limitBytes, limitBytes};
        setrlimit(RLIMIT_FSIZE, &limit);
        _exit(body());
    }
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}
