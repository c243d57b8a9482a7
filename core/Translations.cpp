#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace plakmund {

namespace {

// Installs the translation named prefix for the first of the locale's languages
// that one of the folders holds; returns it, or nothing where there is none.
QTranslator *install(const QLocale &locale, const QString &prefix, const QStringList &folders)
{
    auto translator = std::make_unique<QTranslator>(QCoreApplication::instance());
    for (const QString &folder : folders) {
        if (translator->load(locale, prefix, QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(translator.get());
            return translator.release();
        }
    }
    return nullptr;
}

} // namespace

void installTranslations()
{
    const QTranslator *own = install(QLocale(), QStringLiteral("plakmund"), {QStringLiteral(":/i18n")});
    if (!own)
        return;
    // Qt's own words (the dialogs', the standard buttons') in the same language, so that
    // no box mixes two: the system's Qt's, or on Windows those unpacked beside the program.
    install(QLocale(own->language()), QStringLiteral("qtbase"),
            {QLibraryInfo::path(QLibraryInfo::TranslationsPath), QCoreApplication::applicationDirPath() + QStringLiteral("/translations")});
}

} // namespace plakmund
