#pragma once
#include <QString>

namespace ImportCommand {
// Imports the photo at `path` as the user's hand, without any window, and
// prints one line: the stored file's path, or why it failed. Returns the
// exit status: 0 on success, 1 otherwise.
int run(const QString& path);
} // namespace ImportCommand
