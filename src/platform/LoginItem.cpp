#include "platform/LoginItem.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {
// The program as one quoted argument of an Exec key: inside the quotes a
// backslash escapes " ` $ and \, a % is doubled (it would start a field code),
// and the whole value then gets the string escapes of a desktop file.
QString execValue(const QString& program) {
    QString quoted;
    for (const QChar c : program) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        else if (c == u'%')
            quoted += u'%';
        quoted += c;
    }
    quoted = u'"' + quoted + u'"';
    QString value;
    for (const QChar c : quoted) {
        if (c == u'\\')
            value += QStringLiteral("\\\\");
        else if (c == u'\n')
            value += QStringLiteral("\\n");
        else if (c == u'\t')
            value += QStringLiteral("\\t");
        else if (c == u'\r')
            value += QStringLiteral("\\r");
        else
            value += c;
    }
    return value;
}

bool isTrue(const QByteArray& value) {
    return value.trimmed() == "true";
}
} // namespace

LoginItem::LoginItem(QString entryFile, QString program)
    : m_entryFile(std::move(entryFile)), m_program(std::move(program)) {}

LoginItem LoginItem::forThisUser() {
    return LoginItem(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                         QStringLiteral("/autostart/handwick.desktop"),
                     QCoreApplication::applicationFilePath());
}

QByteArray LoginItem::entryText(const QString& program) {
    return QByteArrayLiteral("[Desktop Entry]\n"
                             "Type=Application\n"
                             "Name=Handwick\n"
                             "Comment=A little hand on a stick that points at things on your "
                             "screen\n"
                             "Exec=") +
           execValue(program).toUtf8() +
           QByteArrayLiteral("\n"
                             "Terminal=false\n"
                             "X-GNOME-Autostart-enabled=true\n");
}

bool LoginItem::isEnabled() const {
    QFile file(m_entryFile);
    if (!QFileInfo(m_entryFile).isFile() || !file.open(QIODevice::ReadOnly)) return false;
    // An entry turned off by the desktop's own tools stays on disk, hidden.
    bool inEntry = false;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine(4096).trimmed();
        if (line.startsWith('[')) inEntry = line == "[Desktop Entry]";
        if (!inEntry) continue;
        if (line.startsWith("Hidden=") && isTrue(line.mid(7))) return false;
        if (line.startsWith("X-GNOME-Autostart-enabled=") && !isTrue(line.mid(26))) return false;
    }
    return true;
}

void LoginItem::setEnabled(bool enabled) {
    if (!enabled) {
        QFile::remove(m_entryFile);
        return;
    }
    // Written whole or not at all: a half-written entry could start nothing.
    QDir().mkpath(QFileInfo(m_entryFile).absolutePath());
    QSaveFile file(m_entryFile);
    if (!file.open(QIODevice::WriteOnly)) return;
    file.write(entryText(m_program));
    file.commit();
}
