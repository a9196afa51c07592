#pragma once
// What one handwick process asks of the running one, and how it travels: one
// line "handwick/1 <name> [argument]\n", answered by "ok\n" or
// "error <text>\n". Lines are short and plain ASCII; anything else is not ours.

#include <QByteArray>
#include <QString>
#include <optional>

struct RemoteCommand {
    QString name;     // "toggle", "tool", "reopen", …
    QString argument; // empty for the commands that take none
    bool operator==(const RemoteCommand&) const = default;
};

namespace RemoteCommands {
// Started again while running: the running one comes forward.
inline const QString reopen = QStringLiteral("reopen");
// Another process stored a new custom hand: read it from disk.
inline const QString reloadHand = QStringLiteral("reload-hand");

// Whether `name` is a command that needs an argument (tool, color, hand).
bool takesArgument(const QString& name);
// Why `command` cannot be carried out as given (an unknown name, a missing or
// stray argument, a value that names nothing), as one line; empty when it can.
QString problem(const RemoteCommand& command);
} // namespace RemoteCommands

namespace RemoteProtocol {
constexpr int kVersion = 1;
// The longest line either side sends or reads, newline included.
constexpr qsizetype kLongestLine = 256;

QByteArray encode(const RemoteCommand& command);

struct Request {
    enum class Kind { command, otherVersion, notOurs };
    Kind kind = Kind::notOurs;
    RemoteCommand command;
};
// One received line, with or without its newline.
Request decode(const QByteArray& line);

QByteArray okReply();
QByteArray errorReply(const QString& why);
// The error text of a reply line; empty for "ok"; nothing when the line is no reply.
std::optional<QString> decodeReply(const QByteArray& line);
} // namespace RemoteProtocol
