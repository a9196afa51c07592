#include "devtools/Snapshot.h"
#include "overlay/Pointer.h"
#include "ui/ToolbarPanel.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <memory>

namespace DevTools {
namespace {
// The program's windows a picture may show: not the toolbar (the overlays
// are not widgets).
QList<QWidget*> ownWindows() {
    QList<QWidget*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && !qobject_cast<ToolbarPanel*>(widget)) windows << widget;
    return windows;
}

// What the program draws of its largest window (the window manager draws the
// title bar on this desktop, so it is not in the picture).
void pictureLargestWindow(const QString& file) {
    QWidget* largest = nullptr;
    for (QWidget* window : ownWindows())
        if (!largest || window->width() * window->height() > largest->width() * largest->height())
            largest = window;
    if (largest) largest->grab().save(file, "PNG");
}

void say(const QString& line) {
    std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

struct Run {
    QString dir;
    std::vector<Step> steps;
    Pointer& pointer;
    SnapshotTiming timing;
    size_t next = 0;
};

void runNext(const std::shared_ptr<Run>& run) {
    if (run->next == run->steps.size()) {
        say(QStringLiteral("EXIT 0"));
        QCoreApplication::exit(0);
        return;
    }
    const Step& step = run->steps[run->next++];
    for (QWidget* window : ownWindows())
        window->hide();
    if (step.act) step.act();
    QTimer::singleShot(run->timing.settle, [run, name = step.name] {
        const QString file = QDir(run->dir).filePath(name + QStringLiteral(".png"));
        if (name == QLatin1String("pointer")) {
            renderPointer(run->pointer, file);
            run->pointer.turnOff();
        } else {
            pictureLargestWindow(file);
        }
        say(QStringLiteral("shot ") + name);
        runNext(run);
    });
}
} // namespace

void snapshot(const QString& dir, std::vector<Step> steps, Pointer& pointer,
              SnapshotTiming timing) {
    QDir().mkpath(dir);
    auto run = std::make_shared<Run>(Run{dir, std::move(steps), pointer, timing});
    QTimer::singleShot(timing.first, [run] { runNext(run); });
}

} // namespace DevTools
