#include "handart/HandSkin.h"

#include <QTemporaryDir>
#include <QTest>

class TestHandSkin : public QObject {
    Q_OBJECT

    static Rgba rgb(int r, int g, int b, double a = 1) {
        return {r / 255.0, g / 255.0, b / 255.0, a};
    }

    QTemporaryDir m_data;

  private slots:
    // No custom hand from the real data folder may leak in.
    void initTestCase() { qputenv("XDG_DATA_HOME", m_data.path().toLocal8Bit()); }

    void catalogueHasNineteenSkinsInPickerOrder() {
        QStringList ids;
        for (const HandSkin& skin : HandSkin::all())
            ids << skin.id;
        QCOMPARE(ids, QStringList({"classic", "warm", "cobalt", "light", "tan", "deep", "mint",
                                   "lavender", "lemon", "coral", "night", "gold", "chrome", "candy",
                                   "ocean", "neon", "pixel", "ghost", "robot"}));
        QCOMPARE(HandSkin::classic().id, QStringLiteral("classic"));
        for (const HandSkin& skin : HandSkin::all())
            QCOMPARE(skin.name(), skin.id.left(1).toUpper() + skin.id.mid(1));
    }

    void coloursAreExactFractionsOf255() {
        const HandSkin& classic = HandSkin::classic();
        QCOMPARE(classic.fill, (std::vector{rgb(255, 255, 255), rgb(237, 237, 240)}));
        QCOMPARE(classic.fill[1].r, 0.9294117647058824);
        QCOMPARE(classic.outline, rgb(29, 29, 31));
        QCOMPARE(classic.stick, HandSkin::wood);
        QCOMPARE(HandSkin::wood, rgb(183, 129, 74));

        const HandSkin gold = *HandSkin::find("gold");
        QCOMPARE(gold.fill.size(), size_t(4));
        QCOMPARE(gold.fill[2], rgb(184, 134, 11));
        QCOMPARE(*gold.cuff, (std::vector{rgb(255, 255, 255), rgb(244, 231, 192)}));

        const HandSkin neon = *HandSkin::find("neon");
        QCOMPARE(neon.fill, std::vector{rgb(16, 19, 26, 0.82)});
        QCOMPARE(neon.style, HandSkin::Style::neon);
        QVERIFY(!neon.gloss);
        QCOMPARE(HandSkin::find("ghost")->outline, rgb(255, 255, 255, 0.95));
        QCOMPARE(HandSkin::find("robot")->style, HandSkin::Style::robot);
    }

    void onlyTheSkinTonesAndGhostGoWithoutACuff() {
        QStringList bare;
        for (const HandSkin& skin : HandSkin::all())
            if (!skin.cuff) bare << skin.id;
        QCOMPARE(bare, QStringList({"warm", "light", "tan", "deep", "ghost"}));
    }

    void customBorrowsFromClassic() {
        const HandSkin& custom = HandSkin::custom();
        QCOMPARE(custom.id, QStringLiteral("custom"));
        QCOMPARE(custom.fill, std::vector{HandSkin::classic().fill.front()});
        QCOMPARE(custom.outline, HandSkin::classic().outline);
        QCOMPARE(custom.stick, HandSkin::wood);
        QVERIFY(!custom.cuff && !custom.gloss);
        for (const HandSkin& skin : HandSkin::all())
            QVERIFY(skin.id != custom.id);
    }

    void findMatchesWholeIdsExactly_data() {
        QTest::addColumn<QString>("id");
        QTest::addColumn<bool>("found");
        QTest::newRow("classic") << "classic" << true;
        QTest::newRow("robot") << "robot" << true;
        QTest::newRow("capitalised") << "Classic" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("prefix") << "class" << false;
        QTest::newRow("retired id") << "sparkle" << false;
        QTest::newRow("custom without a photo") << "custom" << false;
    }
    void findMatchesWholeIdsExactly() {
        QFETCH(QString, id);
        QFETCH(bool, found);
        const auto skin = HandSkin::find(id);
        QCOMPARE(skin.has_value(), found);
        if (found) QCOMPARE(skin->id, id);
        QCOMPARE(HandSkin::all().size(), size_t(19));
    }

    void names_data() {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("name");
        QTest::newRow("catalogue") << "classic"
                                   << "Classic";
        QTest::newRow("last") << "robot"
                              << "Robot";
        QTest::newRow("custom") << "custom"
                                << "Your Hand";
        QTest::newRow("unknown words") << "big HAND"
                                       << "Big Hand";
        QTest::newRow("hyphenated") << "old-school"
                                    << "Old-School";
        QTest::newRow("digits") << "3d look"
                                << "3d Look";
        QTest::newRow("empty") << ""
                               << "";
    }
    void names() {
        QFETCH(QString, id);
        QFETCH(QString, name);
        HandSkin skin = HandSkin::classic();
        skin.id = id;
        QCOMPARE(skin.name(), name);
    }
};

QTEST_GUILESS_MAIN(TestHandSkin)
#include "test_handskin.moc"
