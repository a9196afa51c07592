// Writes the settings window's four tabs as PNG files, on a light and a dark
// palette (Fusion style; the dark one with Breeze Dark's colours), with a
// hand cut out of a made-up photo, for the documentation:
// render_settings <folder>.
#include "SyntheticHandPhoto.h"
#include "handart/CustomHand.h"
#include "handart/HandSprites.h"
#include "platform/LoginItem.h"
#include "prefs/Prefs.h"
#include "ui/settings/SettingsWindowController.h"

#include <QApplication>
#include <QEventLoop>
#include <QStyle>
#include <QStyleFactory>
#include <QTemporaryDir>

namespace {
QPalette dark() {
    QPalette p;
    const QColor window(0x20, 0x23, 0x26), base(0x14, 0x16, 0x18), text(0xfc, 0xfc, 0xfc);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, QColor(0x29, 0x2c, 0x30));
    p.setColor(QPalette::AlternateBase, base);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, QColor(0x31, 0x36, 0x3b));
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::Highlight, QColor(0x3d, 0xae, 0xe9));
    p.setColor(QPalette::HighlightedText, text);
    p.setColor(QPalette::ToolTipBase, window);
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, QColor(0xa1, 0xa9, 0xb1));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, QColor(0x6e, 0x71, 0x75));
    p.setColor(QPalette::Light, QColor(0x40, 0x45, 0x4b));
    p.setColor(QPalette::Midlight, QColor(0x36, 0x3a, 0x3f));
    p.setColor(QPalette::Mid, QColor(0x24, 0x27, 0x2a));
    p.setColor(QPalette::Dark, QColor(0x18, 0x1a, 0x1c));
    p.setColor(QPalette::Shadow, Qt::black);
    return p;
}
} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QTemporaryDir home;
    {
        const QString photo = home.filePath(QStringLiteral("photo.png"));
        SyntheticHandPhoto::make({}).photo.save(photo);
        CustomHand custom(home.filePath(QStringLiteral("hand.png")));
        QEventLoop loop;
        QObject::connect(&custom, &CustomHand::importFinished, &loop, &QEventLoop::quit);
        custom.importPhoto(photo);
        loop.exec();
    }
    for (const bool night : {false, true}) {
        QApplication::setPalette(night ? dark() : QApplication::style()->standardPalette());
        Prefs prefs(home.filePath(QStringLiteral("Handwick.ini")));
        CustomHand custom(home.filePath(QStringLiteral("hand.png")));
        HandSprites sprites(custom);
        LoginItem login(home.filePath(QStringLiteral("autostart.desktop")), QStringLiteral("x"));
        SettingsWindowController window({prefs, sprites, custom, login, nullptr, nullptr});
        window.showAndRaise();
        for (SettingsTab tab : SettingsWindowController::order) {
            window.select(tab);
            QApplication::processEvents();
            window.grab().save(QStringLiteral("%1/settings-%2-%3.png")
                                   .arg(folder, rawValue(tab), night ? "dark" : "light"));
        }
    }
    return 0;
}
