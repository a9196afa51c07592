#pragma once
// The command line: every switch handwick knows, in one table, read with
// Qt's parser. Reading never acts; EntryPoint does what was asked.

#include "app/RemoteCommand.h"

#include <QHash>
#include <QStringList>
#include <optional>
#include <vector>

namespace CommandLine {
struct Request {
    QString error;                     // why the arguments cannot be used; empty when fine
    bool help = false;                 // --help (-h)
    bool version = false;              // --version (-v)
    QHash<QString, QString> values;    // switches other than remote control, by name
    std::vector<RemoteCommand> remote; // remote-control switches, in the order given

    bool has(const QString& name) const { return values.contains(name); }
    // The value of `name` when it was given (empty for a switch without one).
    std::optional<QString> value(const QString& name) const;
};

// Reads the arguments, the program's path first. Arguments that are not
// switches are ignored; a switch that needs a folder and is the last
// argument too ("--render-hands").
Request read(const QStringList& args);

// What --help prints, and --version.
QString helpText();
QString versionText();
} // namespace CommandLine
