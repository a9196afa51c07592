#include "app/RemoteCommand.h"
#include "handart/HandSkin.h"
#include "prefs/InkColor.h"
#include "prefs/Tool.h"

#include <QCoreApplication>
#include <QStringList>

namespace RemoteCommands {
namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("RemoteCommands", text);
}

template <typename E> QString rawValues() {
    QStringList out;
    for (E value : allCases<E>())
        out << rawValue(value);
    return out.join(QStringLiteral(", "));
}

QString handIds() {
    QStringList ids;
    for (const HandSkin& skin : HandSkin::all())
        ids << skin.id;
    ids << HandSkin::custom().id;
    return ids.join(QStringLiteral(", "));
}
} // namespace

bool takesArgument(const QString& name) {
    return name == QLatin1String("tool") || name == QLatin1String("color") ||
           name == QLatin1String("hand");
}

QString problem(const RemoteCommand& command) {
    const QString& name = command.name;
    const QString& value = command.argument;
    static const QStringList plainNames = {"toggle",    "on",    "off",  "clear",   "undo",
                                           "spotlight", "laser", reopen, reloadHand};
    if (plainNames.contains(name))
        return value.isEmpty() ? QString() : tr("--%1 takes no value").arg(name);
    if (!takesArgument(name)) return tr("unknown command \"%1\"").arg(name);
    if (name == QLatin1String("tool") && !fromRawValue<Tool>(value))
        return tr("unknown tool \"%1\"; the tools are %2").arg(value, rawValues<Tool>());
    if (name == QLatin1String("color") && !fromRawValue<InkColor>(value))
        return tr("unknown color \"%1\"; the colors are %2").arg(value, rawValues<InkColor>());
    if (name == QLatin1String("hand") && !HandSkin::find(value))
        return tr("unknown hand \"%1\"; the hands are %2").arg(value, handIds());
    return {};
}
} // namespace RemoteCommands

namespace RemoteProtocol {
namespace {
const QByteArray prefix = "handwick/";

// Printable ASCII and single spaces between words only: no control
// characters, no bytes a terminal or a log could take for something else.
bool isPlain(const QByteArray& line) {
    for (char c : line)
        if (c < 0x20 || c > 0x7e) return false;
    return !line.contains("  ") && !line.startsWith(' ') && !line.endsWith(' ');
}

QByteArray withoutNewline(QByteArray line) {
    if (line.endsWith('\n')) line.chop(1);
    return line;
}
} // namespace

QByteArray encode(const RemoteCommand& command) {
    QByteArray line = prefix + QByteArray::number(kVersion) + ' ' + command.name.toLatin1();
    if (!command.argument.isEmpty()) line += ' ' + command.argument.toLatin1();
    return line + '\n';
}

Request decode(const QByteArray& received) {
    const QByteArray line = withoutNewline(received);
    if (line.size() >= kLongestLine || !isPlain(line) || !line.startsWith(prefix)) return {};
    const QList<QByteArray> words = line.split(' ');
    bool isNumber = false;
    const int version = words.front().mid(prefix.size()).toInt(&isNumber);
    if (!isNumber) return {};
    if (version != kVersion) return {Request::Kind::otherVersion, {}};
    if (words.size() < 2 || words.size() > 3) return {};
    return {Request::Kind::command,
            {QString::fromLatin1(words[1]),
             words.size() == 3 ? QString::fromLatin1(words[2]) : QString()}};
}

QByteArray okReply() {
    return "ok\n";
}

QByteArray errorReply(const QString& why) {
    // Cut as text, not as bytes, so no character is left in halves.
    QString shortened = why;
    while (shortened.toUtf8().size() > kLongestLine - 8)
        shortened.chop(1);
    QByteArray text = shortened.toUtf8();
    text.replace('\n', ' ');
    return "error " + text + '\n';
}

std::optional<QString> decodeReply(const QByteArray& received) {
    const QByteArray line = withoutNewline(received);
    if (line == "ok") return QString();
    if (line.startsWith("error ")) return QString::fromUtf8(line.mid(6)).trimmed();
    return std::nullopt;
}
} // namespace RemoteProtocol
