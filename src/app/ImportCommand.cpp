#include "app/ImportCommand.h"
#include "handart/CustomHand.h"
#include "handart/HandChoice.h"
#include "prefs/Prefs.h"

#include <QDir>
#include <QEventLoop>
#include <QLoggingCategory>
#include <cstdio>

int ImportCommand::run(const QString& path) {
    // A damaged file is an expected outcome here, reported on the one line;
    // the decoders' own complaints would only clutter the output.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio*=false"));

    // The user's own settings and hand; an imported hand becomes the chosen one.
    Prefs prefs(Prefs::defaultFile());
    CustomHand hand(CustomHand::defaultFile());
    HandChoice::follow(hand, prefs);
    // An imported hand that cannot be chosen would never show: with settings
    // that cannot be saved, the import fails before it replaces anything.
    prefs.setHandID(prefs.handID()); // written even when unchanged: a probe of the file
    prefs.waitForWrites();
    if (!prefs.problem().isEmpty()) {
        std::fputs((prefs.problem() + QLatin1Char('\n')).toLocal8Bit().constData(), stdout);
        return 1;
    }
    bool ok = false;
    QEventLoop loop;
    QObject::connect(&hand, &CustomHand::importFinished, &loop, [&](bool succeeded) {
        ok = succeeded;
        loop.quit();
    });
    hand.importPhoto(path);
    loop.exec();

    const QString line = ok ? QDir::toNativeSeparators(hand.file()) : hand.error();
    std::fputs((line + QLatin1Char('\n')).toLocal8Bit().constData(), stdout);
    std::fflush(stdout);
    return ok ? 0 : 1;
}
