#include "handart/CustomHand.h"
#include "handart/photo/CutOut.h"
#include "handart/photo/PhotoReader.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <exception>

struct CustomHand::Outcome {
    enum class Failure { none, tooLarge, unreadable, notPicture, noHand, notSaved };
    Failure failure = Failure::none;
    QImage image;
    QByteArray png;
    QString savedBecause; // why an encoded cut-out is missing
};

QString CustomHand::defaultFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Handwick/custom-hand.png");
}

QStringList CustomHand::readableMimeTypes() {
    return PhotoReader::mimeTypes();
}

CustomHand::CustomHand(const QString& file, QObject* parent) : QObject(parent), m_file(file) {
    // One import at a time: the last one started is the last to finish, and
    // a burst of imports never holds more than one photo in memory.
    m_workers.setMaxThreadCount(1);
    // A missing or damaged file simply means there is no custom hand yet.
    if (const auto stored = PhotoReader::read(m_file)) m_image = *stored;
}

CustomHand::~CustomHand() {
    m_workers.waitForDone();
}

void CustomHand::setImage(const QImage& image) {
    if (image == m_image) return;
    m_image = image;
    emit imageChanged();
}

void CustomHand::setError(const QString& error) {
    if (error == m_error) return;
    m_error = error;
    emit errorChanged();
}

CustomHand::Outcome CustomHand::prepare(const QString& path) {
    Outcome outcome;
    const QFileInfo file(path);
    // Refused before a byte is read: a huge file that merely starts like a
    // picture would otherwise cost its size in memory and seconds of decoding.
    if (file.isFile() && file.size() > kLargestPhotoBytes) {
        outcome.failure = Outcome::Failure::tooLarge;
        return outcome;
    }
    if (file.isFile() && !file.isReadable()) {
        outcome.failure = Outcome::Failure::unreadable;
        return outcome;
    }
    std::optional<QImage> photo = PhotoReader::read(path);
    if (!photo) {
        outcome.failure = Outcome::Failure::notPicture;
        return outcome;
    }
    std::optional<QImage> cut;
    try {
        cut = CutOut::make(*photo);
    } catch (const std::exception&) {
        // Whatever the image library objects to, the import fails with a
        // message; nothing may end the program from the worker thread.
    }
    photo.reset();
    if (!cut) {
        outcome.failure = Outcome::Failure::noHand;
        return outcome;
    }
    QBuffer buffer(&outcome.png);
    buffer.open(QIODevice::WriteOnly);
    if (!cut->save(&buffer, "PNG")) {
        outcome.failure = Outcome::Failure::notSaved;
        outcome.savedBecause = tr("the cut-out could not be encoded");
    }
    outcome.image = *cut;
    return outcome;
}

void CustomHand::importPhoto(const QString& path) {
    setError(QString());
    m_workers.start([this, path, removals = m_removals] {
        Outcome outcome = prepare(path);
        QMetaObject::invokeMethod(
            this,
            [this, removals, outcome = std::move(outcome)] {
                // Removed while it was being cut out: the user wants no hand now.
                if (removals != m_removals)
                    emit importFinished(false);
                else
                    finish(outcome);
            },
            Qt::QueuedConnection);
    });
}

void CustomHand::finish(const Outcome& outcome) {
    using Failure = Outcome::Failure;
    Failure failure = outcome.failure;
    // Showing a hand that could not be stored would lose it at the next start:
    // a failed write keeps the previous hand, file and choice.
    QString whyNotSaved = outcome.savedBecause;
    if (failure == Failure::none) {
        whyNotSaved = store(outcome.png);
        if (!whyNotSaved.isEmpty()) failure = Failure::notSaved;
    }

    switch (failure) {
    case Failure::tooLarge:
        setError(tr("This file is too large for a photo of a hand (over 100 MB)."));
        break;
    case Failure::unreadable:
        setError(tr("Handwick is not allowed to read this file."));
        break;
    case Failure::notPicture:
        setError(tr("This file is not a picture Handwick can read."));
        break;
    case Failure::noHand:
        setError(tr("No hand found in this photo. A plain background helps."));
        break;
    case Failure::notSaved:
        setError(tr("Handwick could not save your hand to %1: %2.")
                     .arg(QDir::toNativeSeparators(m_file), whyNotSaved));
        break;
    case Failure::none:
        setError(QString()); // the last import to finish decides
        setImage(outcome.image);
        break;
    }
    emit importFinished(failure == Failure::none);
}

// Written to a temporary file and renamed over the old one: a crash or a full
// disk never leaves a broken or half-written hand behind. Returns why it
// failed, or nothing.
QString CustomHand::store(const QByteArray& png) {
    const QString folder = QFileInfo(m_file).absolutePath();
    if (!QDir().mkpath(folder))
        return tr("the folder %1 cannot be made").arg(QDir::toNativeSeparators(folder));
    QSaveFile file(m_file);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    if (file.write(png) != png.size()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return why;
    }
    return file.commit() ? QString() : file.errorString();
}

void CustomHand::reload() {
    const std::optional<QImage> stored = PhotoReader::read(m_file);
    setImage(stored.value_or(QImage()));
    if (!stored) return;
    setError(QString());
    emit importFinished(true);
}

void CustomHand::remove() {
    ++m_removals;
    QFile::remove(m_file);
    setImage(QImage());
}
