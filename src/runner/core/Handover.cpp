#include "Handover.h"

#include "components/platform/InstanceChannel.h"

Handover::Outcome Handover::Start(const InstanceRequest& Request) {
    const QString path = InstanceChannel::SocketPath(QStringLiteral("quintor2"));
    if (path.isEmpty())
        return {};
    // Two runners starting together: the second asks the first once it listens.
    InstanceChannel::StartLock lock(path);
    const InstanceChannel::Handover asked =
        InstanceChannel::Ask(path, Request.Encode(), AnswerTimeoutMs);
    if (asked.Answer && *asked.Answer == "ok")
        return {true, -1};
    return {false, InstanceChannel::Listen(path)};
}
