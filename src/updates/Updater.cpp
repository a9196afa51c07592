#include "updates/Updater.h"
#include "prefs/Prefs.h"
#include "updates/PackageDownload.h"
#include "updates/SecureFetch.h"

#include <QStandardPaths>
#include <cmath>

namespace {
// A feed lists a handful of versions; anything this large is not one.
constexpr qint64 kMaxFeedBytes = 4 * 1024 * 1024;
// The first automatic check waits until the launch has settled.
constexpr qint64 kSettleMs = 10 * 1000;
// A scheduled check that finds another one running tries again this much later.
constexpr qint64 kBusyRetryMs = 60 * 60 * 1000;
} // namespace

Updater::Updater(Prefs& prefs, const UpdateSource& source, QObject* parent)
    : QObject(parent), m_prefs(prefs), m_source(source),
      m_downloadFolder(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
                       QStringLiteral("/Handwick/updates")) {
    m_schedule.setSingleShot(true);
    m_schedule.setTimerType(Qt::VeryCoarseTimer);
    connect(&m_schedule, &QTimer::timeout, this, [this] {
        if (canCheck())
            checkQuietly();
        else
            m_schedule.start(int(kBusyRetryMs));
    });
}

Updater::~Updater() = default;

void Updater::start() {
    // The first launch is for trying Handwick out; the question waits for the second.
    if (!m_prefs.launchedBefore()) {
        m_prefs.setLaunchedBefore(true);
        return;
    }
    if (!m_prefs.updateChecksAsked()) {
        emit askAutomaticChecks();
        return;
    }
    scheduleNext();
}

void Updater::answerAutomaticChecks(bool check) {
    m_prefs.setUpdateChecksAsked(true);
    m_prefs.setAutoCheckUpdates(check);
    scheduleNext();
}

void Updater::checkNow() {
    check(true);
}

void Updater::checkQuietly() {
    check(false);
}

qint64 Updater::msUntilDue(const QDateTime& lastCheck, const QDateTime& now) {
    if (!lastCheck.isValid()) return 0;
    const qint64 elapsed = lastCheck.msecsTo(now);
    if (elapsed < 0) return 0; // the clock was set back: the stored time means nothing
    return std::max<qint64>(0, kCheckInterval - elapsed);
}

void Updater::scheduleNext() {
    if (!m_prefs.autoCheckUpdates()) {
        m_schedule.stop();
        return;
    }
    const double seconds = m_prefs.lastUpdateCheck();
    const QDateTime last = std::isfinite(seconds) && seconds > 0
                               ? QDateTime::fromSecsSinceEpoch(qint64(seconds))
                               : QDateTime();
    const qint64 due = msUntilDue(last, QDateTime::currentDateTime());
    m_schedule.start(int(std::max(due, kSettleMs)));
}

void Updater::announceCanCheck(bool before) {
    if (canCheck() != before) emit canCheckChanged(canCheck());
}

void Updater::check(bool userAsked) {
    if (!canCheck()) return; // one at a time
    m_prefs.setLastUpdateCheck(double(QDateTime::currentSecsSinceEpoch()));
    m_check = std::make_unique<SecureFetch>(m_network, m_source.feed, nullptr, kMaxFeedBytes,
                                            m_timeoutMs);
    connect(m_check.get(), &SecureFetch::finished, this,
            [this, userAsked](const QString& error) { onFeedFetched(error, userAsked); });
    announceCanCheck(true);
}

void Updater::onFeedFetched(const QString& error, bool userAsked) {
    const QByteArray body = m_check->body();
    m_check.release()->deleteLater(); // it is still inside its own signal
    announceCanCheck(false);
    scheduleNext();

    const Appcast feed = error.isEmpty() ? Appcast::parse(body) : Appcast{};
    const QString problem = error.isEmpty() ? feed.error : error;
    if (!problem.isEmpty()) {
        if (userAsked) emit checkFailed(problem);
        return;
    }
    const auto update = feed.newestUpdate(m_source.runningVersion, m_source.systemVersion);
    if (!update) {
        if (userAsked) emit upToDate();
        return;
    }
    if (!userAsked && update->version == m_prefs.skippedVersion()) return;
    emit updateFound(*update, userAsked);
}

void Updater::skip(const AppcastItem& item) {
    m_prefs.setSkippedVersion(item.version);
}

void Updater::install(const AppcastItem& item) {
    if (m_download) return;
    const bool before = canCheck();
    // The user chose to install: a check still running (asked for again
    // from the tray meanwhile) would only offer the same again.
    if (m_check) {
        m_check.reset();
        scheduleNext();
    }
    m_download = std::make_unique<PackageDownload>(m_network, item, m_downloadFolder,
                                                   m_source.publicKey, m_timeoutMs);
    connect(m_download.get(), &PackageDownload::progress, this, &Updater::downloadProgress);
    connect(m_download.get(), &PackageDownload::finished, this, &Updater::onDownloaded);
    announceCanCheck(before);
}

void Updater::cancelInstall() {
    if (!m_download) return;
    m_download.reset();
    announceCanCheck(false);
}

void Updater::onDownloaded(const QString& path, const QString& error) {
    m_download.release()->deleteLater(); // it is still inside its own signal
    announceCanCheck(false);
    if (path.isEmpty())
        emit installFailed(error);
    else
        emit packageReady(path);
}
