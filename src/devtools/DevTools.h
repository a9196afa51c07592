#pragma once
#include <QString>

// Commands that render pictures for documentation and visual checks.
namespace DevTools {
// Writes hands-light.png and hands-dark.png into `dir` (created with its
// parents) and prints "wrote <dir>" and "EXIT 0"; when either cannot be
// written, says so in one line on standard error and returns false.
bool renderHands(const QString& dir);
} // namespace DevTools
