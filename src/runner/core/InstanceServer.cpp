#include "InstanceServer.h"

#include "components/platform/InstanceChannel.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

InstanceServer::InstanceServer(int ListeningDescriptor, QObject* Parent)
    : QObject(Parent), Server(new QLocalServer(this)) {
    Server->setMaxPendingConnections(MaxConnections);
    if (ListeningDescriptor >= 0)
        Server->listen(ListeningDescriptor);
    connect(Server, &QLocalServer::newConnection, this, &InstanceServer::Accept);
}

bool InstanceServer::Listening() const {
    return Server->isListening();
}

void InstanceServer::Accept() {
    while (QLocalSocket* socket = Server->nextPendingConnection()) {
        if (Open >= MaxConnections || !InstanceChannel::PeerIsOwnUser(socket->socketDescriptor())) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        ++Open;
        socket->setReadBufferSize(InstanceRequest::MaxBytes + 1);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { Read(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QObject::destroyed, this, [this] { --Open; });
        // Nobody keeps a connection for longer than a request takes.
        QTimer::singleShot(ConnectionLifeMs, socket, [socket] { socket->abort(); });
        Read(socket);
    }
}

void InstanceServer::Read(QLocalSocket* Socket) {
    const QByteArray seen = Socket->peek(InstanceRequest::MaxBytes + 1);
    const qsizetype end = seen.indexOf('\n');
    if (end < 0) {
        if (seen.size() > InstanceRequest::MaxBytes)
            Socket->abort();
        return;
    }
    const std::optional<InstanceRequest> request = InstanceRequest::Decode(seen.left(end));
    if (!request) {
        Socket->abort();
        return;
    }
    Socket->read(end + 1);
    emit Requested(*request);
    Socket->write("ok\n");
    Socket->disconnectFromServer();
}
