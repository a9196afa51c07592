#include "app/InstanceChannel.h"
#include "app/ChannelPlace.h"

#include <QLocalSocket>
#include <QPointer>
#include <QTimer>

InstanceChannel::InstanceChannel(Handler handler, QObject* parent)
    : QObject(parent), m_handler(std::move(handler)) {
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* peer = m_server.nextPendingConnection())
            admit(peer);
    });
}

QString InstanceChannel::listen(const QString& socket) {
    // We hold the lock, so a socket already there belongs to no living Handwick.
    QLocalServer::removeServer(socket);
    if (m_server.listen(socket)) return {};
    return tr("Handwick cannot listen on %1: %2").arg(socket, m_server.errorString());
}

void InstanceChannel::admit(QLocalSocket* peer) {
    peer->setParent(this);
    connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
    connect(peer, &QObject::destroyed, this, [this] { --m_peers; });
    ++m_peers;
    // The folder is private already; root, or a user let in by a loose
    // folder, still gets nothing from us.
    if (m_peers > kMostPeers || !peerIsThisUser(peer->socketDescriptor())) {
        peer->abort();
        peer->deleteLater();
        return;
    }
    // Nothing is read beyond one line's worth, however much a peer sends.
    peer->setReadBufferSize(RemoteProtocol::kLongestLine);
    connect(peer, &QLocalSocket::readyRead, this, [this, peer] { serve(peer); });
    QTimer::singleShot(kPatienceMs, peer, [peer] {
        peer->abort();
        peer->deleteLater();
    });
    if (peer->bytesAvailable() > 0) serve(peer);
}

void InstanceChannel::serve(QLocalSocket* peer) {
    if (!peer->canReadLine()) {
        // A full buffer without a line end is no request of ours.
        if (peer->bytesAvailable() >= RemoteProtocol::kLongestLine) {
            peer->abort();
            peer->deleteLater();
        }
        return;
    }
    const RemoteProtocol::Request request =
        RemoteProtocol::decode(peer->readLine(RemoteProtocol::kLongestLine));
    disconnect(peer, &QLocalSocket::readyRead, this, nullptr); // one request per connection
    switch (request.kind) {
    case RemoteProtocol::Request::Kind::notOurs:
        peer->abort();
        peer->deleteLater();
        return;
    case RemoteProtocol::Request::Kind::otherVersion:
        answer(peer, RemoteProtocol::errorReply(
                         tr("the running Handwick is a different version; restart it")));
        return;
    case RemoteProtocol::Request::Kind::command:
        break;
    }
    QString why = RemoteCommands::problem(request.command);
    const QPointer<QLocalSocket> stays(peer); // the handler may run events meanwhile
    if (why.isEmpty()) why = m_handler(request.command);
    if (!stays) return;
    answer(peer, why.isEmpty() ? RemoteProtocol::okReply() : RemoteProtocol::errorReply(why));
}

void InstanceChannel::answer(QLocalSocket* peer, const QByteArray& reply) {
    peer->write(reply);
    peer->disconnectFromServer(); // after the reply is written
}
