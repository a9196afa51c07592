#include "ui/ToolbarView.h"
#include "handart/HandSprites.h"
#include "overlay/InkBoard.h"
#include "overlay/Pointer.h"
#include "prefs/Prefs.h"
#include "ui/Surface.h"
#include "ui/ToolButton.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>

namespace {
constexpr double kHandHeight = 30;
constexpr double kHandScale = 2;
const QColor kLaserTint = QColor::fromRgbF(0.95f, 0.23f, 0.2f);
const QColor kSpotlightTint = QColor::fromRgbF(0.96f, 0.7f, 0.05f);

// A thin upright line between groups of controls, with a little air each side.
class Divider : public QWidget {
  public:
    static constexpr int kPadding = 2;
    static constexpr QSize kLine{1, 20};

    explicit Divider(QWidget* parent) : QWidget(parent) {
        setFixedSize(kLine.width() + 2 * kPadding, kLine.height());
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QColor line = palette().color(QPalette::WindowText);
        line.setAlphaF(0.15f);
        QPainter(this).fillRect(QRect(QPoint(kPadding, 0), kLine), line);
    }
};
} // namespace

ToolbarView::ToolbarView(Prefs& prefs, Pointer& pointer, InkBoard& ink, HandSprites& sprites,
                         QWidget* parent)
    : QWidget(parent), m_prefs(prefs), m_ink(ink), m_sprites(sprites) {
    auto* row = new QHBoxLayout(this);
    row->setSpacing(kSpacing);
    row->setContentsMargins(kMargins);
    row->setSizeConstraint(QLayout::SetFixedSize);

    m_hand = addButton(QStringLiteral("hand"), {}, tr("Choose a hand"));
    connect(m_hand, &QAbstractButton::clicked, this, &ToolbarView::handButtonClicked);

    m_laser = addButton(QStringLiteral("laser"), QStringLiteral("smallcircle.filled.circle"),
                        tr("Laser dot (L)"));
    m_laser->setTint(kLaserTint);
    connect(m_laser, &QAbstractButton::clicked, this,
            [this] { m_prefs.setLaser(!m_prefs.laser()); });
    addDivider();

    for (Tool tool : allCases<Tool>()) {
        auto* button = addButton(rawValue(tool), symbol(tool),
                                 tr("%1 (%2)").arg(title(tool)).arg(numberKey(tool)));
        connect(button, &QAbstractButton::clicked, &pointer,
                [&pointer, tool] { pointer.choose(tool); });
        m_tools[tool] = button;
    }
    addDivider();

    for (InkColor color : allCases<InkColor>()) {
        auto* swatch = new SwatchButton(ns(color), this);
        swatch->setObjectName(rawValue(color));
        swatch->setToolTip(title(color));
        swatch->setAccessibleName(title(color));
        connect(swatch, &QAbstractButton::clicked, this,
                [this, color] { m_prefs.setColor(color); });
        layout()->addWidget(swatch);
        m_swatches[color] = swatch;
    }
    addDivider();

    m_spotlight =
        addButton(QStringLiteral("spotlight"), QStringLiteral("light.max"), tr("Spotlight (S)"));
    m_spotlight->setTint(kSpotlightTint);
    connect(m_spotlight, &QAbstractButton::clicked, &pointer, &Pointer::toggleSpotlight);
    m_undo = addButton(QStringLiteral("undo"), QStringLiteral("arrow.uturn.backward"),
                       tr("Undo (Ctrl+Z)"));
    connect(m_undo, &QAbstractButton::clicked, &ink, &InkBoard::undo);
    m_clear = addButton(QStringLiteral("clear"), QStringLiteral("eraser"),
                        tr("Clear the drawing (Backspace)"));
    connect(m_clear, &QAbstractButton::clicked, &ink, &InkBoard::clear);
    m_sound = addButton(QStringLiteral("sound"), {}, {});
    connect(m_sound, &QAbstractButton::clicked, this,
            [this] { m_prefs.setMuted(!m_prefs.muted()); });
    addDivider();

    auto* off = addButton(QStringLiteral("off"), QStringLiteral("xmark"), tr("Turn off (Esc)"));
    connect(off, &QAbstractButton::clicked, &pointer, &Pointer::turnOff);

    connect(&prefs, &Prefs::handIDChanged, this, &ToolbarView::showHand);
    connect(&sprites, &HandSprites::changed, this, &ToolbarView::showHand);
    connect(&prefs, &Prefs::laserChanged, this, &ToolbarView::showMode);
    connect(&prefs, &Prefs::toolChanged, this, &ToolbarView::showMode);
    connect(&prefs, &Prefs::spotlightChanged, this, &ToolbarView::showMode);
    connect(&prefs, &Prefs::colorChanged, this, &ToolbarView::showColor);
    connect(&prefs, &Prefs::mutedChanged, this, &ToolbarView::showSound);
    connect(&ink, &InkBoard::inkEmptyChanged, this, &ToolbarView::showInk);
    showHand();
    showMode();
    showColor();
    showSound();
    showInk();
}

ToolButton* ToolbarView::addButton(const QString& name, const QString& symbol,
                                   const QString& toolTip) {
    auto* button = new ToolButton(this);
    button->setObjectName(name);
    button->setSymbol(symbol);
    button->setToolTip(toolTip);
    button->setAccessibleName(toolTip);
    layout()->addWidget(button);
    return button;
}

void ToolbarView::addDivider() {
    static_cast<QBoxLayout*>(layout())->addWidget(new Divider(this), 0, Qt::AlignVCenter);
}

void ToolbarView::showHand() {
    m_hand->setPicture(m_sprites.sprite(m_prefs.handID(), kHandHeight, kHandScale).image);
}

void ToolbarView::showMode() {
    const bool laser = m_prefs.laser();
    m_laser->setActive(laser);
    for (auto [tool, button] : m_tools)
        button->setActive(!laser && m_prefs.tool() == tool);
    m_spotlight->setActive(m_prefs.spotlight());
}

void ToolbarView::showColor() {
    for (auto [color, swatch] : m_swatches)
        swatch->setChosen(m_prefs.color() == color);
}

void ToolbarView::showSound() {
    const bool muted = m_prefs.muted();
    m_sound->setSymbol(muted ? QStringLiteral("speaker.slash") : QStringLiteral("speaker.wave.2"));
    const QString tip = muted ? tr("Turn the tap sound on") : tr("Mute the tap sound");
    m_sound->setToolTip(tip);
    m_sound->setAccessibleName(tip);
}

void ToolbarView::showInk() {
    m_undo->setEnabled(!m_ink.inkEmpty());
    m_clear->setEnabled(!m_ink.inkEmpty());
}

void ToolbarView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRectF area = rect();
    const auto capsule = [area](double inset) {
        const QRectF shape = area.adjusted(inset, inset, -inset, -inset);
        QPainterPath path;
        path.addRoundedRect(shape, shape.height() / 2, shape.height() / 2);
        return path;
    };
    Surface::paint(painter, capsule, palette(), 0.9);
}
