#pragma once
#include "handart/HandSprite.h"
#include <QImage>
#include <QObject>
#include <QString>
#include <optional>

// The user's own hand, cut out of a photo and stored as a PNG file.
class CustomHand : public QObject {
    Q_OBJECT
    Q_PROPERTY(QImage image READ image NOTIFY imageChanged)
    Q_PROPERTY(QString error READ error NOTIFY errorChanged)

public:
    static CustomHand& shared();

    QImage image() const { return m_image; }
    bool hasImage() const { return !m_image.isNull(); }
    QString error() const { return m_error; }

    // The photo as a sprite of the given height; nothing while there is no image.
    std::optional<HandSprite> sprite(double height, double scale) const;

signals:
    void imageChanged();
    void errorChanged();

protected:
    explicit CustomHand(QObject* parent = nullptr);
    void setImage(const QImage& image);
    void setError(const QString& error);

private:
    QImage m_image;
    QString m_error;
};
