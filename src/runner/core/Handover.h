#pragma once

#include "core/InstanceRequest.h"

// A starting runner asks the runner already there (of this user, on this display) to do
// what its command line says, before it makes a window or wakes the browser engine. When
// none answers as a runner does, the starting process becomes the one that is there.
namespace Handover {

struct Outcome {
    bool HandedOver = false;      // done: this process has nothing left to do
    int ListeningDescriptor = -1; // else the socket to take later requests on, or -1
};

// How long a starting process waits for the runner there to act; one starting at the same
// moment may still be waking its engine.
constexpr int AnswerTimeoutMs = 5000;

Outcome Start(const InstanceRequest& Request);

} // namespace Handover
