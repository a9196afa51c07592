#include "updates/SecureFetch.h"

#include <QHostAddress>
#include <QIODevice>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace {
// How many silence time-outs a whole transfer may last.
constexpr int kWholeTransferTimeouts = 20;

bool isLoopback(const QUrl& url) {
    const QString host = url.host();
    return host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0 ||
           QHostAddress(host).isLoopback();
}
} // namespace

SecureFetch::SecureFetch(QNetworkAccessManager& network, const QUrl& url, QIODevice* sink,
                         qint64 maxBytes, int timeoutMs, QObject* parent)
    : QObject(parent), m_sink(sink), m_maxBytes(maxBytes), m_url(url) {
    if (!isAllowed(url)) {
        // Reported from the event loop, so the caller has connected by then.
        m_abortReason = tr("Handwick only downloads updates over a secure connection (HTTPS), "
                           "and %1 is not one.")
                            .arg(url.toDisplayString());
        QMetaObject::invokeMethod(
            this, [this] { emit finished(m_abortReason); }, Qt::QueuedConnection);
        return;
    }
    QNetworkRequest request(url);
    // Each redirect is checked here, so none can lead to plain HTTP.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::UserVerifiedRedirectPolicy);
    request.setMaximumRedirectsAllowed(5);
    request.setTransferTimeout(timeoutMs);
    m_reply = network.get(request);
    connect(m_reply, &QNetworkReply::redirected, this, &SecureFetch::onRedirected);
    connect(m_reply, &QNetworkReply::readyRead, this, &SecureFetch::onReadyRead);
    connect(m_reply, &QNetworkReply::downloadProgress, this, &SecureFetch::progress);
    connect(m_reply, &QNetworkReply::finished, this, &SecureFetch::onFinished);
    // The time-out above only notices silence: a server that sends a byte now
    // and then would keep the check going, and the menu item dimmed, for days.
    QTimer::singleShot(kWholeTransferTimeouts * qint64(timeoutMs), this, [this] {
        abort(tr("The update server is far too slow. Try again later."));
    });
}

SecureFetch::~SecureFetch() {
    if (!m_reply) return;
    m_reply->disconnect(this);
    m_reply->abort();
    m_reply->deleteLater();
}

bool SecureFetch::isAllowed(const QUrl& url) {
    if (!url.isValid() || url.host().isEmpty()) return false;
    const QString scheme = url.scheme().toLower();
    return scheme == QLatin1String("https") || (scheme == QLatin1String("http") && isLoopback(url));
}

void SecureFetch::abort(const QString& reason) {
    if (m_abortReason.isEmpty()) m_abortReason = reason;
    if (m_reply) m_reply->abort();
}

void SecureFetch::onRedirected(const QUrl& target) {
    const bool downgrade =
        m_url.scheme() == QLatin1String("https") && target.scheme() != QLatin1String("https");
    if (!isAllowed(target) || downgrade) {
        abort(tr("The update server sent Handwick to %1, which is not a secure (HTTPS) address, "
                 "so Handwick stopped.")
                  .arg(target.toDisplayString()));
        return;
    }
    m_url = target;
    emit m_reply->redirectAllowed();
}

void SecureFetch::onReadyRead() {
    const QByteArray chunk = m_reply->readAll();
    m_received += chunk.size();
    if (m_received > m_maxBytes) {
        abort(tr("The update server sent more data than expected, so Handwick stopped."));
        return;
    }
    if (!m_sink) {
        m_body += chunk;
    } else if (m_sink->write(chunk) != chunk.size()) {
        abort(tr("Handwick could not save the download: %1").arg(m_sink->errorString()));
    }
}

void SecureFetch::onFinished() {
    // Whatever arrived with the end is taken too: a cut-off download must
    // count as cut off even when all of it came in one piece.
    if (m_abortReason.isEmpty()) onReadyRead();
    const QString error = describeFailure();
    m_reply->deleteLater();
    m_reply = nullptr;
    emit finished(error);
}

QString SecureFetch::describeFailure() const {
    if (!m_abortReason.isEmpty()) return m_abortReason;
    const int status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    switch (m_reply->error()) {
    case QNetworkReply::NoError:
        return {};
    case QNetworkReply::OperationCanceledError: // the transfer time-out
    case QNetworkReply::TimeoutError:
        return tr("The update server did not answer in time. Try again later.");
    case QNetworkReply::RemoteHostClosedError:
        if (m_received > 0)
            return tr("The connection to the update server broke off before the download was "
                      "complete. Try again later.");
        [[fallthrough]];
    default:
        if (status >= 400)
            return tr("The update server answered with an error (%1 %2).")
                .arg(status)
                .arg(m_reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString());
        return tr("Handwick could not reach the update server: %1").arg(m_reply->errorString());
    }
}
