#pragma once

#include <csignal>
#include <sys/types.h>
#include <sys/wait.h>

namespace rukcon::test {

// A program a test started (its pid, 0 when it did not start), ended and reaped when destroyed.
class ChildProcess {
public:
    explicit ChildProcess(pid_t pid = 0) : m_pid(pid) {}
    ~ChildProcess()
    {
        if (m_pid > 0) {
            kill(m_pid, SIGTERM);
            waitpid(m_pid, nullptr, 0);
        }
    }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool started() const { return m_pid > 0; }

private:
    pid_t m_pid;
};

} // namespace rukcon::test
