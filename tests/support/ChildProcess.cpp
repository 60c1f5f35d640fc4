#include "ChildProcess.h"

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

int ChildProcess::Run(const std::function<int()>& Body) {
    const pid_t pid = ::fork();
    if (pid == 0)
        ::_exit(Body() & 0xFF); // no destructors or exit handlers of the test process
    int status = 0;
    if (pid < 0 || ::waitpid(pid, &status, 0) != pid)
        return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

ChildProcess::Holder::Holder(const std::function<bool()>& Setup) {
    int fds[2];
    if (::pipe(fds) != 0)
        return;
    Pid = ::fork();
    if (Pid == 0) {
        ::close(fds[0]);
        const char answer = Setup() ? 'y' : 'n';
        if (::write(fds[1], &answer, 1) != 1)
            ::_exit(1);
        for (;;)
            ::pause();
    }
    ::close(fds[1]);
    char answer = 0;
    IsReady = Pid > 0 && ::read(fds[0], &answer, 1) == 1 && answer == 'y';
    ::close(fds[0]);
}

void ChildProcess::Holder::Kill() {
    if (Pid > 0) {
        ::kill(Pid, SIGKILL);
        ::waitpid(Pid, nullptr, 0);
    }
    Pid = -1;
}

ChildProcess::Holder::~Holder() {
    Kill();
}
