#include "updates/SoftwareUpdates.h"
#include "updates/PackageSignature.h"

#include <QSysInfo>

std::unique_ptr<SoftwareUpdates> SoftwareUpdates::forThisBuild(Prefs& prefs) {
    const QUrl feed(QStringLiteral(HANDWICK_UPDATE_FEED));
    if (feed.isEmpty()) return nullptr;
    // The build checks the key's form; a key that still does not decode means no updates.
    const QByteArray key =
        PackageSignature::publicKeyFromBase64(QByteArray(HANDWICK_UPDATE_PUBLIC_KEY));
    if (key.isEmpty()) return nullptr;
    // Feed items name the oldest release of the system they run on (os-release's VERSION_ID).
    QString system = QSysInfo::productVersion();
    if (system == QLatin1String("unknown")) system.clear();
    return std::make_unique<SoftwareUpdates>(
        prefs, UpdateSource{feed, key, QStringLiteral(HANDWICK_VERSION), system});
}

SoftwareUpdates::SoftwareUpdates(Prefs& prefs, const UpdateSource& source)
    : m_updater(prefs, source), m_prompts(m_updater), m_checkAction(tr("Check for Updates…")) {
    m_checkAction.setEnabled(m_updater.canCheck());
    QObject::connect(&m_updater, &Updater::canCheckChanged, &m_checkAction, &QAction::setEnabled);
    QObject::connect(&m_checkAction, &QAction::triggered, &m_updater, &Updater::checkNow);
}
