#pragma once
// Reading values back from the settings file, which may have been edited by
// hand, written by another version, or damaged. A value that cannot be read as
// its type gives the setting's default; a readable number is kept as it is.

#include "common/RawEnum.h"
#include <QVariant>

namespace StoredValue {
QString text(const QVariant& stored, const QString& fallback);
bool flag(const QVariant& stored, bool fallback);
double number(const QVariant& stored, double fallback);

template <typename E> E choice(const QVariant& stored, E fallback) {
    if (stored.typeId() != QMetaType::QString) return fallback;
    return fromRawValue<E>(stored.toString()).value_or(fallback);
}
} // namespace StoredValue
