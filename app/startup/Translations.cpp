// Two translators live for the whole program: one for its own texts, one for Qt's.
#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool Translations::install(const QLocale& locale) {
    static QTranslator own;
    static QTranslator qt;
    QCoreApplication::removeTranslator(&own);
    QCoreApplication::removeTranslator(&qt);
    // The build puts the program's catalogues in its resources under /i18n.
    const bool found =
        own.load(locale, QStringLiteral("slitwise"), QStringLiteral("_"), QStringLiteral(":/i18n"));
    if (found) {
        QCoreApplication::installTranslator(&own);
    }
    if (qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&qt);
    }
    return found;
}
