#pragma once
// Small enumerations whose identity is a text raw value (what the settings store
// keeps), with a translatable title and the list of all cases in picker order.
//
// Each enumeration specialises RawEnumTraits with a `context` (the translation
// context) and a `cases` table; the helpers below then work for all of them.

#include <QCoreApplication>
#include <QString>
#include <array>
#include <optional>
#include <vector>

template <typename E> struct RawEnumCase {
    E value;
    const char* raw;
    const char* title; // English text, also the translation key
};

template <typename E> struct RawEnumTraits; // specialised per enumeration

template <typename E> QString rawValue(E value) {
    for (const auto& c : RawEnumTraits<E>::cases)
        if (c.value == value) return QString::fromLatin1(c.raw);
    return {};
}

// Exact, case-sensitive match of the whole text; anything else is no value.
template <typename E> std::optional<E> fromRawValue(const QString& text) {
    for (const auto& c : RawEnumTraits<E>::cases)
        if (text == QLatin1String(c.raw)) return c.value;
    return std::nullopt;
}

template <typename E> QString title(E value) {
    for (const auto& c : RawEnumTraits<E>::cases)
        if (c.value == value)
            return QCoreApplication::translate(RawEnumTraits<E>::context, c.title);
    return {};
}

template <typename E> std::vector<E> allCases() {
    std::vector<E> out;
    for (const auto& c : RawEnumTraits<E>::cases)
        out.push_back(c.value);
    return out;
}
