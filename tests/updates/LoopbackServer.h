#pragma once
// A tiny HTTP server on 127.0.0.1 for the updater's tests: each path gets a
// canned answer, which may be cut short or never come at all.

#include <QHash>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

class LoopbackServer : public QObject {
  public:
    LoopbackServer() {
        m_server.listen(QHostAddress::LocalHost);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection())
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
        });
    }

    QUrl url(const QString& path) const {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path));
    }
    // sent: how much of the body goes out before the server hangs up; -1 for all.
    void answer(const QString& path, const QByteArray& body, qsizetype sent = -1) {
        m_answers[path] = {"200 OK", body, {}, sent, false};
    }
    void redirect(const QString& path, const QByteArray& location) {
        m_answers[path] = {"302 Found", {}, "Location: " + location + "\r\n", -1, false};
    }
    // Takes the request and never answers.
    void silence(const QString& path) { m_answers[path] = {{}, {}, {}, -1, true}; }
    int hits(const QString& path) const { return m_hits.value(path); }

  private:
    struct Answer {
        QByteArray status;
        QByteArray body;
        QByteArray headers;
        qsizetype sent;
        bool silent;
    };

    void serve(QTcpSocket* socket) {
        if (!socket->canReadLine()) return;
        const QList<QByteArray> request = socket->readLine().split(' ');
        socket->readAll();
        const QString path = QString::fromLatin1(request.value(1));
        ++m_hits[path];
        const Answer answer = m_answers.value(path, Answer{"404 Not Found", {}, {}, -1, false});
        if (answer.silent) return;
        const QByteArray body =
            answer.body.first(answer.sent < 0 ? answer.body.size() : answer.sent);
        socket->write("HTTP/1.1 " + answer.status +
                      "\r\nContent-Length: " + QByteArray::number(answer.body.size()) +
                      "\r\nConnection: close\r\n" + answer.headers + "\r\n" + body);
        socket->disconnectFromHost();
    }

    QTcpServer m_server;
    QHash<QString, Answer> m_answers;
    QHash<QString, int> m_hits;
};
