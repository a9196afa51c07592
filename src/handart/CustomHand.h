#pragma once
#include <QImage>
#include <QObject>
#include <QString>
#include <QThreadPool>

// The user's own hand, cut out of a photo and stored as a PNG file. It only
// stores and announces: HandSprites draws it, HandChoice::follow makes it the
// chosen hand. Lives on the main thread; only the reading and cutting out of
// a photo runs elsewhere.
class CustomHand : public QObject {
    Q_OBJECT
    Q_PROPERTY(QImage image READ image NOTIFY imageChanged)
    Q_PROPERTY(QString error READ error NOTIFY errorChanged)

  public:
    // The user's hand: ~/.local/share/Handwick/custom-hand.png (XDG_DATA_HOME honoured).
    static QString defaultFile();
    // The MIME types of the photos an import can read.
    static QStringList readableMimeTypes();
    // Photos larger than this are refused unread.
    static constexpr qint64 kLargestPhotoBytes = 100LL * 1024 * 1024;

    // A hand stored in `file`, loaded from it now if it holds a picture.
    explicit CustomHand(const QString& file, QObject* parent = nullptr);
    ~CustomHand() override;

    QString file() const { return m_file; }
    QImage image() const { return m_image; }
    bool hasImage() const { return !m_image.isNull(); }
    QString error() const { return m_error; }

    // Reads and cuts out the photo in the background; then stores and shows
    // it, or sets `error` and keeps the old hand. Imports run one after
    // another, each to the end; the last one decides.
    void importPhoto(const QString& path);
    // Reads the stored hand afresh, as another process imported it; a
    // picture found counts as a successful import.
    void reload();
    // Deletes the stored hand and shows none.
    void remove();

  signals:
    void imageChanged();
    void errorChanged();
    // After each `importPhoto`, on the main thread, once its outcome is shown;
    // also after a `reload` that found a picture.
    void importFinished(bool ok);

  protected:
    void setImage(const QImage& image);
    void setError(const QString& error);

  private:
    struct Outcome;
    static Outcome prepare(const QString& path);
    void finish(const Outcome& outcome);
    QString store(const QByteArray& png);

    QString m_file;
    QImage m_image;
    QString m_error;
    QThreadPool m_workers;
    int m_removals = 0; // an import started before a removal is dropped
};
