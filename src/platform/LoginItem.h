#pragma once
// "Open at login" as the desktop knows it: an XDG autostart entry
// (~/.config/autostart/handwick.desktop, XDG_CONFIG_HOME honoured) that starts
// this program when the user logs in. Nothing is cached: every reading looks
// at the file, so a change made by another tool or a failed write shows at once.

#include <QString>

class LoginItem {
  public:
    // `entryFile` is the autostart entry, `program` the executable it starts.
    LoginItem(QString entryFile, QString program);
    // The user's autostart entry for the running executable.
    static LoginItem forThisUser();

    // True while the entry exists and does not hide itself.
    bool isEnabled() const;
    // Writes or deletes the entry; a failure leaves the file as it was, and
    // isEnabled() tells the truth afterwards.
    void setEnabled(bool enabled);

    QString entryFile() const { return m_entryFile; }
    // The entry's text for `program`, its path quoted as an Exec key wants it.
    static QByteArray entryText(const QString& program);

  private:
    QString m_entryFile;
    QString m_program;
};
