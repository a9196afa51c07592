#include "prefs/Prefs.h"
#include "prefs/SettingsWriter.h"
#include "prefs/StoredValue.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {
// The keys are the property names; they are what the settings file holds.
constexpr const char* kHandID = "handID";
constexpr const char* kLaser = "laser";
constexpr const char* kHandSize = "handSize";
constexpr const char* kTool = "tool";
constexpr const char* kColor = "color";
constexpr const char* kPenWidth = "penWidth";
constexpr const char* kFadeAfter = "fadeAfter";
constexpr const char* kSound = "sound";
constexpr const char* kMuted = "muted";
constexpr const char* kVolume = "volume";
constexpr const char* kShowToolbar = "showToolbar";
constexpr const char* kSpotlight = "spotlight";
constexpr const char* kSpotlightRadius = "spotlightRadius";
constexpr const char* kSway = "sway";
constexpr const char* kWelcomed = "welcomed";
constexpr const char* kLaunchedBefore = "launchedBefore";
constexpr const char* kUpdateChecksAsked = "updateChecksAsked";
constexpr const char* kAutoCheckUpdates = "autoCheckUpdates";
constexpr const char* kLastUpdateCheck = "lastUpdateCheck";
constexpr const char* kSkippedVersion = "skippedVersion";

template <typename T> QVariant toStored(const T& value) {
    if constexpr (std::is_enum_v<T>)
        return rawValue(value);
    else
        return QVariant::fromValue(value);
}
} // namespace

QString Prefs::defaultFile() {
    const QSettings probe(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Handwick"),
                          QStringLiteral("Handwick"));
    return probe.fileName();
}

Prefs::Prefs(const QString& iniPath, QObject* parent) : QObject(parent) {
    // A FIFO would hang the start, and writing through a link to a device
    // would replace the device: only a regular file (or none yet) is used.
    const QFileInfo file(iniPath);
    if (file.exists() && !file.isFile()) {
        setProblem(tr("The settings file %1 is not a regular file, so Handwick uses its "
                      "defaults and saves no changes.")
                       .arg(QDir::toNativeSeparators(iniPath)));
        return;
    }
    load(QSettings(iniPath, QSettings::IniFormat));
    m_writer = std::make_unique<SettingsWriter>(iniPath);
    connect(m_writer.get(), &SettingsWriter::written, this, [this](bool ok) {
        if (!ok) tellWriteFailed();
    });
}

void Prefs::waitForWrites() {
    if (m_writer) m_writer->finish();
}

void Prefs::setProblem(const QString& problem) {
    if (!m_problem.isEmpty()) return; // said once is enough
    m_problem = problem;
    emit problemChanged();
}

void Prefs::tellWriteFailed() {
    const QFileInfo folder(QFileInfo(m_writer->path()).absolutePath());
    const QString why = folder.isDir() && !folder.isWritable()
                            ? tr("its folder is not writable")
                            : tr("the disk may be full or the folder cannot be made");
    setProblem(tr("Handwick cannot save its settings to %1: %2. Changes last until Handwick "
                  "quits.")
                   .arg(QDir::toNativeSeparators(m_writer->path()), why));
}

// Whatever was set is on disk before the settings go.
Prefs::~Prefs() = default;

void Prefs::load(const QSettings& s) {
    // Each value is read on its own: one damaged entry never spoils the others,
    // and nothing is written back, so an unknown text stays until next set.
    m_handID = StoredValue::text(s.value(kHandID), m_handID);
    m_laser = StoredValue::flag(s.value(kLaser), m_laser);
    m_handSize = StoredValue::choice(s.value(kHandSize), m_handSize);
    m_tool = StoredValue::choice(s.value(kTool), m_tool);
    m_color = StoredValue::choice(s.value(kColor), m_color);
    m_penWidth = StoredValue::number(s.value(kPenWidth), m_penWidth);
    m_fadeAfter = StoredValue::number(s.value(kFadeAfter), m_fadeAfter);
    m_sound = StoredValue::choice(s.value(kSound), m_sound);
    m_muted = StoredValue::flag(s.value(kMuted), m_muted);
    m_volume = StoredValue::number(s.value(kVolume), m_volume);
    m_showToolbar = StoredValue::flag(s.value(kShowToolbar), m_showToolbar);
    m_spotlight = StoredValue::flag(s.value(kSpotlight), m_spotlight);
    m_spotlightRadius = StoredValue::number(s.value(kSpotlightRadius), m_spotlightRadius);
    m_sway = StoredValue::flag(s.value(kSway), m_sway);
    m_welcomed = StoredValue::flag(s.value(kWelcomed), m_welcomed);
    m_launchedBefore = StoredValue::flag(s.value(kLaunchedBefore), m_launchedBefore);
    m_updateChecksAsked = StoredValue::flag(s.value(kUpdateChecksAsked), m_updateChecksAsked);
    m_autoCheckUpdates = StoredValue::flag(s.value(kAutoCheckUpdates), m_autoCheckUpdates);
    m_lastUpdateCheck = StoredValue::number(s.value(kLastUpdateCheck), m_lastUpdateCheck);
    m_skippedVersion = StoredValue::text(s.value(kSkippedVersion), m_skippedVersion);
}

template <typename T>
void Prefs::assign(T& field, T value, const char* key, void (Prefs::*changed)()) {
    bool differs;
    if constexpr (std::is_floating_point_v<T>)
        // Numerically: NaN never equals itself, but storing NaN over NaN is no change.
        differs = !(field == value || (field != field && value != value));
    else
        differs = !(field == value);
    field = value;
    // Written even when unchanged, off this thread, moments from now.
    if (m_writer) m_writer->write({{QLatin1String(key), toStored(value)}});
    if (differs) emit(this->*changed)();
}

void Prefs::setHandID(const QString& v) {
    assign(m_handID, v, kHandID, &Prefs::handIDChanged);
}
void Prefs::setLaser(bool v) {
    assign(m_laser, v, kLaser, &Prefs::laserChanged);
}
void Prefs::setHandSize(HandSize v) {
    assign(m_handSize, v, kHandSize, &Prefs::handSizeChanged);
}
void Prefs::setTool(Tool v) {
    assign(m_tool, v, kTool, &Prefs::toolChanged);
}
void Prefs::setColor(InkColor v) {
    assign(m_color, v, kColor, &Prefs::colorChanged);
}
void Prefs::setPenWidth(double v) {
    assign(m_penWidth, v, kPenWidth, &Prefs::penWidthChanged);
}
void Prefs::setFadeAfter(double v) {
    assign(m_fadeAfter, v, kFadeAfter, &Prefs::fadeAfterChanged);
}
void Prefs::setSound(TapSound v) {
    assign(m_sound, v, kSound, &Prefs::soundChanged);
}
void Prefs::setMuted(bool v) {
    assign(m_muted, v, kMuted, &Prefs::mutedChanged);
}
void Prefs::setVolume(double v) {
    assign(m_volume, v, kVolume, &Prefs::volumeChanged);
}
void Prefs::setShowToolbar(bool v) {
    assign(m_showToolbar, v, kShowToolbar, &Prefs::showToolbarChanged);
}
void Prefs::setSpotlight(bool v) {
    assign(m_spotlight, v, kSpotlight, &Prefs::spotlightChanged);
}
void Prefs::setSpotlightRadius(double v) {
    assign(m_spotlightRadius, v, kSpotlightRadius, &Prefs::spotlightRadiusChanged);
}
void Prefs::setSway(bool v) {
    assign(m_sway, v, kSway, &Prefs::swayChanged);
}
void Prefs::setWelcomed(bool v) {
    assign(m_welcomed, v, kWelcomed, &Prefs::welcomedChanged);
}

void Prefs::setLaunchedBefore(bool v) {
    assign(m_launchedBefore, v, kLaunchedBefore, &Prefs::launchedBeforeChanged);
}
void Prefs::setUpdateChecksAsked(bool v) {
    assign(m_updateChecksAsked, v, kUpdateChecksAsked, &Prefs::updateChecksAskedChanged);
}
void Prefs::setAutoCheckUpdates(bool v) {
    assign(m_autoCheckUpdates, v, kAutoCheckUpdates, &Prefs::autoCheckUpdatesChanged);
}
void Prefs::setLastUpdateCheck(double v) {
    assign(m_lastUpdateCheck, v, kLastUpdateCheck, &Prefs::lastUpdateCheckChanged);
}
void Prefs::setSkippedVersion(const QString& v) {
    assign(m_skippedVersion, v, kSkippedVersion, &Prefs::skippedVersionChanged);
}
