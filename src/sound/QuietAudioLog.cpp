#include "sound/QuietAudioLog.h"

#include <QString>
#include <cstdio>
#include <mutex>

namespace {
QtMessageHandler previousHandler = nullptr;

// Uncategorised messages of the sound output, as Qt 6 words them.
constexpr const char* noisePrefixes[] = {
    "PulseAudioService:", "Stream error:", "No audio device detected",
    "QAudioSink:",        "QAudioSource:", "pa_stream",
    "QPulseAudio",
};

void filteringHandler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (QuietAudioLog::isAudioNoise(type, context.category, text)) return;
    if (previousHandler) {
        previousHandler(type, context, text);
    } else {
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
    }
}
} // namespace

namespace QuietAudioLog {
void install() {
    static std::once_flag once;
    std::call_once(once, [] { previousHandler = qInstallMessageHandler(filteringHandler); });
}

bool isAudioNoise(QtMsgType type, const char* category, const QString& text) {
    if (type == QtFatalMsg) return false;
    const QLatin1String name(category ? category : "default");
    if (name.startsWith(QLatin1String("qt.multimedia"))) return true;
    if (name != QLatin1String("default")) return false;
    // Messages built with qWarning() << QString arrive quoted.
    QStringView body(text);
    if (body.startsWith(u'"')) body = body.sliced(1);
    for (const char* prefix : noisePrefixes)
        if (body.startsWith(QLatin1String(prefix))) return true;
    return false;
}
} // namespace QuietAudioLog
