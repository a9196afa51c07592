#include "prefs/SettingsWriter.h"

#include <QCoreApplication>
#include <QMutexLocker>
#include <QSettings>

SettingsWriter::SettingsWriter(const QString& path, QObject* parent)
    : QObject(parent), m_path(path) {
    m_thread.setMaxThreadCount(1);
}

SettingsWriter::~SettingsWriter() {
    m_thread.waitForDone();
}

void SettingsWriter::write(const QVariantMap& changes) {
    QMutexLocker locker(&m_lock);
    m_pending.insert(changes);
    if (m_draining) return; // the running write picks them up when it is done
    m_draining = true;
    m_thread.start([this] { drain(); });
}

void SettingsWriter::drain() {
    for (;;) {
        QVariantMap changes;
        {
            QMutexLocker locker(&m_lock);
            if (m_pending.isEmpty()) {
                m_draining = false;
                return;
            }
            changes.swap(m_pending);
        }
        QSettings file(m_path, QSettings::IniFormat);
        for (auto it = changes.cbegin(); it != changes.cend(); ++it)
            file.setValue(it.key(), it.value());
        file.sync();
        const bool ok = file.status() == QSettings::NoError;
        QMetaObject::invokeMethod(
            this, [this, ok] { emit written(ok); }, Qt::QueuedConnection);
    }
}

void SettingsWriter::finish() {
    m_thread.waitForDone();
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}
