// The command line, and the channel between a handwick process and the
// running one: who may talk, what gets through, and what it does.
#include "../overlay/PointerKit.h"
#include "app/App.h"
#include "app/ChannelPlace.h"
#include "app/CommandLine.h"
#include "app/InstanceChannel.h"
#include "app/RemoteClient.h"
#include "app/RemoteControl.h"
#include "app/WelcomeController.h"
#include "handart/CustomHand.h"
#include "handart/HandChoice.h"
#include "handart/HandSprites.h"
#include "overlay/Pointer.h"
#include "platform/ActiveWindow.h"
#include "platform/HotKeys.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QTest>
#include <future>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

using Status = RemoteClient::Answer::Status;

namespace {
// A running Handwick's channel in a private folder, answering with `handler`.
struct Running {
    QTemporaryDir dir;
    ChannelPlace place;
    std::unique_ptr<InstanceLock> lock;
    std::vector<RemoteCommand> heard;
    InstanceChannel channel{[this](const RemoteCommand& c) {
        heard.push_back(c);
        return c.name == "hand" ? QStringLiteral("no such hand here") : QString();
    }};
    bool start() {
        ::chmod(QFile::encodeName(dir.path()).constData(), 0700);
        place = ChannelPlace::locate(dir.path(), ":0", {});
        lock = std::make_unique<InstanceLock>(place);
        return lock->state() == InstanceLock::State::held && channel.listen(place.socket).isEmpty();
    }
    // Sends from another thread while this one answers.
    RemoteClient::Answer send(const RemoteCommand& command, int patienceMs = 3000) {
        auto answer = std::async(std::launch::async,
                                 [&] { return RemoteClient::send(place, command, patienceMs); });
        while (answer.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready)
            QTest::qWait(5);
        return answer.get();
    }
};
} // namespace

class TestInstance : public QObject {
    Q_OBJECT

  private slots:
    void theCommandLineIsReadAsGiven_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("error");   // a part of the message; empty: none
        QTest::addColumn<QString>("outcome"); // switches and commands, as text
        QTest::newRow("nothing") << QStringList{} << ""
                                 << "";
        QTest::newRow("words are ignored") << QStringList{"file.txt"} << ""
                                           << "";
        QTest::newRow("help") << QStringList{"-h"} << ""
                              << "help";
        QTest::newRow("version") << QStringList{"--version"} << ""
                                 << "version";
        QTest::newRow("render") << QStringList{"--render-hands", "d", "--render-hands", "e"} << ""
                                << "render-hands=d";
        QTest::newRow("render last is ignored") << QStringList{"--render-hands"} << ""
                                                << "";
        QTest::newRow("import without file") << QStringList{"--import-hand"} << ""
                                             << "import-hand=";
        QTest::newRow("commands in order")
            << QStringList{"--on", "--tool", "box", "--color=sky", "--tool", "pen", "--clear"} << ""
            << "on tool:box color:sky tool:pen clear";
        QTest::newRow("hand") << QStringList{"--hand", "ghost"} << ""
                              << "hand:ghost";
        QTest::newRow("unknown switch") << QStringList{"--bogus"} << "unknown option --bogus"
                                        << "";
        QTest::newRow("bad tool") << QStringList{"--tool", "hammer"} << "unknown tool \"hammer\""
                                  << "";
        QTest::newRow("bad hand") << QStringList{"--hand", "nope"} << "unknown hand"
                                  << "";
        QTest::newRow("tool without value") << QStringList{"--tool"} << "--tool"
                                            << "";
    }
    void theCommandLineIsReadAsGiven() {
        QFETCH(QStringList, args);
        QFETCH(QString, error);
        QFETCH(QString, outcome);
        const CommandLine::Request request = CommandLine::read(QStringList{"handwick"} + args);
        QVERIFY2(error.isEmpty() ? request.error.isEmpty() : request.error.contains(error),
                 qPrintable(request.error));
        QVERIFY(!request.error.contains('\n'));
        QStringList seen;
        if (request.help) seen << "help";
        if (request.version) seen << "version";
        for (auto it = request.values.begin(); it != request.values.end(); ++it)
            seen << it.key() + '=' + it.value();
        for (const RemoteCommand& c : request.remote)
            seen << (c.argument.isEmpty() ? c.name : c.name + ':' + c.argument);
        QCOMPARE(seen.join(' '), outcome);
    }

    void onlyAPrivateFolderHoldsTheSocket_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("safe");
        QTest::newRow("0700") << 0700 << true;
        QTest::newRow("0755") << 0755 << false;
        QTest::newRow("0770") << 0770 << false;
        QTest::newRow("0711") << 0711 << false;
        QTest::newRow("sticky 1777") << 01777 << false;
    }
    void onlyAPrivateFolderHoldsTheSocket() {
        QFETCH(int, mode);
        QFETCH(bool, safe);
        QTemporaryDir dir;
        ::chmod(QFile::encodeName(dir.path()).constData(), mode_t(mode));
        const ChannelPlace place = ChannelPlace::locate(dir.path(), ":1.0", {});
        QCOMPARE(place.problem.isEmpty(), safe);
        QCOMPARE(place.socket, safe ? dir.path() + "/handwick-1.socket" : QString());
        if (!safe) QVERIFY(place.problem.contains("open to other users"));
        // Without a runtime folder, a private one is made in the fallback
        // place, and one someone else made (or left open) is refused.
        const QString made = dir.path() + "/handwick-" + QString::number(::geteuid());
        const mode_t umask = ::umask(0277); // a strict umask must not leave it unusable
        QCOMPARE(ChannelPlace::locate({}, ":0", dir.path()).problem, QString());
        ::umask(umask);
        QVERIFY(QFileInfo(made).isDir());
        ::chmod(QFile::encodeName(made).constData(), 0777);
        QVERIFY(!ChannelPlace::locate({}, ":0", dir.path()).problem.isEmpty());
        QCOMPARE(ChannelPlace::displayKey("host:12.1/x"), QString("host_12.1_x"));
        QCOMPARE(ChannelPlace::displayKey("localhost:10.0"), QString("localhost-10"));
    }

    // Over ssh there is no display to say which Handwick is meant: the only
    // one running is, and of two, neither.
    void withoutADisplayTheOnlyRunningOneIsMeant() {
        QTemporaryDir dir;
        ::chmod(QFile::encodeName(dir.path()).constData(), 0700);
        const QByteArray display = qgetenv("DISPLAY"), runtime = qgetenv("XDG_RUNTIME_DIR");
        const auto restore = qScopeGuard([&] {
            qputenv("DISPLAY", display);
            qputenv("XDG_RUNTIME_DIR", runtime);
        });
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(dir.path()));
        qunsetenv("DISPLAY");
        QLocalServer first, second;
        QVERIFY(first.listen(dir.filePath("handwick-7.socket")));
        QCOMPARE(ChannelPlace::forThisSession().socket, first.fullServerName());
        QCOMPARE(ChannelPlace::forThisSession().lock, dir.filePath("handwick-7.lock"));
        QVERIFY(second.listen(dir.filePath("handwick-8.socket")));
        QVERIFY(!ChannelPlace::forThisSession().socket.contains("handwick-7"));
    }

    void theRunningOneAnswersCommandsAndNoOneElse() {
        Running running;
        QVERIFY(running.start());
        // One lock: a second start sees it is not the first.
        QCOMPARE(InstanceLock(running.place).state(), InstanceLock::State::heldElsewhere);
        QVERIFY(InstanceLock::isHeldElsewhere(running.place));

        // A peer that says nothing, and one that sends garbage without end,
        // keep no one else waiting and reach no handler.
        QLocalSocket silent, flooding, stranger;
        silent.connectToServer(running.place.socket);
        flooding.connectToServer(running.place.socket);
        stranger.connectToServer(running.place.socket);
        flooding.write(QByteArray(100000, 'x'));
        stranger.write("GET / HTTP/1.0\n");
        QCOMPARE(running.send({"tool", "box"}).status, Status::done);
        QTRY_VERIFY(flooding.state() == QLocalSocket::UnconnectedState);
        QTRY_VERIFY(stranger.state() == QLocalSocket::UnconnectedState);
        QVERIFY(stranger.readAll().isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(silent.state() == QLocalSocket::UnconnectedState,
                                 InstanceChannel::kPatienceMs + 2000);

        // The handler's refusal comes back; a bad value never reaches it.
        const auto refused = running.send({"hand", "ghost"});
        QVERIFY(refused.status == Status::refused && refused.text == "no such hand here");
        QCOMPARE(running.send({"tool", "hammer"}).status, Status::refused);
        QCOMPARE(running.heard, (std::vector<RemoteCommand>{{"tool", "box"}, {"hand", "ghost"}}));

        // A peer running as another user is turned away (only root can try).
        if (::geteuid() != 0) return;
        ::chmod(QFile::encodeName(running.dir.path()).constData(), 0711);
        ::chmod(QFile::encodeName(running.place.socket).constData(), 0777);
        sockaddr_un address = {};
        address.sun_family = AF_UNIX;
        std::strcpy(address.sun_path, QFile::encodeName(running.place.socket).constData());
        const pid_t child = ::fork();
        if (child == 0) {
            const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
            char reply[16] = {};
            const bool ok =
                ::setuid(65534) == 0 && ::connect(fd, (sockaddr*)&address, sizeof address) == 0 &&
                ::write(fd, "handwick/1 clear\n", 17) == 17 && ::read(fd, reply, 16) <= 0;
            ::_exit(ok ? 0 : 1);
        }
        int status = -1;
        QTRY_VERIFY(::waitpid(child, &status, WNOHANG) != 0);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 0);
        QCOMPARE(running.heard.size(), std::size_t(2));
    }

    void aKilledHandwickLeavesNothingInTheWay() {
        Running running;
        ::chmod(QFile::encodeName(running.dir.path()).constData(), 0700);
        const ChannelPlace place = ChannelPlace::locate(running.dir.path(), ":0", {});
        // A socket file nobody listens on, as a killed Handwick leaves it.
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address = {};
        address.sun_family = AF_UNIX;
        std::strcpy(address.sun_path, QFile::encodeName(place.socket).constData());
        QVERIFY(::bind(fd, (sockaddr*)&address, sizeof address) == 0);
        ::close(fd);
        QCOMPARE(RemoteClient::send(place, {"clear", {}}, 500).status, Status::notRunning);
        QVERIFY(running.start());
        QCOMPARE(running.send({"clear", {}}).status, Status::done);
    }

    void aSecondStartHandsOverAndEnds() {
        Running running;
        QVERIFY(running.start());
        QProcess second;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_RUNTIME_DIR", running.dir.path());
        env.insert("DISPLAY", ":0");
        second.setProcessEnvironment(env);
        second.start(HANDWICK_BIN, {});
        QTRY_VERIFY_WITH_TIMEOUT(second.state() == QProcess::NotRunning, 10000);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(running.heard, (std::vector<RemoteCommand>{{"reopen", {}}}));
    }

    void commandsActAsTheirKeysAndMenuItems() {
        PointerKit kit;
        auto& [settings, hand, sprites, activeWindow, board, pointer] = kit;
        HotKeys keys;
        WelcomeController welcome(settings.prefs, pointer, activeWindow, {});
        App app(pointer, board, keys, settings.prefs, welcome);
        RemoteControl control(app, pointer, settings.prefs, hand);
        HandChoice::follow(hand, settings.prefs);
        Prefs& prefs = settings.prefs;
        const auto perform = [&](const QString& name, const QString& value = {}) {
            return control.perform({name, value});
        };

        QVERIFY(perform("toggle").isEmpty() && pointer.isOn());
        QVERIFY(perform("on").isEmpty() && pointer.isOn());
        QVERIFY(perform("laser").isEmpty() && prefs.laser());
        QVERIFY(perform("tool", "box").isEmpty());
        QVERIFY(prefs.tool() == Tool::box && !prefs.laser());
        QVERIFY(perform("color", "sky").isEmpty() && prefs.color() == InkColor::sky);
        QVERIFY(perform("spotlight").isEmpty() && prefs.spotlight());
        QVERIFY(perform("hand", "ghost").isEmpty() && prefs.handID() == "ghost");
        QVERIFY(perform("hand", "custom").contains("--import-hand"));
        QVERIFY(perform("reopen").isEmpty() && !pointer.isOn());
        QVERIFY(perform("spotlight").isEmpty() && pointer.isOn() && !prefs.spotlight());
        QVERIFY(perform("off").isEmpty() && !pointer.isOn());
        QVERIFY(!perform("tool", "hammer").isEmpty());

        // A hand stored by another process shows, and becomes the chosen one.
        QVERIFY(QImage(40, 80, QImage::Format_ARGB32).save(hand.file()));
        QVERIFY(perform("reload-hand").isEmpty() && hand.hasImage());
        QCOMPARE(prefs.handID(), QString("custom"));
    }
};

QTEST_MAIN(TestInstance)
#include "test_instance.moc"
