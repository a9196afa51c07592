// The settings window: every control writes through to the settings and
// follows changes made elsewhere; ranges, dimmed rows, tab sizes, the About
// tab and the import of your own hand as the Hands tab shows it.
#include "../overlay/OverlayTestKit.h"
#include "SyntheticHandPhoto.h"
#include "handart/CustomHand.h"
#include "handart/HandChoice.h"
#include "handart/HandSprites.h"
#include "platform/LoginItem.h"
#include "ui/HandGrid.h"
#include "ui/settings/AboutSettings.h"
#include "ui/settings/HandSettings.h"
#include "ui/settings/SettingsWindowController.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <functional>

struct Setup {
    PrivatePrefs settings;
    Prefs& prefs = settings.prefs;
    CustomHand custom{settings.dir.filePath("hand.png")};
    bool followed = (HandChoice::follow(custom, prefs), true);
    HandSprites sprites{custom};
    LoginItem login{settings.dir.filePath("autostart/handwick.desktop"), "/usr/bin/handwick"};
    TapRecorder previews;
    QAction update{"update"};
    SettingsWindowController window{{prefs, sprites, custom, login, previews.player(), &update}};

    template <typename T> T* find(const char* name) { return window.findChild<T*>(name); }
    RealSlider* slider(const char* name) { return find<RealSlider>(name); }
};

// One control's two-way binding: what the test does to it, what must then be
// stored; what the settings change to, what the control must then show.
struct Binding {
    const char* name;
    std::function<void(Setup&)> setControl;
    std::function<bool(const Prefs&)> stored;
    std::function<void(Prefs&)> setPrefs;
    std::function<bool(Setup&)> shown;
};

class TestSettings : public QObject {
    Q_OBJECT
    std::unique_ptr<Setup> s;

    static QList<Binding> bindings() {
        const auto check = [](const char* name, bool on) {
            return [=](Setup& s) { s.find<QCheckBox>(name)->setChecked(on); };
        };
        const auto checked = [](const char* name) {
            return [=](Setup& s) { return s.find<QCheckBox>(name)->isChecked(); };
        };
        return {
            {"showToolbar", check("showToolbar", false), [](auto& p) { return !p.showToolbar(); },
             [](auto& p) { p.setShowToolbar(true); }, checked("showToolbar")},
            {"sway", check("sway", false), [](auto& p) { return !p.sway(); },
             [](auto& p) { p.setSway(true); }, checked("sway")},
            {"tapSound", check("tapSound", false), [](auto& p) { return p.muted(); },
             [](auto& p) { p.setMuted(false); }, checked("tapSound")},
            {"handSize", [](Setup& s) { s.find<SegmentedPicker>("handSize")->segment(0)->click(); },
             [](auto& p) { return p.handSize() == HandSize::small; },
             [](auto& p) { p.setHandSize(HandSize::large); },
             [](Setup& s) { return s.find<SegmentedPicker>("handSize")->currentIndex() == 2; }},
            {"sound", [](Setup& s) { s.find<QComboBox>("sound")->setCurrentIndex(3); },
             [](auto& p) { return p.sound() == TapSound::knock; },
             [](auto& p) { p.setSound(TapSound::chime); },
             [](Setup& s) { return s.find<QComboBox>("sound")->currentIndex() == 5; }},
            {"volume", [](Setup& s) { s.slider("volume")->setValue(250); },
             [](auto& p) { return qFuzzyCompare(p.volume(), 0.25); },
             [](auto& p) { p.setVolume(0.8); },
             [](Setup& s) { return s.slider("volume")->realValue() == 0.8; }},
            {"penWidth", [](Setup& s) { s.slider("penWidth")->setValue(9); },
             [](auto& p) { return p.penWidth() == 9; }, [](auto& p) { p.setPenWidth(12); },
             [](Setup& s) { return s.slider("penWidth")->realValue() == 12; }},
            {"fadeAfter", [](Setup& s) { s.find<QComboBox>("fadeAfter")->setCurrentIndex(3); },
             [](auto& p) { return p.fadeAfter() == 8; }, [](auto& p) { p.setFadeAfter(2); },
             [](Setup& s) { return s.find<QComboBox>("fadeAfter")->currentIndex() == 1; }},
            {"spotlightRadius", [](Setup& s) { s.slider("spotlightRadius")->setValue(2005); },
             [](auto& p) { return p.spotlightRadius() == 200.5; },
             [](auto& p) { p.setSpotlightRadius(300); },
             [](Setup& s) { return s.slider("spotlightRadius")->realValue() == 300; }},
            {"color", [](Setup& s) { s.find<QAbstractButton>("swatch-sky")->click(); },
             [](auto& p) { return p.color() == InkColor::sky; }, nullptr, nullptr},
        };
    }

  private slots:
    void init() { s = std::make_unique<Setup>(); }
    void cleanup() { s.reset(); }

    void everyControlIsBoundBothWays() {
        for (const Binding& b : bindings()) {
            b.setControl(*s);
            QVERIFY2(b.stored(s->prefs), b.name);
            if (!b.setPrefs) continue;
            b.setPrefs(s->prefs);
            QVERIFY2(b.shown(*s), b.name);
        }
    }

    void rangesAndSteps() {
        const struct {
            const char* name;
            double min, max, step;
        } ranges[] = {
            {"volume", 0.1, 1.0, 0.001}, {"penWidth", 2, 14, 1}, {"spotlightRadius", 80, 320, 0.1}};
        for (const auto& r : ranges) {
            RealSlider* slider = s->slider(r.name);
            QVERIFY2(slider->realMinimum() == r.min && slider->realMaximum() == r.max, r.name);
            slider->setValue(slider->minimum() + 1);
            QVERIFY2(qFuzzyCompare(slider->realValue(), r.min + r.step), r.name);
            slider->setValue(slider->minimum() - 50); // cannot go below the range
            QVERIFY2(slider->realValue() == r.min, r.name);
        }
    }

    // Muted, the picker and the slider are dimmed; a chosen sound is heard once
    // at the current volume, a moved slider plays nothing.
    void soundPickerAndVolumeFollowTheMuteSwitch() {
        auto* sound = s->find<QComboBox>("sound");
        RealSlider* volume = s->slider("volume");
        s->prefs.setMuted(true);
        QVERIFY(!sound->isEnabledTo(&s->window) && !volume->isEnabledTo(&s->window));
        s->find<QCheckBox>("tapSound")->setChecked(true);
        QVERIFY(!s->prefs.muted());
        QVERIFY(sound->isEnabledTo(&s->window) && volume->isEnabledTo(&s->window));

        s->prefs.setVolume(0.4);
        volume->setValue(700);
        QVERIFY(s->previews.taps.empty());
        sound->setCurrentIndex(2);
        emit sound->activated(2);
        QCOMPARE(s->previews.taps.size(), size_t(1));
        QCOMPARE(s->previews.taps.front().first, TapSound::boop);
        QCOMPARE(s->previews.taps.front().second, 0.7);
    }

    void aStoredFadeDelayOutsideTheChoicesSelectsNone() {
        auto* fade = s->find<QComboBox>("fadeAfter");
        s->prefs.setFadeAfter(3);
        QCOMPARE(fade->currentIndex(), -1);
        fade->setCurrentIndex(2);
        QCOMPARE(s->prefs.fadeAfter(), 4.0);
    }

    // The window is as large as the tab beneath its tab buttons, switches at
    // once, and a closed window comes back on the tab it showed.
    void theWindowTakesEachTabsSize() {
        s->window.showAndRaise();
        const int bar = s->window.height() - 520;
        for (SettingsTab tab : SettingsWindowController::order) {
            s->window.findChild<QAbstractButton*>("tab-" + rawValue(tab))->click();
            QCOMPARE(s->window.selected(), tab);
            QCOMPARE(s->window.page(tab)->size(), SettingsWindowController::contentSize(tab));
            QCOMPARE(s->window.size(), SettingsWindowController::contentSize(tab) + QSize(0, bar));
            QCOMPARE(s->window.windowTitle(), title(tab) + " — Handwick");
        }
        QVERIFY(QTest::qWaitForWindowActive(&s->window));
        QTest::keyClick(&s->window, Qt::Key_PageDown, Qt::ControlModifier); // round to the first
        QCOMPARE(s->window.selected(), SettingsTab::general);
        QTest::keyClick(&s->window, Qt::Key_PageUp, Qt::ControlModifier);
        const QPoint where = s->window.pos() + QPoint(30, 20);
        s->window.move(where);
        s->window.close();
        QVERIFY(!s->window.isVisible());
        s->window.showAndRaise();
        QCOMPARE(s->window.selected(), SettingsTab::about);
        QCOMPARE(s->window.pos(), where);
    }

    void aboutShowsTheVersionAndFollowsTheUpdateAction() {
        QVERIFY(QRegularExpression("^Version \\d+\\.\\d+\\.\\d+$")
                    .match(s->find<QLabel>("version")->text())
                    .hasMatch());
        auto* button = s->find<QPushButton>("checkForUpdates");
        QSignalSpy asked(&s->update, &QAction::triggered);
        s->update.setEnabled(false);
        QVERIFY(!button->isEnabled());
        s->update.setEnabled(true);
        button->click();
        QCOMPARE(asked.count(), 1);
        QVERIFY(!AboutSettings(nullptr).findChild<QPushButton*>());
    }

    // A failed import shows why and keeps the hand; a good one shows the
    // picture, Remove, and the hand first in the grid; Remove takes it away.
    void importingAndRemovingYourOwnHand() {
        auto* hands = static_cast<HandSettings*>(s->window.page(SettingsTab::hands));
        s->window.showAndRaise();
        s->window.select(SettingsTab::hands);
        auto* choose = s->find<QPushButton>("choosePhoto");
        auto* remove = s->find<QPushButton>("removePhoto");
        const QString photo = s->settings.dir.filePath("photo.png");
        QVERIFY(SyntheticHandPhoto::make({}).photo.save(photo));
        QSignalSpy finished(&s->custom, &CustomHand::importFinished);
        hands->importPhoto(photo);
        QVERIFY(s->find<QProgressBar>("importBusy")->isVisible());
        QVERIFY(finished.wait(20000));
        QVERIFY(!s->find<QProgressBar>("importBusy")->isVisible());
        QCOMPARE(choose->text(), QStringLiteral("Choose Another Photo…"));
        QVERIFY(remove->isVisible() && s->find<QLabel>("customPicture")->isVisible());
        QCOMPARE(s->find<HandGrid>("handGrid")->ids().front(), QStringLiteral("custom"));
        QCOMPARE(s->prefs.handID(), QStringLiteral("custom"));

        const QString junk = s->settings.dir.filePath("notes.jpg");
        QFile(junk).open(QIODevice::WriteOnly);
        hands->importPhoto(junk);
        QVERIFY(finished.wait(20000));
        QVERIFY(s->find<QLabel>("importError")->isVisible());
        QCOMPARE(s->find<QLabel>("importError")->text(), s->custom.error());
        QVERIFY(s->custom.hasImage() && remove->isVisible());
        QCOMPARE(s->prefs.handID(), QStringLiteral("custom"));

        remove->click();
        QCOMPARE(choose->text(), QStringLiteral("Choose Photo…"));
        QVERIFY(!remove->isVisible() && !QFile::exists(s->custom.file()));
        QVERIFY(HandSettings::pictureFilter().contains("*.png"));
        QVERIFY(HandSettings::pictureFilter().contains("*.HEIC"));
        QVERIFY(!HandSettings::pictureFilter().contains("*.svg"));
    }
};

QTEST_MAIN(TestSettings)
#include "test_settings.moc"
