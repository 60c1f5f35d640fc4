#pragma once

#include <csignal>
#include <functional>
#include <sys/wait.h>
#include <unistd.h>

// A second process for tests of locks and of limits that must not touch the test process.
namespace ChildProcess {
// Body's result (0..255) from a forked child; -1 when the child died by a signal.
inline int Run(const std::function<int()>& Body) {
    const pid_t pid = ::fork();
    if (pid == 0)
        ::_exit(Body() & 0xFF); // no destructors or exit handlers of the test process
    int status = 0;
    const bool exited = pid > 0 && ::waitpid(pid, &status, 0) == pid && WIFEXITED(status);
    return exited ? WEXITSTATUS(status) : -1;
}

// A child that runs Body, then waits to be killed; a forgotten one dies within a minute.
inline pid_t Start(const std::function<void()>& Body) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::alarm(60);
        Body();
        for (;;)
            ::pause();
    }
    return pid;
}

inline void Kill(pid_t Pid) { // and reap
    if (Pid > 0 && ::kill(Pid, SIGKILL) == 0)
        ::waitpid(Pid, nullptr, 0);
}
} // namespace ChildProcess
