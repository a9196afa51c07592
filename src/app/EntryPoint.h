#pragma once

namespace EntryPoint {
// Sorts out the command-line switches and runs the program; returns the exit status.
int run(int argc, char** argv);
} // namespace EntryPoint
