#pragma once
#include "handart/HandSprite.h"
#include "handart/Landmarks.h"
#include <QImage>
#include <QObject>
#include <QString>
#include <QThreadPool>
#include <optional>

// The user's own hand, cut out of a photo and stored as a PNG file. Lives on
// the main thread; only the reading and cutting out of a photo runs elsewhere.
class CustomHand : public QObject {
    Q_OBJECT
    Q_PROPERTY(QImage image READ image NOTIFY imageChanged)
    Q_PROPERTY(QString error READ error NOTIFY errorChanged)

  public:
    // The user's hand, stored in "Handwick/custom-hand.png" in the data folder.
    static CustomHand& shared();
    static QString defaultFile();

    // A hand stored in `file`, loaded from it now if it holds a picture.
    explicit CustomHand(const QString& file, QObject* parent = nullptr);
    ~CustomHand() override;

    QString file() const { return m_file; }
    QImage image() const { return m_image; }
    bool hasImage() const { return !m_image.isNull(); }
    QString error() const { return m_error; }

    // Reads and cuts out the photo in the background; then stores it, shows it
    // and makes it the current hand, or sets `error` and keeps the old hand.
    // Imports run one after another, each to the end; the last one decides.
    void importPhoto(const QString& path);
    // Deletes the stored hand; falls back to the classic hand if it was chosen.
    void remove();

    // The photo as a sprite `height` points tall; nothing while there is no
    // image (or the photo is too narrow to be a pixel wide at that height).
    std::optional<HandSprite> sprite(double height, double scale) const;

    static std::optional<QImage> cutOut(const QImage& photo);
    static Landmarks landmarks(const QImage& cutOut) { return Landmarks::find(cutOut); }

  signals:
    void imageChanged();
    void errorChanged();
    // After each `importPhoto`, on the main thread, once its outcome is shown.
    void importFinished(bool ok);

  protected:
    void setImage(const QImage& image);
    void setError(const QString& error);

  private:
    struct Outcome;
    static Outcome prepare(const QString& path);
    void finish(const Outcome& outcome);
    bool store(const QByteArray& png);

    QString m_file;
    QImage m_image;
    QString m_error;
    QThreadPool m_workers;
};
