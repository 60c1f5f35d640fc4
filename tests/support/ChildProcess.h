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

// A child that runs Setup, reports whether it succeeded, then waits to be killed.
struct Holder {
    pid_t Pid = -1;
    bool Ready = false;
    explicit Holder(const std::function<bool()>& Setup) {
        int fds[2] = {-1, -1};
        char ok = 0;
        if (::pipe(fds) == 0 && (Pid = ::fork()) == 0) {
            for (ok = Setup(); ::write(fds[1], &ok, 1) == 1;)
                ::pause();
            ::_exit(1);
        }
        ::close(fds[1]);
        Ready = Pid > 0 && ::read(fds[0], &ok, 1) == 1 && ok;
        ::close(fds[0]);
    }
    ~Holder() { Kill(); }
    void Kill() { // SIGKILL and reap
        if (Pid > 0 && ::kill(Pid, SIGKILL) == 0)
            ::waitpid(Pid, nullptr, 0);
        Pid = -1;
    }
};
} // namespace ChildProcess
