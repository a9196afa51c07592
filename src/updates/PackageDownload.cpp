#include "updates/PackageDownload.h"
#include "updates/PackageSignature.h"
#include "updates/SecureFetch.h"

#include <QDir>
#include <QRegularExpression>

namespace {
// The name the server gives, without anything that could leave the folder.
QString safeFileName(const QUrl& url) {
    QString name = url.fileName();
    name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9._+-]")), QStringLiteral("_"));
    if (name.isEmpty() || name.startsWith(QLatin1Char('.')))
        name.prepend(QStringLiteral("handwick-update"));
    return name;
}
} // namespace

PackageDownload::PackageDownload(QNetworkAccessManager& network, const AppcastItem& item,
                                 const QString& folder, const QByteArray& publicKey, int timeoutMs,
                                 QObject* parent)
    : QObject(parent), m_item(item), m_publicKey(publicKey) {
    // Reported from the event loop, so the caller has connected by then.
    QMetaObject::invokeMethod(
        this, [this, &network, folder, timeoutMs] { start(network, folder, timeoutMs); },
        Qt::QueuedConnection);
}

PackageDownload::~PackageDownload() {
    m_fetch.reset();
    if (!m_done && !m_file.fileName().isEmpty()) m_file.remove();
}

void PackageDownload::start(QNetworkAccessManager& network, const QString& folder, int timeoutMs) {
    // Earlier packages were handed on long ago (or never verified): only the newest is kept.
    QDir dir(folder);
    for (const QString& old : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
        dir.remove(old);
    if (!QDir().mkpath(folder)) {
        fail(tr("Handwick could not make the folder %1 for the download.")
                 .arg(QDir::toNativeSeparators(folder)));
        return;
    }
    m_file.setFileName(dir.filePath(safeFileName(m_item.url)));
    if (!m_file.open(QIODevice::WriteOnly)) {
        fail(tr("Handwick could not save the download: %1").arg(m_file.errorString()));
        return;
    }
    // The promised size bounds the transfer: a server sending more is cut off at once.
    m_fetch = std::make_unique<SecureFetch>(network, m_item.url, &m_file, m_item.length, timeoutMs);
    connect(m_fetch.get(), &SecureFetch::progress, this,
            [this](qint64 received, qint64) { emit progress(received, m_item.length); });
    connect(m_fetch.get(), &SecureFetch::finished, this, &PackageDownload::onFetched);
}

void PackageDownload::fail(const QString& error) {
    if (m_file.isOpen() || m_file.exists()) m_file.remove();
    m_done = true;
    emit finished(QString(), error);
}

void PackageDownload::onFetched(const QString& error) {
    m_fetch.release()->deleteLater(); // it is still inside its own signal
    if (!error.isEmpty()) {
        fail(error);
        return;
    }
    const QString refused = verify();
    if (!refused.isEmpty()) {
        fail(refused);
        return;
    }
    m_file.close();
    m_done = true;
    emit finished(m_file.fileName(), QString());
}

QString PackageDownload::verify() {
    if (!m_file.flush() || m_file.size() != m_item.length)
        return tr("The downloaded update is %1 bytes long instead of %2, so Handwick deleted it. "
                  "Try again later.")
            .arg(m_file.size())
            .arg(m_item.length);
    m_file.close();
    if (!m_file.open(QIODevice::ReadOnly))
        return tr("Handwick could not read the download: %1").arg(m_file.errorString());
    uchar* data = m_file.map(0, m_file.size());
    const bool signedByPublisher =
        data && PackageSignature::verify(
                    m_publicKey, QByteArrayView(reinterpret_cast<const char*>(data), m_file.size()),
                    m_item.signature);
    if (data) m_file.unmap(data);
    if (!signedByPublisher)
        return tr("The downloaded update does not carry Handwick's signature, so it may have "
                  "been altered. Handwick deleted it without installing it.");
    return {};
}
