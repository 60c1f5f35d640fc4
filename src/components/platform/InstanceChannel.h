#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// A private local channel between the processes of one program, one user and one
// display: the first process listens, the later ones hand it their request. The socket
// lies in a folder only its owner may enter, so no other user can reach it.
namespace InstanceChannel {

// The socket of Program for this user on the display this process would show its windows
// on. Empty when there is no display to share (an offscreen run) or when no folder can be
// had that is private to this user.
QString SocketPath(const QString& Program);

// What came of handing a request over.
struct Handover {
    bool Reached = false;             // somebody listened on the socket
    std::optional<QByteArray> Answer; // the first line it answered, without its line break
};
// Connects, writes Request and waits at most TimeoutMs in all for a one-line answer of at
// most MaxAnswer bytes. Never waits for longer, whoever listens.
Handover Ask(const QString& Path, const QByteArray& Request, int TimeoutMs);

// Listens on Path and returns the descriptor, or -1. A socket file that nobody listens
// on (left by a process that crashed), or one that answered nonsense, is replaced.
int Listen(const QString& Path);

// Whether the process at the other end of a connected local socket runs as our user.
bool PeerIsOwnUser(qintptr Descriptor);

// Serialises the "ask, else listen" step of processes starting at the same time; held from
// construction to destruction. Does nothing when Path is empty.
class StartLock {
public:
    explicit StartLock(const QString& SocketPath);
    ~StartLock();
    StartLock(const StartLock&) = delete;
    StartLock& operator=(const StartLock&) = delete;

private:
    int Descriptor = -1;
};

} // namespace InstanceChannel
