#pragma once
#include "layers/Layer.h"

#include <QFont>
#include <QImage>

// A layer showing one string, laid out from the top of its bounds, upright.
// The text is rasterised at contentsScale pixels per point (so a badge made
// for a 1x screen shows 1x digits), and cached until something changes.
class TextLayer : public Layer {
  public:
    TextLayer();
    static std::shared_ptr<TextLayer> make() { return std::make_shared<TextLayer>(); }

    QString string() const { return m_string; }
    void setString(const QString& text);
    // Family and weight; the size comes from fontSize.
    QFont font() const { return m_font; }
    void setFont(const QFont& font);
    double fontSize() const { return m_fontSize; }
    void setFontSize(double points);
    // Horizontal: Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight or Qt::AlignJustify.
    Qt::Alignment alignment() const { return m_alignment; }
    void setAlignment(Qt::Alignment alignment);
    QColor foregroundColor() const { return m_foreground; }
    void setForegroundColor(const QColor& color);

  protected:
    void drawContent(QPainter& painter) const override;
    QRectF contentRect() const override;
    bool hasContent() const override { return !m_string.isEmpty(); }

  private:
    const QImage& rasterised() const;

    QString m_string;
    QFont m_font;
    double m_fontSize = 36.0;
    Qt::Alignment m_alignment = Qt::AlignLeft;
    QColor m_foreground{Qt::white};
    mutable QImage m_image;
    mutable bool m_imageValid = false;
};
