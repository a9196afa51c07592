#pragma once
// Pictures of the program's own windows for the documentation: a list of
// steps, each bringing something up and then photographed.

#include <QString>
#include <chrono>
#include <functional>
#include <vector>

class Pointer;

namespace DevTools {

struct Step {
    QString name; // the picture is <name>.png; "pointer" pictures the overlay
    std::function<void()> act;
};

struct SnapshotTiming {
    std::chrono::milliseconds first{1000};  // before the first step
    std::chrono::milliseconds settle{1200}; // between a step and its picture
};

// Creates `dir`, then a moment later runs `steps` one at a time: hides the
// program's other windows, acts, and once the step has settled writes its
// picture (the largest window the program shows, or for "pointer" the main
// screen's overlay) and prints "shot <name>". After the last step prints
// "EXIT 0" and ends the event loop with status 0. Pictures that cannot be
// written are skipped without a word; the sequence goes on.
void snapshot(const QString& dir, std::vector<Step> steps, Pointer& pointer,
              SnapshotTiming timing = {});

// Turns the pointer on and puts the demonstration drawing on the main screen.
void demo(Pointer& pointer);

// The main screen's overlay over a soft gradient, with the toolbar where it
// shows, written to `file`. Nothing is written while the pointer is off.
bool renderPointer(const Pointer& pointer, const QString& file);

} // namespace DevTools
