#pragma once

#include <functional>
#include <sys/types.h>

// A second process for tests of locks and of limits that must not touch the test
// process itself (a file-size limit, say). POSIX only: these tests are about the
// posix platform layer.
namespace ChildProcess {
// Runs Body in a forked child and returns its result (0..255), or -1 when the child
// died by a signal.
int Run(const std::function<int()>& Body);

// A child that runs Setup, reports that it is ready, then waits to be killed.
class Holder {
public:
    explicit Holder(const std::function<bool()>& Setup);
    ~Holder();
    bool Ready() const { return IsReady; }
    void Kill(); // SIGKILL and reap

private:
    pid_t Pid = -1;
    bool IsReady = false;
};
} // namespace ChildProcess
