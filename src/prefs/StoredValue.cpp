#include "prefs/StoredValue.h"

namespace StoredValue {

QString text(const QVariant& stored, const QString& fallback) {
    // A list or a map where text belongs cannot be a hand id.
    if (!stored.isValid() || stored.typeId() == QMetaType::QVariantList ||
        stored.typeId() == QMetaType::QStringList || stored.typeId() == QMetaType::QVariantMap)
        return fallback;
    return stored.toString();
}

bool flag(const QVariant& stored, bool fallback) {
    if (stored.typeId() == QMetaType::Bool) return stored.toBool();
    const QString t = stored.toString().trimmed().toLower();
    if (t == u"true" || t == u"yes") return true;
    if (t == u"false" || t == u"no") return false;
    bool ok = false;
    const double n = t.toDouble(&ok);
    if (ok && n == n) return n != 0;
    return fallback;
}

double number(const QVariant& stored, double fallback) {
    if (!stored.isValid()) return fallback;
    bool ok = false;
    const double n = stored.toString().trimmed().toDouble(&ok);
    return ok ? n : fallback;
}

} // namespace StoredValue
