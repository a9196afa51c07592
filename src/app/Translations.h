#pragma once

class QCoreApplication;

// Loads Handwick's own translation and Qt's for the user's languages. A
// language without a translation (or a missing file) leaves the English
// texts, silently.
namespace Translations {
void install(QCoreApplication& app);
} // namespace Translations
