#include "updates/Version.h"

#include <QList>
#include <QStringView>

namespace {

// Only ASCII digits: other scripts' digits would not convert to numbers.
bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

struct Parsed {
    QList<qulonglong> release; // 1.10.2 → {1, 10, 2}
    QString suffix;            // "beta1" for 1.10.2-beta1, empty for a release
};

Parsed parse(QString text) {
    text = text.trimmed();
    if (text.startsWith(QLatin1Char('v'), Qt::CaseInsensitive)) text.remove(0, 1);
    Parsed parsed;
    qsizetype at = 0;
    while (at < text.size()) {
        const qsizetype start = at;
        while (at < text.size() && isDigit(text.at(at)))
            ++at;
        if (at == start) break; // not a number: the suffix begins here
        parsed.release << QStringView(text).sliced(start, at - start).toULongLong();
        if (at < text.size() && text.at(at) == QLatin1Char('.') && at + 1 < text.size() &&
            isDigit(text.at(at + 1)))
            ++at;
        else
            break;
    }
    parsed.suffix = text.sliced(at);
    // "-beta1", ".beta1", "beta1" and "~beta1" all name the same pre-release.
    while (!parsed.suffix.isEmpty() && !parsed.suffix.front().isLetterOrNumber())
        parsed.suffix.remove(0, 1);
    return parsed;
}

int sign(auto a, auto b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

// Runs of digits compare as numbers, runs of anything else as text
// (alpha < beta < rc); a shorter suffix that is a prefix comes first.
int compareSuffixes(QStringView a, QStringView b) {
    while (!a.isEmpty() && !b.isEmpty()) {
        const bool digitsA = isDigit(a.front()), digitsB = isDigit(b.front());
        if (digitsA != digitsB) return digitsA ? -1 : 1;
        auto run = [](QStringView s, bool digits) {
            qsizetype n = 0;
            while (n < s.size() && isDigit(s.at(n)) == digits)
                ++n;
            return n;
        };
        const qsizetype lengthA = run(a, digitsA), lengthB = run(b, digitsB);
        const QStringView partA = a.first(lengthA), partB = b.first(lengthB);
        const int order = digitsA ? sign(partA.toULongLong(), partB.toULongLong())
                                  : partA.compare(partB, Qt::CaseInsensitive);
        if (order != 0) return sign(order, 0);
        a = a.sliced(lengthA);
        b = b.sliced(lengthB);
    }
    return sign(a.size(), b.size());
}

} // namespace

int Version::compare(const QString& a, const QString& b) {
    const Parsed left = parse(a), right = parse(b);
    const qsizetype parts = std::max(left.release.size(), right.release.size());
    for (qsizetype i = 0; i < parts; ++i) {
        const int order = sign(left.release.value(i, 0), right.release.value(i, 0));
        if (order != 0) return order;
    }
    if (left.suffix.isEmpty() || right.suffix.isEmpty())
        return sign(left.suffix.isEmpty(), right.suffix.isEmpty()); // a release is newer
    return compareSuffixes(left.suffix, right.suffix);
}
