// Which language the suite speaks: both catalogues of the first of the user's languages that has
// them, or English with none loaded.
#include "Languages.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(Languages, BothCataloguesOfTheFirstLanguageThatHasThemElseEnglish)
{
    int argc = 1;
    char name[] = "languages_test";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    const QString qt = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    const QTemporaryDir withoutQts;
    const struct {
        QStringList user;
        QString qtCatalogues;
        bool german;
    } rows[] = {
        {{"de-DE", "de"}, qt, true},
        {{"de-AT"}, qt, true},
        {{"fr-FR", "de-DE"}, qt, true},  // the suite speaks no French: the next language
        {{"en-GB", "de-DE"}, qt, false}, // English comes first: nothing loaded
        {{"C"}, qt, false},
        {{}, qt, false},
        {{"de-DE"}, withoutQts.path(), false},  // Qt's own missing: not the suite's alone either
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.user.join(u',').toStdString() + " " + row.qtCatalogues.toStdString());
        const Languages languages(row.user, row.qtCatalogues);
        languages.install();
        EXPECT_EQ(languages.language().startsWith(QStringLiteral("de")), row.german);
        EXPECT_EQ(QCoreApplication::translate("PlotPane", "port lost"), row.german ? "Port getrennt" : "port lost");
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), row.german ? "Abbrechen" : "Cancel");
    }
    // Gone with the languages: English again.
    EXPECT_EQ(QCoreApplication::translate("PlotPane", "port lost"), "port lost");
}

} // namespace
