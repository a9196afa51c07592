#pragma once
// The real handwick program (HANDWICK_BIN) started for one test with a home
// of its own, so no settings carry over between tests. Ended by its PID.

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>

class HandwickProcess {
  public:
    // `extra` is added to the environment (for example HANDWICK_FRAME_STATS).
    explicit HandwickProcess(const QProcessEnvironment& extra = {});
    ~HandwickProcess() { stop(); }
    HandwickProcess(const HandwickProcess&) = delete;
    HandwickProcess& operator=(const HandwickProcess&) = delete;

    // Starts the program; false (with a reason in errorString()) when it cannot.
    bool start(const QStringList& arguments = {});
    qint64 pid() const { return m_process.processId(); }
    bool isRunning() const { return m_process.state() == QProcess::Running; }
    QString errorString() const { return m_error; }
    // Its home; settings live in config/ below it.
    QString home() const { return m_home.path(); }
    // The environment it runs in (its own home), for other commands to share it.
    QProcessEnvironment environment() const { return m_process.processEnvironment(); }
    // Its settings file, read by the program at start.
    QString settingsFile() const;
    // What the program printed so far (standard output and error together).
    QString output();
    // Its exit status once it ends by itself within `ms`; -1 if it does not.
    int waitForExit(int ms);
    // Asks it to end (SIGTERM), then kills it if it does not.
    void stop();

  private:
    QTemporaryDir m_home;
    QProcess m_process;
    QString m_error;
    QByteArray m_output;
};
