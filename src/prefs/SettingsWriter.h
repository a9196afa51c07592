#pragma once
// Writes settings on a thread of its own: a key press or a frame never waits
// on the disk, however large the file. Changes that arrive while a write runs
// go out together in the next one.

#include <QMutex>
#include <QObject>
#include <QString>
#include <QThreadPool>
#include <QVariantMap>

class SettingsWriter : public QObject {
    Q_OBJECT
  public:
    explicit SettingsWriter(const QString& path, QObject* parent = nullptr);
    // Finishes every write queued so far.
    ~SettingsWriter() override;

    QString path() const { return m_path; }
    // Queues key → stored value pairs for writing.
    void write(const QVariantMap& changes);
    // Blocks until everything queued so far is on disk (or has failed), and
    // announces the outcome before it returns.
    void finish();

  signals:
    // After each write, on the thread that made the writer.
    void written(bool ok);

  private:
    void drain();

    const QString m_path;
    QThreadPool m_thread;
    QMutex m_lock;
    QVariantMap m_pending;   // guarded by m_lock
    bool m_draining = false; // guarded by m_lock
};
