#include "components/platform/InstanceChannel.h"

#include "components/platform/FileSystem.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

constexpr qsizetype MaxAnswer = 256;

struct Fd {
    int Value;
    ~Fd() {
        if (Value >= 0)
            ::close(Value);
    }
};

QByteArray PrivateFolder() {
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (runtime.startsWith('/')) {
        struct stat info;
        // The desktop's own folder for this user's sockets, as it must be: ours, closed.
        if (::stat(runtime.constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
            info.st_uid == ::geteuid() && (info.st_mode & 077) == 0 &&
            FileSystem::MakePrivateFolder(QFile::decodeName(runtime + "/quintor")))
            return runtime + "/quintor";
    }
    const QByteArray fallback = "/tmp/quintor-" + QByteArray::number(::geteuid());
    return FileSystem::MakePrivateFolder(QFile::decodeName(fallback)) ? fallback : QByteArray();
}

// Which display this process's windows go to. None for a run without a screen.
QByteArray DisplayName() {
    QByteArray platform = qgetenv("QT_QPA_PLATFORM").split(';').value(0).split(':').value(0);
    const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
    const QByteArray x11 = qgetenv("DISPLAY");
    if (platform.isEmpty())
        platform =
            !wayland.isEmpty() && qgetenv("XDG_SESSION_TYPE") == "wayland" ? "wayland" : "xcb";
    if (platform.startsWith("wayland") && !wayland.isEmpty())
        return "wayland " + wayland;
    if (platform == "xcb" && !x11.isEmpty())
        return "x11 " + x11;
    return {};
}

bool Address(const QByteArray& Path, sockaddr_un& Out) {
    std::memset(&Out, 0, sizeof Out);
    Out.sun_family = AF_UNIX;
    if (Path.isEmpty() || size_t(Path.size()) >= sizeof Out.sun_path)
        return false;
    std::memcpy(Out.sun_path, Path.constData(), size_t(Path.size()));
    return true;
}

int Remaining(const QElapsedTimer& Clock, int TimeoutMs) {
    return int(qMax<qint64>(0, TimeoutMs - Clock.elapsed()));
}

bool WriteAll(int Socket, const QByteArray& Bytes, const QElapsedTimer& Clock, int TimeoutMs) {
    qsizetype done = 0;
    while (done < Bytes.size()) {
        pollfd ready{Socket, POLLOUT, 0};
        if (::poll(&ready, 1, Remaining(Clock, TimeoutMs)) <= 0)
            return false;
        const ssize_t wrote =
            ::send(Socket, Bytes.constData() + done, size_t(Bytes.size() - done), MSG_NOSIGNAL);
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0)
            return false;
        done += wrote;
    }
    return true;
}

std::optional<QByteArray> ReadLine(int Socket, const QElapsedTimer& Clock, int TimeoutMs) {
    QByteArray answer;
    char buffer[MaxAnswer];
    while (answer.size() <= MaxAnswer) {
        pollfd ready{Socket, POLLIN, 0};
        if (::poll(&ready, 1, Remaining(Clock, TimeoutMs)) <= 0)
            return std::nullopt;
        const ssize_t got = ::recv(Socket, buffer, sizeof buffer, 0);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return answer.isEmpty() ? std::nullopt : std::optional<QByteArray>(answer);
        answer.append(buffer, got);
        const qsizetype end = answer.indexOf('\n');
        if (end >= 0)
            return answer.left(end);
    }
    return answer.left(MaxAnswer);
}

} // namespace

QString InstanceChannel::SocketPath(const QString& Program) {
    const QByteArray display = DisplayName();
    if (display.isEmpty())
        return {};
    const QByteArray folder = PrivateFolder();
    if (folder.isEmpty())
        return {};
    // The display's name may be long or hold any character; its digest names the socket.
    const QByteArray key =
        QCryptographicHash::hash(display, QCryptographicHash::Sha256).toHex().left(16);
    const QByteArray path = folder + '/' + QFile::encodeName(Program) + '-' + key;
    sockaddr_un address;
    return Address(path, address) ? QFile::decodeName(path) : QString();
}

InstanceChannel::Handover InstanceChannel::Ask(const QString& Path, const QByteArray& Request,
                                               int TimeoutMs) {
    Handover result;
    sockaddr_un address;
    if (!Address(QFile::encodeName(Path), address))
        return result;
    Fd socket{::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0)};
    if (socket.Value < 0)
        return result;
    QElapsedTimer clock;
    clock.start();
    if (::connect(socket.Value, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        if (errno != EINPROGRESS && errno != EAGAIN)
            return result;
        pollfd ready{socket.Value, POLLOUT, 0};
        int error = 0;
        socklen_t size = sizeof error;
        if (::poll(&ready, 1, Remaining(clock, TimeoutMs)) <= 0 ||
            ::getsockopt(socket.Value, SOL_SOCKET, SO_ERROR, &error, &size) != 0 || error != 0)
            return result;
    }
    result.Reached = true;
    if (WriteAll(socket.Value, Request, clock, TimeoutMs))
        result.Answer = ReadLine(socket.Value, clock, TimeoutMs);
    return result;
}

int InstanceChannel::Listen(const QString& Path) {
    const QByteArray native = QFile::encodeName(Path);
    sockaddr_un address;
    if (!Address(native, address))
        return -1;
    int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0)
        return -1;
    // Whatever lies there answered nothing useful: a socket nobody listens on any more,
    // or one that talks nonsense. Never a folder of somebody else's: ours is private.
    struct stat info;
    if (::lstat(native.constData(), &info) == 0 && !S_ISDIR(info.st_mode))
        ::unlink(native.constData());
    const mode_t old = ::umask(077);
    const bool bound = ::bind(socket, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::umask(old);
    if (!bound || ::listen(socket, 16) != 0) {
        ::close(socket);
        return -1;
    }
    return socket;
}

bool InstanceChannel::PeerIsOwnUser(qintptr Descriptor) {
    ucred peer;
    socklen_t size = sizeof peer;
    return ::getsockopt(int(Descriptor), SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 &&
           peer.uid == ::geteuid();
}

InstanceChannel::StartLock::StartLock(const QString& SocketPath) {
    if (SocketPath.isEmpty())
        return;
    const QByteArray path = QFile::encodeName(SocketPath) + ".lock";
    Descriptor = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (Descriptor < 0)
        return;
    // Held only for the moments a starting process asks and perhaps listens; a holder
    // that never lets go costs a few seconds, not the start.
    QElapsedTimer clock;
    clock.start();
    while (::flock(Descriptor, LOCK_EX | LOCK_NB) != 0 && clock.elapsed() < 4000)
        ::usleep(2000);
}

InstanceChannel::StartLock::~StartLock() {
    if (Descriptor >= 0)
        ::close(Descriptor);
}
