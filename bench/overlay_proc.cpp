#include "overlay_proc.h"

#include <QDir>
#include <QFile>
#include <QTextStream>
#include <unistd.h>

namespace ProcFigures {
namespace {
QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int64_t fieldOf(const QByteArray& status, const QByteArray& name) {
    for (const QByteArray& line : status.split('\n'))
        if (line.startsWith(name + ':'))
            return line.mid(name.size() + 1).trimmed().split(' ')[0].toLongLong();
    return 0;
}
} // namespace

double cpuSeconds(int64_t pid) {
    const QByteArray stat = readAll(QStringLiteral("/proc/%1/stat").arg(pid));
    // The command name may hold spaces; the fields after it are fixed.
    const qsizetype end = stat.lastIndexOf(')');
    if (end < 0) return 0;
    const QList<QByteArray> fields = stat.mid(end + 2).split(' ');
    if (fields.size() < 13) return 0;
    const double ticks = fields[11].toDouble() + fields[12].toDouble(); // utime, stime
    return ticks / double(sysconf(_SC_CLK_TCK));
}

int64_t contextSwitches(int64_t pid) {
    int64_t total = 0;
    const QString tasks = QStringLiteral("/proc/%1/task").arg(pid);
    for (const QString& task : QDir(tasks).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QByteArray status =
            readAll(tasks + QLatin1Char('/') + task + QStringLiteral("/status"));
        total += fieldOf(status, "voluntary_ctxt_switches") +
                 fieldOf(status, "nonvoluntary_ctxt_switches");
    }
    return total;
}

int64_t statusKiB(int64_t pid, const QString& field) {
    return fieldOf(readAll(QStringLiteral("/proc/%1/status").arg(pid)), field.toLatin1());
}
} // namespace ProcFigures

FrameTotals FrameTotals::read(const QString& path, int64_t& offset) {
    FrameTotals totals;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(offset)) return totals;
    // Only whole lines count; a line being written is read next time.
    const QByteArray data = file.readAll();
    const qsizetype end = data.lastIndexOf('\n') + 1;
    offset += end;
    for (const QByteArray& line : data.left(end).split('\n')) {
        const QList<QByteArray> f = line.split(' ');
        if (f[0] == "tick" && f.size() >= 2) {
            ++totals.ticks;
            totals.tickMicros += f[1].toDouble();
        } else if (f[0] == "paint" && f.size() >= 3) {
            ++totals.paints;
            totals.paintMicros += f[1].toDouble();
            totals.pixels += f[2].toDouble();
        }
    }
    return totals;
}
