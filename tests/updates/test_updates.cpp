// The updater against a server on the loopback address: what a check finds,
// what a download must prove before it is handed on, and when the user is asked.
#include "LoopbackServer.h"
#include "prefs/Prefs.h"
#include "updates/ReleaseNotesView.h"
#include "updates/SoftwareUpdates.h"
#include "updates/UpdateDialog.h"
#include "updates/UpdatePrompts.h"
#include "updates/Updater.h"
#include "updates/Version.h"

#include <QDir>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <openssl/evp.h>

namespace {
// A signing key made for this run, as the publisher's would be.
struct TestKey {
    EVP_PKEY* key = nullptr;
    TestKey() {
        EVP_PKEY_CTX* context = EVP_PKEY_CTX_new_id(EVP_PKEY_ED25519, nullptr);
        EVP_PKEY_keygen_init(context);
        EVP_PKEY_keygen(context, &key);
        EVP_PKEY_CTX_free(context);
    }
    ~TestKey() { EVP_PKEY_free(key); }
    QByteArray publicKey() const {
        QByteArray raw(32, 0);
        size_t size = raw.size();
        EVP_PKEY_get_raw_public_key(key, reinterpret_cast<unsigned char*>(raw.data()), &size);
        return raw;
    }
    QByteArray sign(const QByteArray& data) const {
        QByteArray signature(64, 0);
        size_t size = signature.size();
        EVP_MD_CTX* context = EVP_MD_CTX_new();
        EVP_DigestSignInit(context, nullptr, nullptr, nullptr, key);
        EVP_DigestSign(context, reinterpret_cast<unsigned char*>(signature.data()), &size,
                       reinterpret_cast<const unsigned char*>(data.constData()), data.size());
        EVP_MD_CTX_free(context);
        return signature.toBase64();
    }
};

QByteArray item(const QString& version, const QUrl& url, qint64 length, const QByteArray& signature,
                const QString& extra = {}) {
    return QStringLiteral("<item><hw:version>%1</hw:version>%5<enclosure url=\"%2\" length=\"%3\" "
                          "type=\"application/vnd.debian.binary-package\" hw:edSignature=\"%4\"/>"
                          "</item>")
        .arg(version, url.toString(), QString::number(length), QString::fromLatin1(signature),
             extra)
        .toUtf8();
}

QByteArray feed(const QByteArray& items) {
    return R"(<?xml version="1.0"?><rss version="2.0" xmlns:hw="urn:handwick:appcast"><channel>)" +
           items + "</channel></rss>";
}

// A private settings file, a server, the publisher's key, and an updater
// running version 1.1 on release 12 of its system, with a log of what it announced.
struct Fixture {
    QTemporaryDir dir;
    Prefs prefs{dir.filePath(QStringLiteral("Handwick.ini"))};
    LoopbackServer server;
    TestKey key;
    Updater updater;
    QStringList log;

    explicit Fixture(const QString& feedPath = QStringLiteral("/feed"))
        : updater(prefs, {server.url(feedPath), key.publicKey(), "1.1", "12"}) {
        updater.setDownloadFolder(downloads());
        updater.setTimeout(1000);
        auto note = [this](const QString& line) { log << line; };
        QObject::connect(&updater, &Updater::updateFound,
                         [note](const AppcastItem& item, bool) { note("found " + item.version); });
        QObject::connect(&updater, &Updater::upToDate, [note] { note("up to date"); });
        QObject::connect(&updater, &Updater::checkFailed, note);
        QObject::connect(&updater, &Updater::installFailed, note);
        QObject::connect(&updater, &Updater::packageReady, note);
    }
    QString downloads() const { return dir.filePath(QStringLiteral("downloads")); }
};
} // namespace

class TestUpdates : public QObject {
    Q_OBJECT

  private slots:
    void versionsOrderAsPeopleRead_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("order");
        QTest::newRow("numbers, not text") << "1.10"
                                           << "1.9" << 1;
        QTest::newRow("missing parts are zero") << "1.2"
                                                << "1.2.0" << 0;
        QTest::newRow("pre-release before release") << "1.2-beta1"
                                                    << "1.2" << -1;
        QTest::newRow("pre-release after the one before") << "1.2-beta1"
                                                          << "1.1.9" << 1;
        QTest::newRow("pre-release numbers") << "1.2-beta2"
                                             << "1.2-beta10" << -1;
        QTest::newRow("alpha, beta, rc") << "1.2-beta3"
                                         << "1.2rc1" << -1;
        QTest::newRow("a leading v") << "v2.0"
                                     << "1.99" << 1;
        QTest::newRow("huge parts") << "1.99999999999"
                                    << "1.100" << 1;
    }
    void versionsOrderAsPeopleRead() {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, order);
        QCOMPARE(Version::compare(a, b), order);
        QCOMPARE(Version::compare(b, a), -order);
    }

    void aCheckFindsTheNewestUpdateOrSaysWhyNot_data() {
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<bool>("userAsked");
        QTest::addColumn<QString>("skipped");
        QTest::addColumn<QString>("outcome"); // a part of the one announcement; empty for none
        QTest::newRow("newer") << QByteArray("/feed") << true << ""
                               << "found 1.10";
        QTest::newRow("newer, through a redirect") << QByteArray("/moved") << false << ""
                                                   << "found 1.10";
        QTest::newRow("same") << QByteArray("/same") << true << ""
                              << "up to date";
        QTest::newRow("older") << QByteArray("/older") << true << ""
                               << "up to date";
        QTest::newRow("same, daily check") << QByteArray("/same") << false << ""
                                           << "";
        QTest::newRow("skipped, daily check") << QByteArray("/feed") << false << "1.10"
                                              << "";
        QTest::newRow("skipped, user asks") << QByteArray("/feed") << true << "1.10"
                                            << "found 1.10";
        QTest::newRow("malformed XML") << QByteArray("/broken") << true << ""
                                       << "damaged";
        QTest::newRow("malformed, daily check") << QByteArray("/broken") << false << ""
                                                << "";
        QTest::newRow("not a feed") << QByteArray("/portal") << true << ""
                                    << "not lead to";
        QTest::newRow("missing") << QByteArray("/nothing") << true << ""
                                 << "404";
        QTest::newRow("redirect to plain HTTP elsewhere") << QByteArray("/away") << true << ""
                                                          << "not a secure (HTTPS) address";
        QTest::newRow("never answers") << QByteArray("/silent") << true << ""
                                       << "did not answer in time";
    }
    void aCheckFindsTheNewestUpdateOrSaysWhyNot() {
        QFETCH(QByteArray, path);
        QFETCH(bool, userAsked);
        QFETCH(QString, skipped);
        QFETCH(QString, outcome);
        Fixture f(QString::fromLatin1(path));
        f.prefs.setSkippedVersion(skipped);
        LoopbackServer& server = f.server;
        const QUrl pkg = server.url(QStringLiteral("/p.deb"));
        const QByteArray sig = QByteArray(64, 'x').toBase64();
        // 1.10 is newest by number; 2.0 is empty, 2.5 larger than any real
        // package, and 3.0 needs release 13 of the system.
        server.answer("/feed", feed(item("0.9", pkg, 9, sig) + item("1.10", pkg, 9, sig) +
                                    item("1.9", pkg, 9, sig) + item("2.0", pkg, 0, sig) +
                                    item("2.5", pkg, qint64(600) << 20, sig) +
                                    item("3.0", pkg, 9, sig,
                                         "<hw:minimumSystemVersion>13</hw:minimumSystemVersion>")));
        server.redirect("/moved", "/feed");
        server.answer("/same", feed(item("1.1", pkg, 9, sig)));
        server.answer("/older", feed(item("1.0.9", pkg, 9, sig)));
        server.answer("/broken", "<rss><channel><item><title>x</channel></rss>");
        server.answer("/portal", "<html><body>Sign in to the hotel network</body></html>");
        server.redirect("/away", "http://updates.example.invalid/feed");
        server.silence("/silent");

        Updater& updater = f.updater;
        QSignalSpy canCheck(&updater, &Updater::canCheckChanged);
        userAsked ? updater.checkNow() : updater.checkQuietly();
        updater.checkNow(); // one check at a time: this one is refused
        QVERIFY(!updater.canCheck());
        QTRY_VERIFY(updater.canCheck());
        QCOMPARE(canCheck, (QList<QVariantList>{{false}, {true}}));
        QCOMPARE(server.hits(QString::fromLatin1(path)), 1);
        QCOMPARE(f.log.size(), outcome.isEmpty() ? 0 : 1);
        QVERIFY2(f.log.join(QString()).contains(outcome), qPrintable(f.log.join(QString())));
    }

    void onlyAVerifiedPackageIsHandedOn_data() {
        QTest::addColumn<QByteArray>("served");
        QTest::addColumn<qsizetype>("sent");  // bytes sent before hanging up; -1 for all
        QTest::addColumn<qint64>("promised"); // length in the feed
        QTest::addColumn<QByteArray>("signedData");
        QTest::addColumn<QString>("outcome");
        const QByteArray package = QByteArray(300000, 'p') + "end";
        const qint64 size = package.size();
        QTest::newRow("good") << package << qsizetype(-1) << size << package << "/p.deb";
        QTest::newRow("truncated") << package << qsizetype(1000) << size << package << "broke off";
        QTest::newRow("wrong signature")
            << package << qsizetype(-1) << size << QByteArray("another package") << "signature";
        QTest::newRow("more than promised")
            << package << qsizetype(-1) << size - 1 << package << "more data than expected";
        QTest::newRow("less than promised")
            << package << qsizetype(-1) << size + 1 << package << "bytes long instead of";
    }
    void onlyAVerifiedPackageIsHandedOn() {
        QFETCH(QByteArray, served);
        QFETCH(qsizetype, sent);
        QFETCH(qint64, promised);
        QFETCH(QByteArray, signedData);
        QFETCH(QString, outcome);
        Fixture f;
        f.server.answer("/p.deb", served, sent);
        AppcastItem update;
        update.url = f.server.url(QStringLiteral("/p.deb"));
        update.length = promised;
        update.signature = QByteArray::fromBase64(f.key.sign(signedData));
        QSignalSpy progress(&f.updater, &Updater::downloadProgress);
        f.updater.install(update);
        QVERIFY(!f.updater.canCheck());
        QTRY_VERIFY(f.updater.canCheck());
        QCOMPARE(f.log.size(), 1);
        QVERIFY2(f.log.front().contains(outcome), qPrintable(f.log.front()));
        const QStringList kept = QDir(f.downloads()).entryList(QDir::Files);
        const bool good = outcome.startsWith('/');
        QCOMPARE(kept.size(), good ? 1 : 0); // a refused download is deleted
        if (!good) return;
        QFile file(f.log.front());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), served);
        QCOMPARE(progress.last().at(1).toLongLong(), promised);
    }

    void aPackageFromAnInsecureAddressIsNotFetched() {
        Fixture f;
        AppcastItem update;
        update.url = QUrl("http://updates.example.invalid/p.deb");
        update.length = 10;
        f.updater.install(update);
        QTRY_VERIFY(f.updater.canCheck());
        QVERIFY(f.log.value(0).contains("secure connection (HTTPS)"));
    }

    void onlyABuildWithAFeedHasUpdates() {
        Fixture f;
        QCOMPARE(SoftwareUpdates::forThisBuild(f.prefs) != nullptr,
                 !QString(HANDWICK_UPDATE_FEED).isEmpty());
    }

    void automaticChecksAreAskedAboutOnTheSecondLaunch() {
        Fixture f;
        QSignalSpy asked(&f.updater, &Updater::askAutomaticChecks);
        f.updater.start();
        QCOMPARE(asked.count(), 0);
        f.updater.start(); // the second launch
        QCOMPARE(asked.count(), 1);
        f.updater.answerAutomaticChecks(false);
        f.updater.start();
        QCOMPARE(asked.count(), 1); // answered once, for good
        QVERIFY(f.prefs.updateChecksAsked() && !f.prefs.autoCheckUpdates());
    }

    void theDailyCheckIsDueADayAfterTheLast_data() {
        QTest::addColumn<qint64>("hoursAgo"); // -1 for never
        QTest::addColumn<qint64>("dueInHours");
        QTest::newRow("never checked") << qint64(-1) << qint64(0);
        QTest::newRow("two hours ago") << qint64(2) << qint64(22);
        QTest::newRow("two days ago") << qint64(48) << qint64(0);
        QTest::newRow("in the future (clock set back)") << qint64(-5) << qint64(0);
    }
    void theDailyCheckIsDueADayAfterTheLast() {
        QFETCH(qint64, hoursAgo);
        QFETCH(qint64, dueInHours);
        const QDateTime now = QDateTime::currentDateTime();
        const QDateTime last = hoursAgo == -1 ? QDateTime() : now.addSecs(-hoursAgo * 3600);
        QCOMPARE(Updater::msUntilDue(last, now), dueInHours * 3600 * 1000);
    }

    void theOfferShowsInertNotesAndItsButtonsWork() {
        Fixture f;
        const QByteArray package = "a package";
        f.server.answer("/p.deb", package);
        const QString image = f.dir.filePath(QStringLiteral("local.png"));
        QImage(400, 300, QImage::Format_ARGB32).save(image);
        const QString notes =
            QStringLiteral(
                "<p>Faster hands</p><script>alert('x')</script><img src=\"%1\"><img src=\"%2\">")
                .arg(image, f.server.url("/remote.png").toString());
        f.server.answer(
            "/feed", feed(item("1.2", f.server.url("/p.deb"), package.size(), f.key.sign(package),
                               "<description><![CDATA[" + notes + "]]></description>")));
        QUrl opened;
        UpdatePrompts prompts(f.updater, [&](const QUrl& url) { return (opened = url), true; });
        f.updater.checkNow();
        QTRY_VERIFY(prompts.dialog() && prompts.dialog()->isVisible());
        UpdateDialog* dialog = prompts.dialog();
        QTextDocument* document = dialog->notes()->document();
        QCOMPARE(document->toPlainText().trimmed().left(12), QStringLiteral("Faster hands"));
        QVERIFY(!document->toPlainText().contains("alert"));
        // Laid out, the notes are a line of text: the 400 × 300 local picture
        // was not read, and nothing was fetched.
        QVERIFY(document->size().height() < 300);
        QCOMPARE(f.server.hits("/remote.png"), 0);

        dialog->skipButton()->click();
        QCOMPARE(f.prefs.skippedVersion(), QStringLiteral("1.2"));
        QVERIFY(!dialog->isVisible());
        f.updater.checkNow(); // asked for: a skipped version is offered again
        QTRY_VERIFY(dialog->isVisible());
        f.updater.checkNow(); // asked once more while the offer is open: installing still works
        dialog->installButton()->click();
        QVERIFY(!f.updater.canCheck());
        QTRY_VERIFY(!opened.isEmpty());
        QVERIFY(!dialog->isVisible());
        QCOMPARE(opened.toLocalFile(), QDir(f.downloads()).filePath("p.deb"));
    }
};

QTEST_MAIN(TestUpdates)
#include "test_updates.moc"
