#pragma once
// Shared by the drawing tests: settings in a private folder, reset per test.
#include "prefs/Prefs.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

namespace DrawingFixture {
inline void resetPrefs() {
    Prefs& p = Prefs::shared();
    p.setTool(Tool::pen);
    p.setColor(InkColor::coral);
    p.setPenWidth(5);
    p.setFadeAfter(0);
    p.setSound(TapSound::pop);
    p.setMuted(false);
    p.setVolume(0.6);
    p.setLaser(false);
    p.setShowToolbar(true);
    p.setSpotlight(false);
}
} // namespace DrawingFixture

// The settings file must not be the user's: point the config folder at a
// temporary one before anything reads it.
#define DRAWING_TEST_MAIN(TestClass)                                                               \
    int main(int argc, char** argv) {                                                              \
        QTemporaryDir config;                                                                      \
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());                                        \
        QApplication app(argc, argv);                                                              \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
