#include "ui/ToolbarPanel.h"
#include "ui/HandPopover.h"
#include "ui/Surface.h"
#include "ui/ToolButton.h"
#include "ui/ToolbarView.h"

#include "platform/DesktopChecks.h"

#include <QPainter>
#include <QPainterPath>
#include <QScreen>

ToolbarPanel::ToolbarPanel(Prefs& prefs, Pointer& pointer, InkBoard& ink, HandSprites& sprites,
                           const CustomHand& custom)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint |
                           Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus),
      m_view(new ToolbarView(prefs, pointer, ink, sprites, this)),
      m_handChooser(new HandPopover(prefs, sprites, custom, this)) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    m_view->move(kInset, kInset);
    resize(m_view->sizeHint() + QSize(2 * kInset, 2 * kInset));
    connect(m_view, &ToolbarView::handButtonClicked, this,
            [this] { m_handChooser->toggle(m_view->handButton()); });
}

ToolbarPanel::~ToolbarPanel() = default;

QPoint ToolbarPanel::placement(const QRect& screenGeometry, const QRect& available,
                               const QSize& size) {
    const int left = available.left() + (available.width() - size.width()) / 2;
    const int top = screenGeometry.bottom() + 1 - kBottomGap - size.height();
    return {left, top};
}

void ToolbarPanel::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    emit entered();
}

void ToolbarPanel::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    emit entered(); // the overlay beneath may need the mouse back
}

void ToolbarPanel::showOn(QScreen* screen) {
    if (!screen) {
        hide();
        return;
    }
    if (screen != this->screen()) m_handChooser->dismiss();
    setScreen(screen);
    const QSize size = m_view->sizeHint() + QSize(2 * kInset, 2 * kInset);
    setGeometry(QRect(placement(screen->geometry(), screen->availableGeometry(), size), size));
    // Without a compositor the clear margin would show black: only the capsule shows.
    const QRect capsule(QPoint(kInset, kInset), m_view->sizeHint());
    QPainterPath outline;
    outline.addRoundedRect(capsule, capsule.height() / 2.0, capsule.height() / 2.0);
    setMask(DesktopChecks::hasCompositor() ? QRegion()
                                           : QRegion(outline.toFillPolygon().toPolygon()));
    show();
    raise();
}

void ToolbarPanel::hide() {
    QWidget::hide();
}

QRect ToolbarPanel::frame() const {
    return isVisible() ? geometry() : QRect();
}

void ToolbarPanel::hideEvent(QHideEvent* event) {
    m_handChooser->dismiss();
    QWidget::hideEvent(event);
}

void ToolbarPanel::resizeEvent(QResizeEvent* event) {
    m_shadow = {};
    QWidget::resizeEvent(event);
}

void ToolbarPanel::paintEvent(QPaintEvent*) {
    // Only the shadow: the view paints its own capsule above it.
    const double ratio = devicePixelRatioF();
    if (m_shadow.isNull() || m_shadow.devicePixelRatio() != ratio) {
        QPainterPath capsule;
        const QRectF body = m_view->geometry();
        capsule.addRoundedRect(body, body.height() / 2, body.height() / 2);
        m_shadow = Surface::shadow(capsule, size(), ratio);
    }
    QPainter(this).drawImage(QPointF(0, 0), m_shadow);
}
