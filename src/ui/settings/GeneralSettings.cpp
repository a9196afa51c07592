#include "ui/settings/GeneralSettings.h"
#include "platform/LoginItem.h"
#include "prefs/Prefs.h"

#include <QCheckBox>
#include <QComboBox>

namespace {
QCheckBox* toggle(const QString& name, QWidget* parent) {
    auto* box = new QCheckBox(parent);
    box->setObjectName(name);
    return box;
}

// Lines break only after a separator, never inside "L laser".
QString keepItemsWhole(const QString& list) {
    QStringList items = list.split(QStringLiteral(" · "));
    for (QString& item : items)
        item.replace(u' ', QChar::Nbsp);
    return items.join(QStringLiteral("\u00A0· "));
}

QLabel* keys(const QString& text, QWidget* parent) {
    auto* label = new SecondaryLabel(text, parent);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}
// As this desktop's language writes keys ("Strg+Alt+H" in German).
QString nativeKeys(const char* keys) {
    return QKeySequence(QString::fromLatin1(keys)).toString(QKeySequence::NativeText);
}
} // namespace

GeneralSettings::GeneralSettings(Prefs& prefs, LoginItem& loginItem, Preview preview,
                                 QWidget* parent)
    : FormPage(parent), m_prefs(prefs), m_loginItem(loginItem), m_preview(std::move(preview)) {
    FormSection* top = addSection();
    m_atLogin = toggle(QStringLiteral("openAtLogin"), this);
    top->addRow(tr("Open at login"), m_atLogin);
    connect(m_atLogin, &QCheckBox::toggled, this, [this](bool on) {
        m_loginItem.setEnabled(on);
        showLoginItem(); // what the desktop now holds, also when the write failed
    });
    auto* toolbar = toggle(QStringLiteral("showToolbar"), this);
    top->addRow(tr("Show the toolbar while pointing"), toolbar);
    connect(toolbar, &QCheckBox::toggled, &prefs, &Prefs::setShowToolbar);

    FormSection* pointer = addSection(tr("Pointer"));
    QStringList sizes;
    for (HandSize size : allCases<HandSize>())
        sizes << title(size);
    auto* handSize = new SegmentedPicker(sizes, this);
    handSize->setObjectName(QStringLiteral("handSize"));
    pointer->addRow(tr("Hand size"), handSize);
    connect(handSize, &SegmentedPicker::picked, &prefs,
            [&prefs](int index) { prefs.setHandSize(allCases<HandSize>().at(index)); });
    auto* sway = toggle(QStringLiteral("sway"), this);
    pointer->addRow(tr("Stick sways when you move"), sway);
    connect(sway, &QCheckBox::toggled, &prefs, &Prefs::setSway);

    FormSection* sound = addSection(tr("Sound"));
    m_tapSound = toggle(QStringLiteral("tapSound"), this);
    sound->addRow(tr("Tap sound"), m_tapSound);
    connect(m_tapSound, &QCheckBox::toggled, &prefs, [&prefs](bool on) { prefs.setMuted(!on); });
    m_sound = new QComboBox(this);
    m_sound->setObjectName(QStringLiteral("sound"));
    for (TapSound each : allCases<TapSound>())
        m_sound->addItem(title(each));
    m_soundRow = sound->addRow(tr("Sound"), m_sound);
    connect(m_sound, &QComboBox::currentIndexChanged, &prefs, [&prefs](int index) {
        if (index >= 0) prefs.setSound(allCases<TapSound>().at(index));
    });
    // Only the user's own choice is heard, once, at the volume it will play at.
    connect(m_sound, &QComboBox::activated, this, [this](int index) {
        if (index >= 0 && m_preview) m_preview(allCases<TapSound>().at(index), m_prefs.volume());
    });
    m_volume = new RealSlider(0.1, 1.0, 1000, this);
    m_volume->setObjectName(QStringLiteral("volume"));
    m_volumeRow = sound->addRow(tr("Volume"), m_volume);
    connect(m_volume, &RealSlider::realValueChanged, &prefs, &Prefs::setVolume);

    addShortcuts();
    finish();

    // Every control shows the stored value now and whenever it changes elsewhere.
    const auto showToolbar = [this, toolbar] {
        const QSignalBlocker quiet(toolbar);
        toolbar->setChecked(m_prefs.showToolbar());
    };
    const auto showHandSize = [this, handSize] {
        handSize->showIndex(int(caseIndex(m_prefs.handSize())));
    };
    const auto showSway = [this, sway] {
        const QSignalBlocker quiet(sway);
        sway->setChecked(m_prefs.sway());
    };
    connect(&prefs, &Prefs::showToolbarChanged, this, showToolbar);
    connect(&prefs, &Prefs::handSizeChanged, this, showHandSize);
    connect(&prefs, &Prefs::swayChanged, this, showSway);
    connect(&prefs, &Prefs::mutedChanged, this, &GeneralSettings::showSound);
    connect(&prefs, &Prefs::soundChanged, this, &GeneralSettings::showSound);
    connect(&prefs, &Prefs::volumeChanged, this, &GeneralSettings::showSound);
    showToolbar();
    showHandSize();
    showSway();
    showSound();
    showLoginItem();
}

void GeneralSettings::addShortcuts() {
    FormSection* shortcuts = addSection(tr("Shortcuts"));
    shortcuts->addRow(tr("Pointer on or off"), keys(nativeKeys("Ctrl+Alt+H"), this));
    shortcuts->addRow(tr("Clear the drawing"), keys(nativeKeys("Ctrl+Alt+X"), this));
    shortcuts->addRow(tr("Spotlight"), keys(nativeKeys("Ctrl+Alt+S"), this));
    QLabel* whilePointing =
        keys(keepItemsWhole(tr("Esc off · Ctrl+Z undo · Backspace clear · L laser · S spotlight · "
                               "1 to 5 tools · T toolbar")),
             this);
    whilePointing->setWordWrap(true);
    whilePointing->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    whilePointing->setFixedWidth(290);
    shortcuts->addRow(tr("While pointing"), whilePointing);
}

void GeneralSettings::showEvent(QShowEvent* event) {
    showLoginItem();
    FormPage::showEvent(event);
}

void GeneralSettings::showLoginItem() {
    const QSignalBlocker quiet(m_atLogin);
    m_atLogin->setChecked(m_loginItem.isEnabled());
}

void GeneralSettings::showSound() {
    const bool muted = m_prefs.muted();
    {
        const QSignalBlocker quiet(m_tapSound);
        m_tapSound->setChecked(!muted);
    }
    {
        const QSignalBlocker quiet(m_sound);
        m_sound->setCurrentIndex(int(caseIndex(m_prefs.sound())));
    }
    m_volume->showValue(m_prefs.volume());
    // The picker and the slider mean nothing while no tap is heard.
    m_soundRow->setEnabled(!muted);
    m_volumeRow->setEnabled(!muted);
}
