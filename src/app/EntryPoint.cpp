#include "app/EntryPoint.h"
#include "app/AppRoot.h"
#include "app/ChannelPlace.h"
#include "app/CommandLine.h"
#include "app/ImportCommand.h"
#include "app/RemoteClient.h"
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

// Commands that only print or talk to the running Handwick need no GUI at all.
int runWithoutGui(int argc, char** argv, const std::function<int()>& command) {
    QCoreApplication app(argc, argv);
    Translations::install(app);
    QCoreApplication::setApplicationVersion(QStringLiteral(HANDWICK_VERSION));
    return command();
}

int print(const QString& text, FILE* stream, int status) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    return status;
}

} // namespace

int run(int argc, char** argv) {
    // A sound server that goes away mid-write (a logout), or a peer that
    // hangs up on the channel, must fail that write, not end the program.
    std::signal(SIGPIPE, SIG_IGN);
    const QStringList args = arguments(argc, argv);
    const CommandLine::Request request = CommandLine::read(args);
    if (!request.error.isEmpty() || request.help)
        return runWithoutGui(argc, argv, [&] {
            // Read again, now in the user's language.
            const QString error = CommandLine::read(args).error;
            if (!error.isEmpty()) return print(error + QLatin1Char('\n'), stderr, 2);
            return print(CommandLine::helpText(), stdout, 0);
        });
    if (request.version) return print(CommandLine::versionText(), stdout, 0);

    if (const auto dir = request.value(QStringLiteral("render-hands")))
        return runWithoutWindows(argc, argv, [&] { return DevTools::renderHands(*dir) ? 0 : 1; });

    const ChannelPlace channel = ChannelPlace::forThisSession();
    // Without a file name the import fails with its own message. A running
    // Handwick shows the new hand at once; none running is no failure.
    if (const auto photo = request.value(QStringLiteral("import-hand")))
        return runWithoutWindows(argc, argv, [&] {
            const int status = ImportCommand::run(*photo);
            if (status == 0) RemoteClient::send(channel, {RemoteCommands::reloadHand, {}});
            return status;
        });

    if (!request.remote.empty())
        return runWithoutGui(argc, argv,
                             [&] { return RemoteClient::runCommands(channel, request.remote); });

    // Qt would end the process with a fatal error; say it plainly instead.
    if (!DesktopChecks::hasDisplay()) {
        std::fputs("handwick: cannot open the display; start Handwick from a desktop session.\n",
                   stderr);
        return 1;
    }

    // One Handwick per display: a second start hands over to the first.
    const InstanceLock lock(channel);
    if (lock.state() == InstanceLock::State::heldElsewhere)
        return runWithoutGui(argc, argv, [&] {
            // The pictures and the demonstration need a Handwick of their own.
            if (request.has(QStringLiteral("snapshot")) || request.has(QStringLiteral("demo")))
                return print(QCoreApplication::translate(
                                 "EntryPoint", "handwick: Handwick is already running; quit it "
                                               "first for --snapshot or --demo\n"),
                             stderr, 1);
            return RemoteClient::handOver(channel);
        });

    QApplication app(argc, argv);
    Translations::install(app);
    QApplication::setApplicationName(QStringLiteral("Handwick"));
    QApplication::setOrganizationName(QStringLiteral("Handwick"));
    QApplication::setApplicationVersion(QStringLiteral(HANDWICK_VERSION));
    QApplication::setQuitOnLastWindowClosed(false);
    ServerLoss::endAtOnce();
    AppRoot root;
    root.launch(lock);
    if (const auto dir = request.value(QStringLiteral("snapshot")))
        root.snapshot(QFileInfo(*dir).absoluteFilePath());
    if (request.has(QStringLiteral("demo"))) root.demo();
    return QApplication::exec();
}

} // namespace EntryPoint
