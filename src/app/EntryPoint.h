#pragma once
#include <QStringList>
#include <optional>

namespace EntryPoint {
// The value after the first occurrence of `flag`; nothing when the flag is
// absent or is the last argument.
std::optional<QString> valueAfter(const QStringList& args, const QString& flag);

// Sorts out the command-line switches and runs the program; returns the exit status.
int run(int argc, char** argv);
} // namespace EntryPoint
