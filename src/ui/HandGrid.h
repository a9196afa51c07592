#pragma once
// A grid of every hand look to choose from: the user's own hand first while
// there is one, then the built-in skins. Clicking a cell makes that hand the
// pointer (and puts the laser away).

#include <QStringList>
#include <QWidget>
#include <vector>

class CustomHand;
class HandCell;
class HandSprites;
class Prefs;

class HandGrid : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kGap = 8;

    // `columns` cells to a row (at least 1), each `cellSize` points square (at least 8).
    HandGrid(int columns, int cellSize, Prefs& prefs, HandSprites& sprites,
             const CustomHand& custom, QWidget* parent = nullptr);

    // The hand ids in their cells' order.
    QStringList ids() const;
    // The id of the cell shown as chosen; empty when none is (laser on, or an unknown id).
    QString selectedID() const;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void rebuild();
    void showSelection();
    void showPictures();

    int m_columns;
    int m_cellSize;
    Prefs& m_prefs;
    HandSprites& m_sprites;
    const CustomHand& m_custom;
    std::vector<HandCell*> m_cells;
    // Twenty hands take a while to paint: only a grid on screen paints them.
    bool m_picturesStale = true;
};
