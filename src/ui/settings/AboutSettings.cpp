#include "ui/settings/AboutSettings.h"
#include "handart/HandPainter.h"
#include "handart/HandSkin.h"
#include "ui/settings/SettingsForm.h"

#include <QAction>
#include <QPushButton>
#include <QVBoxLayout>

AboutSettings::AboutSettings(QAction* checkForUpdates, QWidget* parent)
    : QWidget(parent), m_checkForUpdates(checkForUpdates) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(30, 30, 30, 30);
    column->setSpacing(14);
    column->addStretch(1);

    auto* hand = new QLabel(this);
    const HandSprite sprite = HandPainter::render(HandSkin::classic(), 96, devicePixelRatioF());
    hand->setPixmap(QPixmap::fromImage(sprite.image));
    column->addWidget(hand, 0, Qt::AlignHCenter);

    auto* name = new QLabel(QStringLiteral("Handwick"), this);
    name->setFont(scaledFont(font(), 2.2, true));
    column->addWidget(name, 0, Qt::AlignHCenter);

    auto* version = new SecondaryLabel(versionText(), this);
    version->setObjectName(QStringLiteral("version"));
    version->setTextInteractionFlags(Qt::TextSelectableByMouse);
    column->addWidget(version, 0, Qt::AlignHCenter);

    auto* purpose =
        new QLabel(tr("A little hand on a stick that points at things on your screen."), this);
    purpose->setWordWrap(true);
    purpose->setAlignment(Qt::AlignHCenter);
    column->addWidget(purpose);

    if (checkForUpdates) {
        m_update = new QPushButton(tr("Check for Updates…"), this);
        m_update->setObjectName(QStringLiteral("checkForUpdates"));
        column->addWidget(m_update, 0, Qt::AlignHCenter);
        const auto follow = [this] {
            m_update->setEnabled(m_checkForUpdates && m_checkForUpdates->isEnabled());
        };
        connect(checkForUpdates, &QAction::changed, this, follow);
        connect(checkForUpdates, &QObject::destroyed, this, follow);
        connect(m_update, &QPushButton::clicked, this, [this] {
            if (m_checkForUpdates) m_checkForUpdates->trigger();
        });
        follow();
    }
    column->addStretch(1);
}

QString AboutSettings::versionText() {
    const QString version = QStringLiteral(HANDWICK_VERSION);
    return tr("Version %1").arg(version.isEmpty() ? QStringLiteral("?") : version);
}
