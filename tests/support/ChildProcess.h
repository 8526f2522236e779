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
    ChildProcess(const std::string &program, const std::vector<std::string> &args)
    {
        std::vector<char *> argv;
        argv.push_back(const_cast<char *>(program.c_str()));
        for (const std::string &arg : args)
            argv.push_back(const_cast<char *>(arg.c_str()));
        argv.push_back(nullptr);
        m_pid = fork();
        if (m_pid == 0) {
            execv(program.c_str(), argv.data());
            _exit(127);
        }
    }
    ~ChildProcess() { Kill(); }
    ChildProcess(const ChildProcess &) = delete;
    ChildProcess &operator=(const ChildProcess &) = delete;

    pid_t pid() const { return m_pid; }
    // SIGKILL: the program gets no chance to clean up, as in a crash.
    void Kill()
    {
        if (m_pid <= 0)
            return;
        kill(m_pid, SIGKILL);
        waitpid(m_pid, nullptr, 0);
        m_pid = -1;
    }

private:
    pid_t m_pid = -1;
};
