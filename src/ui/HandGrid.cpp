#include "ui/HandGrid.h"
#include "handart/CustomHand.h"
#include "handart/HandChoice.h"
#include "handart/HandSkin.h"
#include "handart/HandSprites.h"
#include "prefs/Prefs.h"
#include "ui/Surface.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace {
constexpr double kPictureShare = 0.8;
constexpr double kPictureScale = 2;
constexpr double kCornerRadius = 12;
constexpr double kRingWidth = 2;

} // namespace

// One hand to choose: its picture on a rounded plate, tinted and ringed while chosen.
class HandCell : public QAbstractButton {
  public:
    HandCell(const HandSkin& skin, int size, QWidget* parent)
        : QAbstractButton(parent), m_id(skin.id) {
        setFixedSize(size, size);
        setFocusPolicy(Qt::NoFocus);
        setToolTip(skin.name());
        setAccessibleName(skin.name());
    }

    QString id() const { return m_id; }
    bool isSelected() const { return m_selected; }
    void setSelected(bool selected) {
        if (selected == m_selected) return;
        m_selected = selected;
        update();
    }
    void setPicture(const QImage& picture) {
        m_picture = picture;
        update();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        const QColor accent = palette().color(QPalette::Highlight);
        const QRectF area = rect();
        QPainterPath plate;
        plate.addRoundedRect(area, kCornerRadius, kCornerRadius);
        painter.fillPath(
            plate, m_selected ? Surface::withAlpha(accent, 0.22)
                              : Surface::withAlpha(palette().color(QPalette::WindowText), 0.05));
        if (m_selected) {
            // Inside the plate's edge, so neighbouring cells never overlap.
            const double inset = kRingWidth / 2;
            const QRectF ring = area.adjusted(inset, inset, -inset, -inset);
            painter.setPen(QPen(accent, kRingWidth));
            painter.drawRoundedRect(ring, kCornerRadius - inset, kCornerRadius - inset);
        }
        const QSizeF size = m_picture.deviceIndependentSize();
        painter.drawImage(QRectF(area.center() - QPointF(size.width(), size.height()) / 2, size),
                          m_picture);
    }

  private:
    QString m_id;
    QImage m_picture;
    bool m_selected = false;
};

HandGrid::HandGrid(int columns, int cellSize, Prefs& prefs, HandSprites& sprites,
                   const CustomHand& custom, QWidget* parent)
    : QWidget(parent), m_columns(std::max(1, columns)), m_cellSize(std::max(8, cellSize)),
      m_prefs(prefs), m_sprites(sprites), m_custom(custom) {
    auto* grid = new QGridLayout(this);
    grid->setSpacing(kGap);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    rebuild();
    connect(&custom, &CustomHand::imageChanged, this, &HandGrid::rebuild);
    connect(&sprites, &HandSprites::changed, this, &HandGrid::showPictures);
    connect(&prefs, &Prefs::handIDChanged, this, &HandGrid::showSelection);
    connect(&prefs, &Prefs::laserChanged, this, &HandGrid::showSelection);
}

QStringList HandGrid::ids() const {
    QStringList out;
    for (const HandCell* cell : m_cells)
        out << cell->id();
    return out;
}

QString HandGrid::selectedID() const {
    for (const HandCell* cell : m_cells)
        if (cell->isSelected()) return cell->id();
    return {};
}

void HandGrid::rebuild() {
    for (HandCell* cell : m_cells)
        delete cell;
    m_cells.clear();

    std::vector<HandSkin> skins;
    if (m_custom.hasImage()) skins.push_back(HandSkin::custom());
    skins.insert(skins.end(), HandSkin::all().begin(), HandSkin::all().end());

    auto* grid = static_cast<QGridLayout*>(layout());
    for (const HandSkin& skin : skins) {
        auto* cell = new HandCell(skin, m_cellSize, this);
        const int index = int(m_cells.size());
        grid->addWidget(cell, index / m_columns, index % m_columns);
        connect(cell, &QAbstractButton::clicked, this,
                [this, id = skin.id] { HandChoice::choose(m_prefs, id); });
        m_cells.push_back(cell);
    }
    showPictures();
    showSelection();
}

void HandGrid::showSelection() {
    const bool laser = m_prefs.laser();
    for (HandCell* cell : m_cells)
        cell->setSelected(!laser && cell->id() == m_prefs.handID());
}

void HandGrid::showEvent(QShowEvent* event) {
    if (m_picturesStale) showPictures();
    QWidget::showEvent(event);
}

void HandGrid::showPictures() {
    m_picturesStale = !isVisible();
    if (m_picturesStale) return;
    const double height = kPictureShare * m_cellSize;
    for (HandCell* cell : m_cells)
        cell->setPicture(m_sprites.sprite(cell->id(), height, kPictureScale).image);
}
