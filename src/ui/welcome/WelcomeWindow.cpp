#include "ui/welcome/WelcomeWindow.h"

#include "ui/Icons.h"
#include "ui/welcome/TiltedHand.h"

#include <QCheckBox>
#include <QCursor>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {
constexpr int kWidth = 470;
constexpr int kPadding = 28;
constexpr int kSpacing = 18;
constexpr double kHandHeight = 120;
constexpr double kHandTilt = 18; // degrees clockwise
constexpr int kIconColumn = 26;
constexpr int kCardPadding = 16;
constexpr int kColumnGap = 16;
constexpr double kCardRadius = 14;
const char* const kHotKey = "Ctrl+Alt+H";

// A faint rounded panel behind the instructions, drawn in the text colour so it
// reads on light and dark palettes alike.
class Card : public QWidget {
  public:
    using QWidget::QWidget;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QColor shade = palette().color(QPalette::WindowText);
        shade.setAlphaF(0.06);
        painter.setPen(Qt::NoPen);
        painter.setBrush(shade);
        painter.drawRoundedRect(QRectF(rect()), kCardRadius, kCardRadius);
    }
};

QLabel* wrapping(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QColor secondary(const QPalette& palette) {
    QColor text = palette.color(QPalette::WindowText);
    text.setAlphaF(0.65);
    return text;
}
} // namespace

QString WelcomeWindow::reachLine(bool hasTray) {
    // Written the way this desktop's language writes keys ("Strg" in German).
    const QString key =
        QKeySequence(QString::fromLatin1(kHotKey)).toString(QKeySequence::NativeText);
    return hasTray ? tr("Click the hand in the system tray, or press %1").arg(key)
                   : tr("This desktop has no system tray: press %1 to bring up the hand, and "
                        "again to put it away.")
                         .arg(key);
}

WelcomeWindow::WelcomeWindow(bool hasTray, LoginSwitch login, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Welcome to Handwick"));
    // A title bar with only a close button: nothing to resize or minimise.
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::CustomizeWindowHint);
    setModal(false);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(kPadding, kPadding, kPadding, kPadding);
    column->setSpacing(kSpacing);
    column->setSizeConstraint(QLayout::SetFixedSize);

    column->addSpacing(8);
    column->addWidget(new TiltedHand(kHandHeight, kHandTilt, this), 0, Qt::AlignHCenter);

    auto* heading = new QVBoxLayout();
    heading->setSpacing(6);
    auto* title = wrapping(tr("Point at things on your screen"), this);
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignHCenter);
    heading->addWidget(title);
    auto* tagline = wrapping(
        tr("A little hand on a stick for screen sharing, recordings and presentations."), this);
    tagline->setAlignment(Qt::AlignHCenter);
    QPalette dim = tagline->palette();
    dim.setColor(QPalette::WindowText, secondary(dim));
    tagline->setPalette(dim);
    heading->addWidget(tagline);
    column->addLayout(heading);

    column->addWidget(card(hasTray));

    m_login = new QCheckBox(tr("Open at login"), this);
    m_loginState = std::move(login);
    showLoginState();
    // Only the user's own changes are written; the shown state is read, not set.
    // Afterwards the switch shows what was really stored, which a folder that
    // cannot be written may have kept from changing.
    connect(m_login, &QCheckBox::toggled, this, [this](bool on) {
        if (m_loginState.set) m_loginState.set(on);
        showLoginState();
    });
    column->addWidget(m_login, 0, Qt::AlignHCenter);

    m_start = new QPushButton(tr("Try It Now"), this);
    m_start->setDefault(true);
    m_start->setAutoDefault(true);
    m_start->setMinimumSize(160, 34);
    connect(m_start, &QPushButton::clicked, this, &WelcomeWindow::startRequested);
    column->addWidget(m_start, 0, Qt::AlignHCenter);

    // The width is fixed; the height follows the wrapped text.
    const int inner = kWidth - 2 * kPadding;
    for (QWidget* child : {static_cast<QWidget*>(title), static_cast<QWidget*>(tagline)})
        child->setFixedWidth(inner);
}

QWidget* WelcomeWindow::card(bool hasTray) {
    struct Row {
        const char* symbol;
        QString text;
    };
    const Row rows[] = {
        {"menubar.arrow.up.rectangle", reachLine(hasTray)},
        {"hand.tap", tr("Click to tap. Nothing underneath gets clicked.")},
        {"scribble", tr("Hold and drag to draw. Ctrl+Z undoes, Backspace clears.")},
        {"escape", tr("Esc puts the hand away and clears the drawing.")},
        {"lock.open", tr("No permissions needed. Handwick only draws above your screen.")},
    };

    auto* panel = new Card(this);
    panel->setFixedWidth(kWidth - 2 * kPadding);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(kCardPadding, kCardPadding, kCardPadding, kCardPadding);
    grid->setHorizontalSpacing(kColumnGap);
    grid->setVerticalSpacing(10);
    grid->setColumnMinimumWidth(0, kIconColumn);
    grid->setColumnStretch(1, 1);

    const int textWidth = kWidth - 2 * kPadding - 2 * kCardPadding - kIconColumn - kColumnGap;
    const QColor accent = palette().color(QPalette::Highlight);
    const double iconSize = QFontInfo(font()).pixelSize() * 1.35;
    int row = 0;
    for (const Row& entry : rows) {
        auto* icon = new QLabel(panel);
        icon->setPixmap(Icons::pixmap(QString::fromLatin1(entry.symbol), iconSize, accent,
                                      devicePixelRatioF()));
        icon->setFixedWidth(kIconColumn);
        icon->setAlignment(Qt::AlignCenter);
        grid->addWidget(icon, row, 0, Qt::AlignVCenter);
        // A fixed width lets the wrapped text ask for exactly the height it needs.
        auto* text = wrapping(entry.text, panel);
        text->setFixedWidth(textWidth);
        grid->addWidget(text, row, 1, Qt::AlignVCenter | Qt::AlignLeft);
        ++row;
    }
    return panel;
}

void WelcomeWindow::showLoginState() {
    const QSignalBlocker quiet(m_login);
    m_login->setChecked(m_loginState.isOn && m_loginState.isOn());
}

// Centred once, when first shown; afterwards it stays where the user puts it.
// The switch reads the state afresh each time: the settings window may have
// changed it meanwhile.
void WelcomeWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    showLoginState();
    if (m_placed) return;
    m_placed = true;
    QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}
