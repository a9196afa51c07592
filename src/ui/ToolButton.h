#pragma once
// The toolbar's square buttons: a line icon or a small picture on a rounded
// plate that lights up in the button's tint while its setting is on.

#include <QAbstractButton>
#include <QColor>
#include <QImage>
#include <QString>

class ToolButton : public QAbstractButton {
    Q_OBJECT
  public:
    static constexpr QSize kSize{32, 30};

    explicit ToolButton(QWidget* parent = nullptr);

    // The label is either a symbol from Icons or a picture shown at its
    // point size (its device pixel ratio decides that); setting one clears the other.
    void setSymbol(const QString& symbol);
    QString symbol() const { return m_symbol; }
    void setPicture(const QImage& picture);

    void setActive(bool active);
    bool isActive() const { return m_active; }
    // The plate's colour while active; without one, the palette's accent.
    void setTint(const QColor& tint);
    QColor tint() const;

    QSize sizeHint() const override { return kSize; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString m_symbol;
    QImage m_picture;
    QColor m_tint;
    bool m_active = false;
};

// A round dot of one ink colour, ringed in white while it is the chosen one.
class SwatchButton : public QAbstractButton {
    Q_OBJECT
  public:
    static constexpr QSize kSize{22, 30};

    explicit SwatchButton(const QColor& color, QWidget* parent = nullptr);

    QColor color() const { return m_color; }
    void setChosen(bool chosen);
    bool isChosen() const { return m_chosen; }

    QSize sizeHint() const override { return kSize; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor m_color;
    bool m_chosen = false;
    QImage m_shadow; // the dot's shadow, made again when the pixel ratio changes
};
