#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

#include <memory>

// The language the suite speaks: the first of the user's languages (as Qt reads them from
// LANGUAGE, LC_ALL, LC_MESSAGES and LANG) for which both the suite's catalogue and Qt's own are
// there, so that the suite's texts and Qt's buttons and file dialogs speak alike. English, with
// nothing loaded, when the first such language is English or none has both catalogues: never
// one catalogue without the other.
class Languages {
public:
    // `userLanguages` as QLocale::uiLanguages() gives them ("de-DE", "de", …); `qtCatalogues`
    // is the folder of Qt's qtbase_<lang>.qm.
    Languages(const QStringList& userLanguages, const QString& qtCatalogues);
    // The user's languages and Qt's installed catalogues.
    static Languages ofUser();

    // "de", "de_CH" …; empty for English.
    QString language() const { return language_; }
    // Into the application object there is now (one may follow another; each gets them).
    void install() const;

private:
    bool load(const QString& language, const QString& qtCatalogues);

    QString language_;
    std::unique_ptr<QTranslator> suite_;
    std::unique_ptr<QTranslator> qt_;
};
