#include "ui/settings/DrawingSettings.h"
#include "prefs/Prefs.h"
#include "ui/Surface.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPainter>

namespace {
constexpr int kSwatch = 20;
constexpr int kRingGrowth = 3;

// One ink colour to click: a filled circle with a faint edge, ringed while chosen.
class Swatch : public QAbstractButton {
  public:
    Swatch(InkColor color, const Prefs& prefs, QWidget* parent)
        : QAbstractButton(parent), m_color(color), m_prefs(prefs) {
        const int side = kSwatch + 2 * kRingGrowth + 2;
        setFixedSize(side, side);
        setToolTip(title(color));
        setAccessibleName(title(color));
        setObjectName(QStringLiteral("swatch-") + rawValue(color));
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QPointF centre = QRectF(rect()).center();
        const double radius = kSwatch / 2.0;
        const QColor primary = palette().color(QPalette::WindowText);
        painter.setPen(QPen(Surface::withAlpha(primary, 0.25), 1));
        painter.setBrush(ns(m_color));
        painter.drawEllipse(centre, radius, radius);
        if (m_prefs.color() == m_color) {
            painter.setPen(QPen(primary, 2));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(centre, radius + kRingGrowth, radius + kRingGrowth);
        }
        if (showsFocus(*this)) {
            painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
        }
    }

  private:
    InkColor m_color;
    const Prefs& m_prefs;
};

// A tool's icon and name: what the keys 1 to 5 pick.
QWidget* toolLabel(Tool tool, QWidget* parent) {
    auto* label = new QWidget(parent);
    auto* line = new QHBoxLayout(label);
    line->setContentsMargins(0, 0, 0, 0);
    line->setSpacing(10);
    line->addWidget(new SymbolView(symbol(tool), 18, label));
    line->addWidget(new QLabel(title(tool), label));
    line->addStretch(1);
    return label;
}
} // namespace

DrawingSettings::DrawingSettings(Prefs& prefs, QWidget* parent) : FormPage(parent), m_prefs(prefs) {
    FormSection* ink = addSection(tr("Ink"));
    ink->addRow(tr("Color"), makeSwatches());
    auto* width = new RealSlider(2, 14, 1, this);
    width->setObjectName(QStringLiteral("penWidth"));
    width->setTickPosition(QSlider::TicksBelow);
    width->setTickInterval(1);
    width->setPageStep(2);
    ink->addRow(tr("Line width"), width);
    connect(width, &RealSlider::realValueChanged, &prefs, &Prefs::setPenWidth);
    m_fade = new QComboBox(this);
    m_fade->setObjectName(QStringLiteral("fadeAfter"));
    m_fade->addItems({tr("Never, clear by hand"), tr("After 2 seconds"), tr("After 4 seconds"),
                      tr("After 8 seconds")});
    ink->addRow(tr("Fade away"), m_fade);
    connect(m_fade, &QComboBox::currentIndexChanged, &prefs, [&prefs](int index) {
        if (index >= 0) prefs.setFadeAfter(kFadeChoices[index]);
    });

    addTools();

    FormSection* spotlight = addSection();
    auto* radius = new RealSlider(80, 320, 10, this);
    radius->setObjectName(QStringLiteral("spotlightRadius"));
    spotlight->addRow(tr("Spotlight size"), radius);
    connect(radius, &RealSlider::realValueChanged, &prefs, &Prefs::setSpotlightRadius);
    finish();

    const auto showWidth = [this, width] { width->showValue(m_prefs.penWidth()); };
    const auto showRadius = [this, radius] { radius->showValue(m_prefs.spotlightRadius()); };
    connect(&prefs, &Prefs::penWidthChanged, this, showWidth);
    connect(&prefs, &Prefs::spotlightRadiusChanged, this, showRadius);
    connect(&prefs, &Prefs::fadeAfterChanged, this, &DrawingSettings::showFade);
    showWidth();
    showRadius();
    showFade();
}

QWidget* DrawingSettings::makeSwatches() {
    auto* row = new QWidget(this);
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(0, 0, 0, 0);
    line->setSpacing(0); // each button's room for its ring keeps the circles 8 points apart
    for (InkColor color : allCases<InkColor>()) {
        auto* swatch = new Swatch(color, m_prefs, row);
        line->addWidget(swatch);
        connect(swatch, &QAbstractButton::clicked, &m_prefs,
                [this, color] { m_prefs.setColor(color); });
        connect(&m_prefs, &Prefs::colorChanged, swatch, qOverload<>(&QWidget::update));
    }
    return row;
}

void DrawingSettings::addTools() {
    FormSection* tools = addSection(
        tr("Tools"),
        tr("Pick a tool in the toolbar or with the keys 1 to 5. Hold Shift for a straight line."));
    for (Tool tool : allCases<Tool>())
        tools->addWide(toolLabel(tool, this));
}

// A stored delay that is none of the choices selects none of them.
void DrawingSettings::showFade() {
    const QSignalBlocker quiet(m_fade);
    int index = -1;
    for (int i = 0; i < int(std::size(kFadeChoices)); ++i)
        if (m_prefs.fadeAfter() == kFadeChoices[i]) index = i;
    m_fade->setCurrentIndex(index);
}
