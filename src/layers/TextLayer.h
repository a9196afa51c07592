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

    QString string() const { return string_; }
    void setString(const QString& text);
    // Family and weight; the size comes from fontSize.
    QFont font() const { return font_; }
    void setFont(const QFont& font);
    double fontSize() const { return fontSize_; }
    void setFontSize(double points);
    // Horizontal: Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight or Qt::AlignJustify.
    Qt::Alignment alignment() const { return alignment_; }
    void setAlignment(Qt::Alignment alignment);
    QColor foregroundColor() const { return foreground_; }
    void setForegroundColor(const QColor& color);

  protected:
    void drawContent(QPainter& painter) const override;
    QRectF contentRect() const override;
    bool hasContent() const override { return !string_.isEmpty(); }

  private:
    const QImage& rasterised() const;

    QString string_;
    QFont font_;
    double fontSize_ = 36.0;
    Qt::Alignment alignment_ = Qt::AlignLeft;
    QColor foreground_{Qt::white};
    mutable QImage cache_;
    mutable bool cacheValid_ = false;
};
