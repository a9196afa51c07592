#include "ui/settings/SettingsWindowController.h"
#include "ui/Icons.h"
#include "ui/Surface.h"
#include "ui/settings/AboutSettings.h"
#include "ui/settings/DrawingSettings.h"
#include "ui/settings/GeneralSettings.h"
#include "ui/settings/HandSettings.h"
#include "ui/settings/SettingsForm.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCursor>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

namespace {
constexpr int kIconSize = 22;

QString symbolOf(SettingsTab tab) {
    switch (tab) {
    case SettingsTab::general:
        return QStringLiteral("gearshape");
    case SettingsTab::hands:
        return QStringLiteral("hand.point.up.left");
    case SettingsTab::drawing:
        return QStringLiteral("pencil.tip");
    case SettingsTab::about:
        return QStringLiteral("info.circle");
    }
    return {};
}

// A tab's button: its icon above its title, on a soft plate while selected.
class TabButton : public QAbstractButton {
  public:
    TabButton(SettingsTab tab, QWidget* parent) : QAbstractButton(parent), m_symbol(symbolOf(tab)) {
        setText(title(tab));
        setCheckable(true);
        setObjectName(QStringLiteral("tab-") + rawValue(tab));
        setAccessibleName(title(tab));
        setFocusPolicy(Qt::TabFocus);
        const int textWidth = fontMetrics().horizontalAdvance(text());
        setFixedSize(std::max(72, textWidth + 20), kIconSize + fontMetrics().height() + 18);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QPalette& colors = palette();
        const QColor accent = colors.color(QPalette::Highlight);
        if (isChecked() || isDown() || underMouse()) {
            QPainterPath plate;
            plate.addRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 7, 7);
            painter.fillPath(
                plate, isChecked() ? Surface::withAlpha(accent, 0.18)
                                   : Surface::withAlpha(colors.color(QPalette::WindowText), 0.06));
        }
        if (showsFocus(*this)) {
            painter.setPen(QPen(accent, 1.5));
            painter.drawRoundedRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5), 6, 6);
        }
        const QColor ink = isChecked() ? accent : colors.color(QPalette::WindowText);
        painter.drawPixmap((width() - kIconSize) / 2, 7,
                           Icons::pixmap(m_symbol, kIconSize, ink, devicePixelRatioF()));
        painter.setPen(isChecked() ? accent : colors.color(QPalette::WindowText));
        painter.drawText(QRect(0, 7 + kIconSize + 2, width(), fontMetrics().height()),
                         Qt::AlignCenter, text());
    }
    void enterEvent(QEnterEvent* event) override {
        update();
        QAbstractButton::enterEvent(event);
    }
    void leaveEvent(QEvent* event) override {
        update();
        QAbstractButton::leaveEvent(event);
    }

  private:
    QString m_symbol;
};
} // namespace

QSize SettingsWindowController::contentSize(SettingsTab tab) {
    switch (tab) {
    case SettingsTab::general:
    case SettingsTab::hands:
        return {560, 520};
    case SettingsTab::drawing:
        return {560, 560};
    case SettingsTab::about:
        return {560, 360};
    }
    return {560, 520};
}

int SettingsWindowController::position(SettingsTab tab) {
    return int(std::find(order.begin(), order.end(), tab) - order.begin());
}

SettingsWindowController::SettingsWindowController(const Services& services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      m_host(new QWidget(this)), m_buttons(new QButtonGroup(this)) {
    setObjectName(QStringLiteral("settingsWindow"));
    m_pages = {
        new GeneralSettings(services.prefs, services.loginItem, services.preview, m_host),
        new HandSettings(services.prefs, services.sprites, services.custom, m_host),
        new DrawingSettings(services.prefs, m_host),
        new AboutSettings(services.checkForUpdates, m_host),
    };

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->setSizeConstraint(QLayout::SetFixedSize);
    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(8, 6, 8, 6);
    bar->setSpacing(4);
    bar->addStretch(1);
    for (SettingsTab tab : order) {
        auto* button = new TabButton(tab, this);
        m_buttons->addButton(button, position(tab));
        bar->addWidget(button);
    }
    bar->addStretch(1);
    column->addLayout(bar);
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    column->addWidget(line);
    column->addWidget(m_host);
    connect(m_buttons, &QButtonGroup::idClicked, this,
            [this](int index) { select(order.at(index)); });

    // The keys a settings window closes with.
    for (const QKeySequence& keys :
         {QKeySequence(QKeySequence::Close), QKeySequence(Qt::Key_Escape)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, &QWidget::close);
    // Tabs in turn from the keyboard, as in any tabbed window.
    const auto step = [this](int by) {
        const int count = int(order.size());
        select(order.at((position(m_selected) + by + count) % count));
    };
    for (const QKeySequence& keys :
         {QKeySequence(QKeySequence::NextChild), QKeySequence(Qt::CTRL | Qt::Key_PageDown)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, [step] { step(1); });
    for (const QKeySequence& keys :
         {QKeySequence(QKeySequence::PreviousChild), QKeySequence(Qt::CTRL | Qt::Key_PageUp)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, [step] { step(-1); });
    select(SettingsTab::general);
}

QWidget* SettingsWindowController::page(SettingsTab tab) const {
    return m_pages.at(position(tab));
}

// Switching is immediate: the old tab goes, the new one comes, the window
// takes its size.
void SettingsWindowController::select(SettingsTab tab) {
    m_selected = tab;
    const QSize size = contentSize(tab);
    for (QWidget* each : m_pages)
        if (each != page(tab)) each->hide();
    page(tab)->setGeometry(QRect(QPoint(0, 0), size));
    page(tab)->show();
    m_host->setFixedSize(size);
    layout()->activate(); // the window's new size, now rather than at the next event
    m_buttons->button(position(tab))->setChecked(true);
    // The program's name too: in a task bar "General" alone says nothing.
    setWindowTitle(tr("%1 — Handwick").arg(title(tab)));
}

void SettingsWindowController::showAndRaise() {
    if (!m_placed) {
        m_placed = true;
        QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
        if (!screen) screen = QGuiApplication::primaryScreen();
        adjustSize();
        if (screen) move(screen->availableGeometry().center() - rect().center());
    }
    show();
    raise();
    activateWindow();
}
