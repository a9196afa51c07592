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

void load(QCoreApplication& app, const QString& name, const QString& folder) {
    auto* translator = new QTranslator(&app);
    // The system locale follows LANGUAGE, LC_ALL, LC_MESSAGES and LANG, in that order
    // of preference, and falls back from "de_AT" to "de".
    if (translator->load(QLocale::system(), name, QStringLiteral("_"), folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}
} // namespace

void install(QCoreApplication& app) {
    load(app, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    load(app, QStringLiteral("handwick"), ownFolder());
}
} // namespace Translations
