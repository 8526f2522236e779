#pragma once
// A program running beside the test until the test kills it, or until this
// object goes: it is killed and reaped then, so no test leaves one behind.

#include <string>
#include <vector>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

class ChildProcess {
public:
    ChildProcess(std::string program, std::vector<std::string> args) : m_pid(fork())
    {
        if (m_pid != 0)
            return;
        args.insert(args.begin(), program);
        std::vector<char *> argv;
        for (std::string &arg : args)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    ~ChildProcess() { Kill(); }
    ChildProcess(const ChildProcess &) = delete;
    ChildProcess &operator=(const ChildProcess &) = delete;

    pid_t pid() const { return m_pid; }
    // SIGKILL: the program gets no chance to clean up, as in a crash.
    void Kill()
    {
        if (m_pid > 0 && kill(m_pid, SIGKILL) == 0)
            waitpid(m_pid, nullptr, 0);
        m_pid = -1;
    }

private:
    pid_t m_pid;
};

// The id of a process of this host that has ended and been reaped: for the
// files that name a writer or a holder which no longer runs.
inline pid_t DeadProcessId()
{
    const pid_t child = fork();
    if (child == 0)
        _exit(0);
    waitpid(child, nullptr, 0);
    return child;
}
