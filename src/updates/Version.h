#pragma once
// Ordering of version texts as feeds write them: numbers compare as numbers
// (1.10 is after 1.9), missing parts count as zero (1.2 equals 1.2.0), and a
// pre-release suffix comes before its release (1.2-beta1 < 1.2-rc1 < 1.2).

#include <QString>

namespace Version {
// Negative when a is older than b, zero when they are the same, positive when newer.
int compare(const QString& a, const QString& b);
} // namespace Version
