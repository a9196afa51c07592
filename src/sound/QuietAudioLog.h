#pragma once
#include <QString>
#include <QtGlobal>

// Qt Multimedia reports a missing or vanished sound server on the console,
// once per stream. For tap sounds silence is the right answer, so those
// messages are dropped; every other message goes where it went before.
namespace QuietAudioLog {
void install(); // once per process; later calls do nothing

bool isAudioNoise(QtMsgType type, const char* category, const QString& text);
} // namespace QuietAudioLog
