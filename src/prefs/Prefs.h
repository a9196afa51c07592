#pragma once
// The one settings object. Every property is written under its own key each
// time it is set (also when unchanged), moments later and on a thread of its
// own, so no key press waits on the disk; the file is replaced whole, so a
// killed process never leaves it broken. The change signal fires only when
// the value really changes.
//
// Registered defaults live in memory and are never written. The file keeps
// every number exactly as it was set or edited; the getters hand out safe
// values (finite, in range, see SafeNumbers.h), so no caller clamps again.

#include "common/SafeNumbers.h"
#include "prefs/HandSize.h"
#include "prefs/InkColor.h"
#include "prefs/Tool.h"
#include "sound/TapSound.h"
#include <QObject>
#include <QString>
#include <memory>

class QSettings;
class SettingsWriter;

class Prefs : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString handID READ handID WRITE setHandID NOTIFY handIDChanged)
    Q_PROPERTY(bool laser READ laser WRITE setLaser NOTIFY laserChanged)
    Q_PROPERTY(HandSize handSize READ handSize WRITE setHandSize NOTIFY handSizeChanged)
    Q_PROPERTY(Tool tool READ tool WRITE setTool NOTIFY toolChanged)
    Q_PROPERTY(InkColor color READ color WRITE setColor NOTIFY colorChanged)
    Q_PROPERTY(double penWidth READ penWidth WRITE setPenWidth NOTIFY penWidthChanged)
    Q_PROPERTY(double fadeAfter READ fadeAfter WRITE setFadeAfter NOTIFY fadeAfterChanged)
    Q_PROPERTY(TapSound sound READ sound WRITE setSound NOTIFY soundChanged)
    Q_PROPERTY(bool muted READ muted WRITE setMuted NOTIFY mutedChanged)
    Q_PROPERTY(double volume READ volume WRITE setVolume NOTIFY volumeChanged)
    Q_PROPERTY(bool showToolbar READ showToolbar WRITE setShowToolbar NOTIFY showToolbarChanged)
    Q_PROPERTY(bool spotlight READ spotlight WRITE setSpotlight NOTIFY spotlightChanged)
    Q_PROPERTY(double spotlightRadius READ spotlightRadius WRITE setSpotlightRadius NOTIFY
                   spotlightRadiusChanged)
    Q_PROPERTY(bool sway READ sway WRITE setSway NOTIFY swayChanged)
    Q_PROPERTY(bool welcomed READ welcomed WRITE setWelcomed NOTIFY welcomedChanged)
    Q_PROPERTY(QString problem READ problem NOTIFY problemChanged)
    // Software updates; only a build with an update feed reads or writes these.
    Q_PROPERTY(bool launchedBefore READ launchedBefore WRITE setLaunchedBefore NOTIFY
                   launchedBeforeChanged)
    Q_PROPERTY(bool updateChecksAsked READ updateChecksAsked WRITE setUpdateChecksAsked NOTIFY
                   updateChecksAskedChanged)
    Q_PROPERTY(bool autoCheckUpdates READ autoCheckUpdates WRITE setAutoCheckUpdates NOTIFY
                   autoCheckUpdatesChanged)
    Q_PROPERTY(double lastUpdateCheck READ lastUpdateCheck WRITE setLastUpdateCheck NOTIFY
                   lastUpdateCheckChanged)
    Q_PROPERTY(QString skippedVersion READ skippedVersion WRITE setSkippedVersion NOTIFY
                   skippedVersionChanged)

  public:
    // The user's settings file: ~/.config/Handwick/Handwick.ini (XDG_CONFIG_HOME honoured).
    static QString defaultFile();

    // A store backed by the given INI file.
    explicit Prefs(const QString& iniPath, QObject* parent = nullptr);
    ~Prefs() override;

    QString handID() const { return m_handID; }
    bool laser() const { return m_laser; }
    HandSize handSize() const { return m_handSize; }
    Tool tool() const { return m_tool; }
    InkColor color() const { return m_color; }
    double penWidth() const { return SafeNumbers::penWidth(m_penWidth); }
    double fadeAfter() const { return SafeNumbers::fadeAfter(m_fadeAfter); }
    TapSound sound() const { return m_sound; }
    bool muted() const { return m_muted; }
    double volume() const { return SafeNumbers::volume(m_volume); }
    bool showToolbar() const { return m_showToolbar; }
    bool spotlight() const { return m_spotlight; }
    double spotlightRadius() const { return SafeNumbers::spotlightRadius(m_spotlightRadius); }
    bool sway() const { return m_sway; }
    bool welcomed() const { return m_welcomed; }

    void setHandID(const QString& value);
    void setLaser(bool value);
    void setHandSize(HandSize value);
    void setTool(Tool value);
    void setColor(InkColor value);
    void setPenWidth(double value);
    void setFadeAfter(double value);
    void setSound(TapSound value);
    void setMuted(bool value);
    void setVolume(double value);
    void setShowToolbar(bool value);
    void setSpotlight(bool value);
    void setSpotlightRadius(double value);
    void setSway(bool value);
    void setWelcomed(bool value);

    // Software updates: whether Handwick has started before, whether the user
    // was asked about automatic checks and what they chose, when the last
    // check began (seconds since 1970, 0 for never), and the version the user
    // chose to skip.
    bool launchedBefore() const { return m_launchedBefore; }
    bool updateChecksAsked() const { return m_updateChecksAsked; }
    bool autoCheckUpdates() const { return m_autoCheckUpdates; }
    double lastUpdateCheck() const { return m_lastUpdateCheck; }
    QString skippedVersion() const { return m_skippedVersion; }
    void setLaunchedBefore(bool value);
    void setUpdateChecksAsked(bool value);
    void setAutoCheckUpdates(bool value);
    void setLastUpdateCheck(double value);
    void setSkippedVersion(const QString& value);

    // Why the settings are not kept on disk (the file is not a regular file,
    // or writing it failed); empty while all is well. Settings then live in
    // memory until Handwick quits.
    QString problem() const { return m_problem; }
    // Blocks until every value set so far is on disk (or its write failed).
    void waitForWrites();

  signals:
    void handIDChanged();
    void laserChanged();
    void handSizeChanged();
    void toolChanged();
    void colorChanged();
    void penWidthChanged();
    void fadeAfterChanged();
    void soundChanged();
    void mutedChanged();
    void volumeChanged();
    void showToolbarChanged();
    void spotlightChanged();
    void spotlightRadiusChanged();
    void swayChanged();
    void welcomedChanged();
    void launchedBeforeChanged();
    void updateChecksAskedChanged();
    void autoCheckUpdatesChanged();
    void lastUpdateCheckChanged();
    void skippedVersionChanged();
    // Once per run at most: the settings cannot be kept on disk.
    void problemChanged();

  private:
    void setProblem(const QString& problem);
    void tellWriteFailed();
    template <typename T> void assign(T& field, T value, const char* key, void (Prefs::*changed)());
    void load(const QSettings& stored);

    std::unique_ptr<SettingsWriter> m_writer;
    QString m_handID = QStringLiteral("classic");
    bool m_laser = false;
    HandSize m_handSize = HandSize::medium;
    Tool m_tool = Tool::pen;
    InkColor m_color = InkColor::coral;
    double m_penWidth = 5.0;
    double m_fadeAfter = 0.0;
    TapSound m_sound = TapSound::pop;
    bool m_muted = false;
    double m_volume = 0.6;
    bool m_showToolbar = true;
    bool m_spotlight = false;
    double m_spotlightRadius = 150.0;
    bool m_sway = true;
    bool m_welcomed = false;
    bool m_launchedBefore = false;
    bool m_updateChecksAsked = false;
    bool m_autoCheckUpdates = false;
    double m_lastUpdateCheck = 0.0;
    QString m_skippedVersion;
    QString m_problem;
};
