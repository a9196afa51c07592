#pragma once
// One download for the updater: only over HTTPS (plain HTTP only to this
// computer's loopback address, which is how the tests serve), never
// downgraded by a redirect, given up when the server stays silent for the
// time-out, and stopped as soon as it sends more than it may.

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

class QIODevice;
class QNetworkAccessManager;
class QNetworkReply;

class SecureFetch : public QObject {
    Q_OBJECT
  public:
    // The body goes to sink as it arrives, or into body() when sink is null.
    SecureFetch(QNetworkAccessManager& network, const QUrl& url, QIODevice* sink, qint64 maxBytes,
                int timeoutMs, QObject* parent = nullptr);
    ~SecureFetch() override;

    // HTTPS anywhere, or plain HTTP to the loopback address.
    static bool isAllowed(const QUrl& url);

    QByteArray body() const { return m_body; }
    qint64 received() const { return m_received; }
    // Stops the transfer; finished() then reports the given reason.
    void abort(const QString& reason);

  signals:
    void progress(qint64 received, qint64 total);
    // Once; error is empty when the whole body arrived.
    void finished(const QString& error);

  private:
    void onRedirected(const QUrl& target);
    void onReadyRead();
    void onFinished();
    QString describeFailure() const;

    QPointer<QNetworkReply> m_reply;
    QIODevice* m_sink;
    const qint64 m_maxBytes;
    QUrl m_url;
    QByteArray m_body;
    qint64 m_received = 0;
    QString m_abortReason;
};
