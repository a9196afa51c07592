#pragma once
// Finds out whether a newer Handwick is published in the update feed, and
// fetches and verifies it when the user wants it. It decides nothing on the
// screen: it announces what it found, and UpdatePrompts shows it.
//
// At most one check or download runs at a time; canCheck says whether one
// may start now. Automatic checks, once the user agreed to them, run at most
// once a day, on one long timer; nothing runs in between.

#include "updates/Appcast.h"

#include <QByteArray>
#include <QDateTime>
#include <QNetworkAccessManager>
#include <QObject>
#include <QTimer>
#include <memory>

class PackageDownload;
class Prefs;
class SecureFetch;

// Where updates come from and what they are compared with.
struct UpdateSource {
    QUrl feed;
    QByteArray publicKey; // raw Ed25519 key, 32 bytes
    QString runningVersion;
    QString systemVersion; // this system's release, for items that need a newer one
};

class Updater : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool canCheck READ canCheck NOTIFY canCheckChanged)
  public:
    static constexpr qint64 kCheckInterval = 24 * 60 * 60 * 1000;

    Updater(Prefs& prefs, const UpdateSource& source, QObject* parent = nullptr);
    ~Updater() override;

    bool canCheck() const { return !m_check && !m_download; }
    QString runningVersion() const { return m_source.runningVersion; }

    // How long a silent server is waited for (30 s unless changed).
    void setTimeout(int ms) { m_timeoutMs = ms; }
    // Where packages are downloaded to (a folder of their own in the user's cache unless changed).
    void setDownloadFolder(const QString& folder) { m_downloadFolder = folder; }

    // At launch: asks about automatic checks on the second launch, then
    // keeps to the user's answer.
    void start();
    void answerAutomaticChecks(bool check);
    // The user asked: every outcome is announced, and a skipped version is offered again.
    void checkNow();
    // The daily check: only a newer version that was not skipped is announced.
    void checkQuietly();
    void skip(const AppcastItem& item);
    void install(const AppcastItem& item);
    void cancelInstall();

    // How long after `now` the next automatic check is due, given the last one.
    static qint64 msUntilDue(const QDateTime& lastCheck, const QDateTime& now);

  signals:
    void canCheckChanged(bool canCheck);
    void askAutomaticChecks();
    // userAsked: the user is waiting for the answer, rather than doing something else.
    void updateFound(const AppcastItem& item, bool userAsked);
    // Only for checks the user asked for: scheduled ones stay quiet.
    void upToDate();
    void checkFailed(const QString& message);

    void downloadProgress(qint64 received, qint64 total);
    // The verified package, ready for the desktop's installer.
    void packageReady(const QString& path);
    void installFailed(const QString& message);

  private:
    void check(bool userAsked);
    void onFeedFetched(const QString& error, bool userAsked);
    void onDownloaded(const QString& path, const QString& error);
    void scheduleNext();
    void announceCanCheck(bool before);

    Prefs& m_prefs;
    const UpdateSource m_source;
    QNetworkAccessManager m_network;
    QTimer m_schedule;
    std::unique_ptr<SecureFetch> m_check;
    std::unique_ptr<PackageDownload> m_download;
    int m_timeoutMs = 30000;
    QString m_downloadFolder;
};
