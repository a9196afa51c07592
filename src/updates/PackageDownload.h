#pragma once
// Downloads the package an update offers into a folder of its own and keeps
// it only when it has exactly the promised size and the publisher's
// signature; anything else is deleted before the user hears why.

#include "updates/Appcast.h"

#include <QFile>
#include <QObject>
#include <memory>

class QNetworkAccessManager;
class SecureFetch;

class PackageDownload : public QObject {
    Q_OBJECT
  public:
    // Starts at once. Destroying it before it finishes cancels it and deletes the partial file.
    PackageDownload(QNetworkAccessManager& network, const AppcastItem& item, const QString& folder,
                    const QByteArray& publicKey, int timeoutMs, QObject* parent = nullptr);
    ~PackageDownload() override;

  signals:
    void progress(qint64 received, qint64 total);
    // Once: the verified package's path, or why there is none.
    void finished(const QString& path, const QString& error);

  private:
    void start(QNetworkAccessManager& network, const QString& folder, int timeoutMs);
    void fail(const QString& error);
    void onFetched(const QString& error);
    QString verify();

    const AppcastItem m_item;
    const QByteArray m_publicKey;
    QFile m_file;
    std::unique_ptr<SecureFetch> m_fetch;
    bool m_done = false;
};
