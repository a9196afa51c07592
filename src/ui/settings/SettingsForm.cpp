#include "ui/settings/SettingsForm.h"
#include "ui/Icons.h"
#include "ui/Surface.h"

#include <QApplication>
#include <QButtonGroup>
#include <QEvent>
#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace {
constexpr int kRowHeight = 34;
constexpr int kRowMargin = 12;
constexpr double kCorner = 8;

QColor mix(const QColor& a, const QColor& b, double share) {
    return QColor::fromRgbF(float(a.redF() * share + b.redF() * (1 - share)),
                            float(a.greenF() * share + b.greenF() * (1 - share)),
                            float(a.blueF() * share + b.blueF() * (1 - share)));
}
} // namespace

QColor secondaryColor(const QPalette& palette, QPalette::ColorGroup group) {
    return mix(palette.color(group, QPalette::WindowText), palette.color(group, QPalette::Window),
               0.62);
}

SymbolView::SymbolView(const QString& symbol, int size, QWidget* parent, bool secondary)
    : QWidget(parent), m_symbol(symbol), m_size(size), m_secondary(secondary) {
    setFixedSize(size, size);
}

void SymbolView::paintEvent(QPaintEvent*) {
    const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
    const QColor color = m_secondary ? secondaryColor(palette(), group)
                                     : palette().color(group, QPalette::WindowText);
    QPainter painter(this);
    painter.drawPixmap(0, 0, Icons::pixmap(m_symbol, m_size, color, devicePixelRatioF()));
}

bool showsFocus(const QWidget& widget) {
    return widget.hasFocus() && widget.window()->testAttribute(Qt::WA_KeyboardFocusChange);
}

QFont scaledFont(const QFont& base, double factor, bool bold) {
    QFont font = base;
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * factor);
    else
        font.setPixelSize(std::max(1, int(std::lround(font.pixelSize() * factor))));
    font.setBold(bold);
    return font;
}

SecondaryLabel::SecondaryLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    recolor();
}

void SecondaryLabel::changeEvent(QEvent* event) {
    if ((event->type() == QEvent::PaletteChange || event->type() == QEvent::ParentChange) &&
        !m_recoloring)
        recolor();
    QLabel::changeEvent(event);
}

// Between the text and the background colours, so it reads as secondary on
// light and dark palettes alike.
void SecondaryLabel::recolor() {
    m_recoloring = true;
    const QPalette base = parentWidget() ? parentWidget()->palette() : QApplication::palette();
    QPalette own = palette();
    for (auto group : {QPalette::Active, QPalette::Inactive})
        own.setColor(group, QPalette::WindowText, secondaryColor(base, group));
    setPalette(own);
    m_recoloring = false;
}

FormBox::FormBox(QWidget* parent) : QWidget(parent), m_rows(new QVBoxLayout(this)) {
    m_rows->setContentsMargins(0, 0, 0, 0);
    m_rows->setSpacing(1); // the hairline
}

void FormBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette& colors = palette();
    const QColor line = Surface::withAlpha(colors.color(QPalette::WindowText), 0.12);
    QPainterPath box;
    box.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), kCorner, kCorner);
    painter.fillPath(box, colors.color(QPalette::Base));
    painter.setPen(QPen(line, 1));
    painter.drawPath(box);
    for (int i = 1; i < m_rows->count(); ++i) {
        const QWidget* row = m_rows->itemAt(i)->widget();
        if (!row || !row->isVisible()) continue;
        const double y = row->geometry().top() - 0.5;
        painter.drawLine(QPointF(kRowMargin, y), QPointF(width() - kRowMargin, y));
    }
}

FormSection::FormSection(const QString& header, const QString& footer, QWidget* parent)
    : QWidget(parent), m_box(new FormBox(this)) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(6);
    if (!header.isEmpty()) {
        auto* title = new QLabel(header, this);
        title->setFont(scaledFont(font(), 1.0, true));
        title->setContentsMargins(4, 0, 0, 0);
        column->addWidget(title);
    }
    column->addWidget(m_box);
    if (!footer.isEmpty()) {
        auto* note = new SecondaryLabel(footer, this);
        note->setWordWrap(true);
        note->setFont(scaledFont(font(), 0.92, false));
        note->setContentsMargins(4, 0, 4, 0);
        column->addWidget(note);
    }
}

QWidget* FormSection::addRow(const QString& label, QWidget* control) {
    auto* row = new QWidget(m_box);
    row->setMinimumHeight(kRowHeight);
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(kRowMargin, 3, kRowMargin, 3);
    line->setSpacing(16);
    auto* text = new QLabel(label, row);
    text->setBuddy(control);
    // A switch or slider has no words of its own: the row's label names it.
    if (control->accessibleName().isEmpty()) control->setAccessibleName(label);
    line->addWidget(text, 0, Qt::AlignVCenter);
    line->addStretch(1);
    control->setParent(row);
    line->addWidget(control, 0, Qt::AlignVCenter);
    m_box->rows()->addWidget(row);
    return row;
}

QWidget* FormSection::addWide(QWidget* content) {
    auto* row = new QWidget(m_box);
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(kRowMargin, 8, kRowMargin, 8);
    content->setParent(row);
    line->addWidget(content);
    m_box->rows()->addWidget(row);
    return row;
}

FormPage::FormPage(QWidget* parent) : QWidget(parent), m_column(new QVBoxLayout(this)) {
    m_column->setContentsMargins(20, 14, 20, 14);
    m_column->setSpacing(12);
}

FormSection* FormPage::addSection(const QString& header, const QString& footer) {
    auto* section = new FormSection(header, footer, this);
    m_column->addWidget(section);
    return section;
}

void FormPage::finish() {
    m_column->addStretch(1);
}

RealSlider::RealSlider(double minimum, double maximum, int steps, QWidget* parent)
    : QSlider(Qt::Horizontal, parent), m_steps(std::max(1, steps)) {
    setRange(int(std::lround(minimum * m_steps)), int(std::lround(maximum * m_steps)));
    setSingleStep(1);
    setPageStep(std::max(1, (this->maximum() - this->minimum()) / 10));
    setFixedWidth(220);
    connect(this, &QSlider::valueChanged, this,
            [this](int position) { emit realValueChanged(position / double(m_steps)); });
}

void RealSlider::showValue(double value) {
    const QSignalBlocker quiet(this);
    setValue(int(std::lround(std::clamp(value * m_steps, double(minimum()), double(maximum())))));
}

SegmentedPicker::SegmentedPicker(const QStringList& titles, QWidget* parent)
    : QWidget(parent), m_group(new QButtonGroup(this)) {
    auto* line = new QHBoxLayout(this);
    line->setContentsMargins(0, 0, 0, 0);
    line->setSpacing(0);
    for (int i = 0; i < titles.size(); ++i) {
        auto* segment = new QPushButton(titles.at(i), this);
        segment->setCheckable(true);
        segment->setMinimumWidth(76);
        m_group->addButton(segment, i);
        line->addWidget(segment);
    }
    m_group->setExclusive(true);
    connect(m_group, &QButtonGroup::idClicked, this, &SegmentedPicker::picked);
    connect(m_group, &QButtonGroup::idToggled, this, [this](int, bool) { tint(); });
}

// The chosen segment in the accent colour: some styles draw a pressed button
// barely darker than the others, which a dark palette hides altogether.
void SegmentedPicker::tint() {
    for (QAbstractButton* button : m_group->buttons()) {
        QPalette colors = palette();
        if (button->isChecked()) {
            colors.setColor(QPalette::Button, colors.color(QPalette::Highlight));
            colors.setColor(QPalette::ButtonText, colors.color(QPalette::HighlightedText));
        }
        button->setPalette(colors);
    }
}

void SegmentedPicker::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange) tint();
    QWidget::changeEvent(event);
}

int SegmentedPicker::currentIndex() const {
    return m_group->checkedId();
}

void SegmentedPicker::showIndex(int index) {
    if (QAbstractButton* button = m_group->button(index)) button->setChecked(true);
}

QAbstractButton* SegmentedPicker::segment(int index) const {
    return m_group->button(index);
}
