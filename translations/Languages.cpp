#include "Languages.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace {

// Where the build embeds the suite's catalogues.
const QString SuiteCatalogues = QStringLiteral(":/i18n");

} // namespace

Languages::Languages(const QStringList& userLanguages, const QString& qtCatalogues)
{
    for (const QString& language : userLanguages) {
        // The suite's own texts are English: no catalogue for it, nor for a later language.
        if (QLocale(language).language() == QLocale::English || QLocale(language).language() == QLocale::C)
            return;
        if (load(QString(language).replace(u'-', u'_'), qtCatalogues))
            return;
    }
}

Languages Languages::ofUser()
{
    return Languages(QLocale::system().uiLanguages(), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

// Both catalogues of `language` ("de_DE" finds boardsuite_de), or neither.
bool Languages::load(const QString& language, const QString& qtCatalogues)
{
    auto suite = std::make_unique<QTranslator>();
    auto qt = std::make_unique<QTranslator>();
    if (!suite->load(QStringLiteral("boardsuite_") + language, SuiteCatalogues) ||
        !qt->load(QStringLiteral("qtbase_") + language, qtCatalogues))
        return false;
    language_ = suite->language();
    suite_ = std::move(suite);
    qt_ = std::move(qt);
    return true;
}

void Languages::install() const
{
    if (!suite_)
        return;
    QCoreApplication::installTranslator(qt_.get());
    QCoreApplication::installTranslator(suite_.get());
}
