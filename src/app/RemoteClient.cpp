#include "app/RemoteClient.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QThread>
#include <cstdio>

namespace RemoteClient {
namespace {
QString tr(const char* text) {
    return QCoreApplication::translate("RemoteClient", text);
}

void say(const QString& line) {
    std::fputs((line + QLatin1Char('\n')).toLocal8Bit().constData(), stderr);
}

// Connects, retrying while the lock's holder is still on its way to listening.
bool connectTo(QLocalSocket& socket, const QString& path, const ChannelPlace& place,
               const QDeadlineTimer& deadline) {
    for (;;) {
        socket.connectToServer(path);
        if (socket.waitForConnected(int(qMax<qint64>(1, deadline.remainingTime())))) return true;
        if (deadline.hasExpired() || !InstanceLock::isHeldElsewhere(place)) return false;
        QThread::msleep(50);
    }
}
} // namespace

Answer send(const ChannelPlace& place, const RemoteCommand& command, int patienceMs) {
    if (place.socket.isEmpty()) return {Answer::Status::notRunning, place.problem};
    const QDeadlineTimer deadline(patienceMs);
    QLocalSocket socket;
    if (!connectTo(socket, place.socket, place, deadline)) return {Answer::Status::notRunning, {}};
    // The folder is private, so this only fails when root listens there.
    if (!peerIsThisUser(socket.socketDescriptor()))
        return {Answer::Status::noAnswer,
                tr("the socket %1 belongs to another user").arg(place.socket)};
    socket.write(RemoteProtocol::encode(command));
    socket.flush();
    while (!socket.canReadLine() && socket.bytesAvailable() < RemoteProtocol::kLongestLine &&
           socket.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime()))))
        ;
    const std::optional<QString> reply =
        socket.canReadLine()
            ? RemoteProtocol::decodeReply(socket.readLine(RemoteProtocol::kLongestLine))
            : std::nullopt;
    if (!reply) return {Answer::Status::noAnswer, {}};
    return {reply->isEmpty() ? Answer::Status::done : Answer::Status::refused, *reply};
}

int runCommands(const ChannelPlace& place, const std::vector<RemoteCommand>& commands) {
    for (const RemoteCommand& command : commands) {
        const Answer answer = send(place, command);
        switch (answer.status) {
        case Answer::Status::done:
            continue;
        case Answer::Status::refused:
            say(tr("handwick: %1").arg(answer.text));
            return 1;
        case Answer::Status::notRunning:
            // Without a safe place to look, say why it could not be found.
            say(answer.text.isEmpty()
                    ? tr("Handwick is not running")
                    : tr("handwick: Handwick cannot be reached: %1").arg(answer.text));
            return 1;
        case Answer::Status::noAnswer:
            say(answer.text.isEmpty() ? tr("handwick: the running Handwick does not answer")
                                      : tr("handwick: %1").arg(answer.text));
            return 1;
        }
    }
    return 0;
}

int handOver(const ChannelPlace& place) {
    const Answer answer = send(place, {RemoteCommands::reopen, {}});
    switch (answer.status) {
    case Answer::Status::done:
        return 0;
    case Answer::Status::refused: // for example a running Handwick of another version
        say(tr("handwick: %1").arg(answer.text));
        return 1;
    case Answer::Status::notRunning:
        say(tr("handwick: Handwick was ending just now; start it again"));
        return 1;
    case Answer::Status::noAnswer:
        break;
    }
    say(tr("handwick: Handwick is already running but does not answer; end it first"));
    return 1;
}
} // namespace RemoteClient
