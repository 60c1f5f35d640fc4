#pragma once

#include "core/InstanceRequest.h"

#include <QObject>

class QLocalServer;
class QLocalSocket;

// The runner already there: takes the requests of runners started later, from the socket
// a starting process made (InstanceChannel::Listen). Everything is read from the event
// loop, a little at a time, so a stranger who writes slowly, too much, or nonsense holds
// up nothing; such a connection is dropped without an answer and without effect. A
// request that was acted on is answered "ok".
class InstanceServer : public QObject {
    Q_OBJECT
public:
    InstanceServer(int ListeningDescriptor, QObject* Parent = nullptr);
    bool Listening() const;

    static constexpr int MaxConnections = 8;
    static constexpr int ConnectionLifeMs = 3000;

signals:
    void Requested(const InstanceRequest& Request);

private:
    void Accept();
    void Read(QLocalSocket* Socket);

    QLocalServer* Server;
    int Open = 0;
};
