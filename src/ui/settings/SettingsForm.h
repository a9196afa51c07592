#pragma once
// The pieces every settings page is made of: a page holding a column of
// sections, each with an optional header, a rounded box of rows (a label on
// the left, its control on the right) and an optional footer; and the few
// controls the desktop has no ready-made widget for.

#include "common/RawEnum.h"

#include <QAbstractButton>
#include <QLabel>
#include <QSlider>
#include <QStringList>
#include <QWidget>
#include <algorithm>

class QBoxLayout;
class QButtonGroup;
class QVBoxLayout;

// Text in the dimmer colour of explanations and footers; follows the palette.
class SecondaryLabel : public QLabel {
  public:
    explicit SecondaryLabel(const QString& text = {}, QWidget* parent = nullptr);

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void recolor();
    bool m_recoloring = false;
};

// One of the line icons, `size` points square, in the text colour (or the
// secondary one): repainted from the palette, so it follows a dark theme.
class SymbolView : public QWidget {
  public:
    SymbolView(const QString& symbol, int size, QWidget* parent = nullptr, bool secondary = false);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString m_symbol;
    int m_size;
    bool m_secondary;
};

// The colour of explanations: between the text and the background colours.
QColor secondaryColor(const QPalette& palette, QPalette::ColorGroup group = QPalette::Active);

// The rounded box of a section, with a hairline between its rows.
class FormBox : public QWidget {
  public:
    explicit FormBox(QWidget* parent = nullptr);
    QVBoxLayout* rows() const { return m_rows; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QVBoxLayout* m_rows;
};

class FormSection : public QWidget {
  public:
    explicit FormSection(const QString& header = {}, const QString& footer = {},
                         QWidget* parent = nullptr);
    // A row of `label` and `control`; returns the row (to dim it as a whole).
    QWidget* addRow(const QString& label, QWidget* control);
    // A row `content` fills from edge to edge.
    QWidget* addWide(QWidget* content);

  private:
    FormBox* m_box;
};

// A settings page: sections from the top down, with room to spare at the bottom.
class FormPage : public QWidget {
  public:
    explicit FormPage(QWidget* parent = nullptr);
    FormSection* addSection(const QString& header = {}, const QString& footer = {});
    void finish(); // after the last section

  private:
    QVBoxLayout* m_column;
};

// A slider over a range of real numbers: `steps` positions per unit (1 for
// whole steps, 1000 for a range that feels continuous).
class RealSlider : public QSlider {
    Q_OBJECT
  public:
    RealSlider(double minimum, double maximum, int steps, QWidget* parent = nullptr);
    double realValue() const { return value() / double(m_steps); }
    double realMinimum() const { return minimum() / double(m_steps); }
    double realMaximum() const { return maximum() / double(m_steps); }
    // Shows `value` (clamped to the range) without telling anyone.
    void showValue(double value);
  signals:
    void realValueChanged(double value);

  private:
    int m_steps;
};

// A row of buttons of which exactly one is down: a choice among a few words.
class SegmentedPicker : public QWidget {
    Q_OBJECT
  public:
    explicit SegmentedPicker(const QStringList& titles, QWidget* parent = nullptr);
    int currentIndex() const;
    // Shows the choice without telling anyone.
    void showIndex(int index);
    QAbstractButton* segment(int index) const;
  signals:
    void picked(int index);

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void tint();
    QButtonGroup* m_group;
};

// The title font grown by `factor`, optionally bold.
QFont scaledFont(const QFont& base, double factor, bool bold);

// The position of `value` in its enumeration's list of cases.
template <typename E> int caseIndex(E value) {
    const std::vector<E> all = allCases<E>();
    return int(std::find(all.begin(), all.end(), value) - all.begin());
}

// Whether `widget` should show that it has the focus: only once the keyboard
// has moved it, as the desktop's own controls do.
bool showsFocus(const QWidget& widget);
