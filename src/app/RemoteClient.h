#pragma once
// The other end of the channel: a handwick started with a remote-control
// switch, a second start, or an import, asking the running Handwick. Needs no
// display, only the application object.

#include "app/ChannelPlace.h"
#include "app/RemoteCommand.h"

#include <vector>

namespace RemoteClient {
struct Answer {
    enum class Status { done, refused, notRunning, noAnswer };
    Status status = Status::notRunning;
    QString text; // why it was refused, or why there was no answer
};

// Sends `command` and waits up to `patienceMs` for the answer. A Handwick
// that is still starting up is waited for as well.
Answer send(const ChannelPlace& place, const RemoteCommand& command, int patienceMs = 5000);

// Sends each command in turn, printing what went wrong on standard error;
// returns the exit status (0 once all were done, 1 otherwise).
int runCommands(const ChannelPlace& place, const std::vector<RemoteCommand>& commands);

// A second start while the lock is held: asks the running one to come
// forward; returns the exit status.
int handOver(const ChannelPlace& place);
} // namespace RemoteClient
