#include "HandwickProcess.h"

#include <QDir>

HandwickProcess::HandwickProcess(const QProcessEnvironment& extra) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const QString home = m_home.path();
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/data"));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), home + QStringLiteral("/cache"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM")); // the real X display, never offscreen
    env.insert(extra);
    m_process.setProcessEnvironment(env);
    m_process.setProcessChannelMode(QProcess::MergedChannels);
}

HandwickProcess::~HandwickProcess() {
    stop();
}

QString HandwickProcess::program() {
    return qEnvironmentVariable("HANDWICK_BIN");
}

bool HandwickProcess::start(const QStringList& arguments) {
    if (!m_home.isValid()) {
        m_error = QStringLiteral("cannot make a temporary home");
        return false;
    }
    if (program().isEmpty()) {
        m_error = QStringLiteral("HANDWICK_BIN does not name the handwick program");
        return false;
    }
    m_process.start(program(), arguments);
    if (!m_process.waitForStarted(5000)) {
        m_error = m_process.errorString();
        return false;
    }
    return true;
}

QString HandwickProcess::output() {
    m_output += m_process.readAll();
    return QString::fromLocal8Bit(m_output);
}

void HandwickProcess::stop() {
    if (m_process.state() == QProcess::NotRunning) return;
    m_process.terminate();
    if (!m_process.waitForFinished(3000)) {
        m_process.kill();
        m_process.waitForFinished(3000);
    }
    m_output += m_process.readAll();
}
