#include "app/EntryPoint.h"
#include "app/AppRoot.h"
#include "app/ImportCommand.h"
#include "app/Translations.h"
#include "devtools/DevTools.h"
#include "platform/DesktopChecks.h"
#include "platform/ServerLoss.h"

#include <QApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <csignal>
#include <cstdio>
#include <functional>

namespace EntryPoint {

std::optional<QString> valueAfter(const QStringList& args, const QString& flag) {
    const qsizetype at = args.indexOf(flag);
    if (at < 0 || at + 1 >= args.size()) return std::nullopt;
    return args.at(at + 1);
}

namespace {
QStringList arguments(int argc, char** argv) {
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    return args;
}

// Commands that only write files need no screen: they run on Qt's offscreen
// platform, so they work the same on a desktop, over ssh and in CI.
int runWithoutWindows(int argc, char** argv, const std::function<int()>& command) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    Translations::install(app);
    return command();
}

} // namespace

int run(int argc, char** argv) {
    const QStringList args = arguments(argc, argv);

    if (const auto dir = valueAfter(args, QStringLiteral("--render-hands")))
        return runWithoutWindows(argc, argv, [&] { return DevTools::renderHands(*dir) ? 0 : 1; });

    // Without a file name the import fails with its own message.
    if (args.contains(QStringLiteral("--import-hand")))
        return runWithoutWindows(argc, argv, [&] {
            const auto photo = valueAfter(args, QStringLiteral("--import-hand"));
            return ImportCommand::run(photo.value_or(QString()));
        });

    // Qt would end the process with a fatal error; say it plainly instead.
    if (!DesktopChecks::hasDisplay()) {
        std::fputs("handwick: cannot open the display; start Handwick from a desktop session.\n",
                   stderr);
        return 1;
    }

    // A sound server that goes away mid-write (a logout) must fail that write,
    // not end the program with SIGPIPE.
    std::signal(SIGPIPE, SIG_IGN);
    QApplication app(argc, argv);
    Translations::install(app);
    QApplication::setApplicationName(QStringLiteral("Handwick"));
    QApplication::setOrganizationName(QStringLiteral("Handwick"));
    QApplication::setQuitOnLastWindowClosed(false);
    ServerLoss::endAtOnce();
    AppRoot root;
    root.launch();
    if (const auto dir = valueAfter(args, QStringLiteral("--snapshot")))
        root.snapshot(QFileInfo(*dir).absoluteFilePath());
    if (args.contains(QStringLiteral("--demo"))) root.demo();
    return QApplication::exec();
}

} // namespace EntryPoint
