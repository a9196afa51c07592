#include "platform/ServerLoss.h"

#include <QGuiApplication>
#include <QString>
#include <X11/Xlib.h>
#include <cstdio>
#include <cstdlib>

namespace {
QtMessageHandler previousHandler = nullptr;

[[noreturn]] void endNow() {
    std::fflush(nullptr);
    std::_Exit(1);
}

// Qt's own notice of a broken connection comes just before it calls exit().
void handler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (previousHandler)
        previousHandler(type, context, text);
    else
        std::fprintf(stderr, "%s\n", qPrintable(text));
    if (type == QtWarningMsg && text.startsWith(QLatin1String("The X11 connection broke")))
        endNow();
}

int ioErrorHandler(Display*) {
    std::fputs("handwick: the X server went away\n", stderr);
    endNow();
}
} // namespace

namespace ServerLoss {
void endAtOnce() {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return;
    previousHandler = qInstallMessageHandler(handler);
    XSetIOErrorHandler(ioErrorHandler);
}
} // namespace ServerLoss
