#pragma once
// The running Handwick's end of the channel: it listens on the socket, reads
// one request line per connection from processes of this user, hands the
// command to its handler and answers. Idle, it costs nothing: the process
// wakes only when someone connects.

#include "app/RemoteCommand.h"

#include <QLocalServer>
#include <QObject>
#include <functional>

class QLocalSocket;

class InstanceChannel : public QObject {
    Q_OBJECT
  public:
    // Carries out a command; returns why it could not, or nothing.
    using Handler = std::function<QString(const RemoteCommand&)>;
    // A peer that has not sent its line by then is let go.
    static constexpr int kPatienceMs = 2000;
    // More connections at once than this are turned away at the door.
    static constexpr int kMostPeers = 16;

    explicit InstanceChannel(Handler handler, QObject* parent = nullptr);

    // Listens on `socket`, replacing what a killed Handwick left there. Only
    // the holder of the instance lock may call it. Returns why it cannot, or nothing.
    QString listen(const QString& socket);

  private:
    void admit(QLocalSocket* peer);
    void serve(QLocalSocket* peer);
    void answer(QLocalSocket* peer, const QByteArray& reply);

    Handler m_handler;
    QLocalServer m_server;
    int m_peers = 0;
};
