#include "HandwickProcess.h"

#include <QSettings>

HandwickProcess::HandwickProcess(const QProcessEnvironment& extra) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const QString home = m_home.path();
    env.insert("HOME", home);
    env.insert("XDG_CONFIG_HOME", home + "/config");
    env.insert("XDG_DATA_HOME", home + "/data");
    env.insert("XDG_CACHE_HOME", home + "/cache");
    env.remove("QT_QPA_PLATFORM"); // the real X display, never offscreen
    env.insert(extra);
    m_process.setProcessEnvironment(env);
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    // A returning user unless a test says otherwise: the welcome window of a
    // first start would take the keyboard from what the test drives.
    QSettings(settingsFile(), QSettings::IniFormat).setValue("welcomed", true);
}

QString HandwickProcess::settingsFile() const {
    return m_home.path() + "/config/Handwick/Handwick.ini";
}

bool HandwickProcess::start(const QStringList& arguments) {
    const QString program = qEnvironmentVariable("HANDWICK_BIN");
    if (!m_home.isValid() || program.isEmpty()) {
        m_error = "no temporary home, or HANDWICK_BIN does not name the handwick program";
        return false;
    }
    m_process.start(program, arguments);
    if (m_process.waitForStarted(5000)) return true;
    m_error = m_process.errorString();
    return false;
}

QString HandwickProcess::output() {
    m_output += m_process.readAll();
    return QString::fromLocal8Bit(m_output);
}

int HandwickProcess::waitForExit(int ms) {
    if (!m_process.waitForFinished(ms) || m_process.exitStatus() != QProcess::NormalExit) return -1;
    return m_process.exitCode();
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
