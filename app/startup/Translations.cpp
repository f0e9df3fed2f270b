// Three translators live for the whole program: one for its own texts in the user's language,
// one for English plural forms where there is no such catalogue, and one for Qt's texts.
#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool Translations::install(const QLocale& locale) {
    static QTranslator own;
    static QTranslator plurals;
    static QTranslator qt;
    QCoreApplication::removeTranslator(&own);
    QCoreApplication::removeTranslator(&plurals);
    QCoreApplication::removeTranslator(&qt);
    // The build puts the program's catalogues in its resources under /i18n. The English one
    // holds only the plural forms of the texts, which are English already.
    const bool found =
        locale.language() != QLocale::English &&
        own.load(locale, QStringLiteral("slitwise"), QStringLiteral("_"), QStringLiteral(":/i18n"));
    if (found) {
        QCoreApplication::installTranslator(&own);
    } else if (plurals.load(QStringLiteral(":/i18n/slitwise_en"))) {
        QCoreApplication::installTranslator(&plurals);
    }
    if (qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&qt);
    }
    return found;
}
