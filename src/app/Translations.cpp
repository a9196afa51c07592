#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace Translations {
namespace {
// Beside the program's share folder: the build tree mirrors the installed
// layout (bin/handwick, share/handwick/translations), so both work unchanged.
QString ownFolder() {
    return QCoreApplication::applicationDirPath() +
           QStringLiteral("/../share/handwick/translations");
}

bool load(QCoreApplication& app, const QLocale& locale, const QString& name,
          const QString& folder) {
    auto* translator = new QTranslator(&app);
    const bool loaded = translator->load(locale, name, QStringLiteral("_"), folder);
    if (loaded)
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
    return loaded;
}
} // namespace

void install(QCoreApplication& app) {
    // The system locale follows LANGUAGE, LC_ALL, LC_MESSAGES and LANG, in
    // that order of preference, and falls back from "de_AT" to "de".
    const QLocale user = QLocale::system();
    load(app, user, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    // Any other language gets the English texts, whose file holds their
    // plural forms.
    if (!load(app, user, QStringLiteral("handwick"), ownFolder()))
        load(app, QLocale(QLocale::English), QStringLiteral("handwick"), ownFolder());
}
} // namespace Translations
