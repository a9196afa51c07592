#include "ui/HandPopover.h"
#include "platform/DesktopChecks.h"
#include "ui/HandGrid.h"
#include "ui/Surface.h"
#include "ui/ToolbarView.h"

#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <algorithm>

namespace {
constexpr int kColumns = 5;
constexpr int kCellSize = 52;
constexpr double kCornerRadius = 14;
constexpr double kArrowHalfWidth = 9;
// The arrow's tip stays this far above the anchor's top edge, so that it clears
// the toolbar's capsule around the hand button with a few points to spare.
constexpr int kAnchorGap = ToolbarView::kMargins.top() + 4;
} // namespace

HandPopover::HandPopover(Prefs& prefs, HandSprites& sprites, const CustomHand& custom,
                         QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint |
                          Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus),
      m_grid(new HandGrid(kColumns, kCellSize, prefs, sprites, custom, this)) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    auto* box = new QHBoxLayout(this);
    const int side = Surface::kShadowMargin + kInset;
    box->setContentsMargins(side, side, side, side + kArrowHeight);
    box->setSizeConstraint(QLayout::SetFixedSize);
    box->addWidget(m_grid);
}

HandPopover::~HandPopover() {
    if (m_watching) qApp->removeEventFilter(this);
}

void HandPopover::toggle(QWidget* anchor) {
    if (isVisible())
        dismiss();
    else
        open(anchor);
}

void HandPopover::open(QWidget* anchor) {
    if (!anchor) return;
    m_anchor = anchor;
    place();
    // Without a compositor the clear margin would show black: only the bubble shows.
    setMask(DesktopChecks::hasCompositor() ? QRegion()
                                           : QRegion(outline(0).toFillPolygon().toPolygon()));
    show();
    raise();
    if (!m_watching) qApp->installEventFilter(this);
    m_watching = true;
}

void HandPopover::dismiss() {
    hide();
}

void HandPopover::hideEvent(QHideEvent* event) {
    if (!m_swallowing) stopWatching();
    QWidget::hideEvent(event);
}

void HandPopover::stopWatching() {
    if (m_watching) qApp->removeEventFilter(this);
    m_watching = false;
}

void HandPopover::resizeEvent(QResizeEvent* event) {
    // The grid grows or shrinks when the user's own hand comes or goes.
    m_shadow = {};
    if (isVisible()) place();
    QWidget::resizeEvent(event);
}

void HandPopover::place() {
    if (!m_anchor) return;
    const QSize size = sizeHint();
    const QPoint anchorTop = m_anchor->mapToGlobal(QPoint(m_anchor->width() / 2, 0));
    // Centred over the anchor, kept on its screen (the shadow may run off the
    // edge); the arrow then moves along to stay on the anchor.
    const int margin = Surface::kShadowMargin;
    int left = anchorTop.x() - size.width() / 2;
    if (QScreen* screen = m_anchor->screen()) {
        const QRect room = screen->availableGeometry();
        const int rightmost = room.right() + 1 + margin - size.width();
        left = std::clamp(left, room.left() - margin, std::max(room.left() - margin, rightmost));
    }
    const int top = anchorTop.y() - kAnchorGap - (size.height() - margin);
    const double lowest = margin + kCornerRadius + kArrowHalfWidth;
    m_arrowX =
        std::clamp(double(anchorTop.x() - left), lowest, std::max(lowest, size.width() - lowest));
    m_shadow = {};
    setGeometry(QRect(QPoint(left, top), size));
}

QPainterPath HandPopover::outline(double inset) const {
    const QRectF bubble =
        QRectF(rect())
            .adjusted(Surface::kShadowMargin, Surface::kShadowMargin, -Surface::kShadowMargin,
                      -Surface::kShadowMargin - kArrowHeight)
            .adjusted(inset, inset, -inset, -inset);
    QPainterPath path;
    path.addRoundedRect(bubble, kCornerRadius - inset, kCornerRadius - inset);
    QPainterPath arrow;
    const double base = bubble.bottom() - kCornerRadius / 2; // overlaps the bubble so they join
    arrow.moveTo(m_arrowX - kArrowHalfWidth + inset, base);
    arrow.lineTo(m_arrowX, bubble.bottom() + kArrowHeight);
    arrow.lineTo(m_arrowX + kArrowHalfWidth - inset, base);
    arrow.closeSubpath();
    return path.united(arrow).simplified();
}

void HandPopover::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const double ratio = devicePixelRatioF();
    if (m_shadow.isNull() || m_shadow.devicePixelRatio() != ratio)
        m_shadow = Surface::shadow(outline(0), size(), ratio);
    painter.drawImage(QPointF(0, 0), m_shadow);
    Surface::paint(
        painter, [this](double inset) { return outline(inset); }, palette(), 1.0);
}

bool HandPopover::eventFilter(QObject* watched, QEvent* event) {
    if (m_swallowing && watched->isWidgetType()) {
        // The rest of the click that closed the chooser: not a tap, not a stroke.
        // Seen where the press was swallowed, so Qt forgets the button too.
        const QEvent::Type type = event->type();
        if (type == QEvent::MouseButtonRelease) {
            m_swallowing = false;
            if (!isVisible()) stopWatching();
            return true;
        }
        if (type == QEvent::MouseMove || type == QEvent::MouseButtonDblClick) return true;
    }
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        dismiss();
        return true; // Escape closes the chooser, not the overlay behind it.
    }
    if (event->type() == QEvent::MouseButtonPress && watched->isWidgetType()) {
        const QPoint at = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
        const bool onAnchor =
            m_anchor && QRect(m_anchor->mapToGlobal(QPoint(0, 0)), m_anchor->size()).contains(at);
        // The anchor's own click closes the chooser through toggle(); a click
        // in a menu or a dialog is left to it, the chooser just closes.
        const QWidget* window = static_cast<QWidget*>(watched)->window();
        const bool ownUse =
            QApplication::activePopupWidget() || qobject_cast<const QDialog*>(window);
        if (ownUse && !frameGeometry().contains(at)) {
            dismiss();
        } else if (!frameGeometry().contains(at) && !onAnchor) {
            m_swallowing = true;
            dismiss();
            return true; // a click elsewhere only closes the chooser
        }
    }
    return QWidget::eventFilter(watched, event);
}
