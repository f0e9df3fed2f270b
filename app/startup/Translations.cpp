// Three translators live for the whole program: one for its own texts in the user's language,
// one for English plural forms where there is no such catalogue, and one for Qt's texts. The
// program's own are asked first, so that its catalogue also words the few texts of Qt's it
// takes over (the command line's help and version options), in the help's own register.
#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

QLocale installed = QLocale(QLocale::English);

} // namespace

bool Translations::install(const QLocale& locale) {
    static QTranslator own;
    static QTranslator plurals;
    static QTranslator qt;
    QCoreApplication::removeTranslator(&own);
    QCoreApplication::removeTranslator(&plurals);
    QCoreApplication::removeTranslator(&qt);
    // The translator installed last is asked first.
    if (qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&qt);
    }
    // The build puts the program's catalogues in its resources under /i18n. The English one
    // holds only the plural forms of the texts, which are English already.
    const bool found =
        locale.language() != QLocale::English &&
        own.load(locale, QStringLiteral("slitwise"), QStringLiteral("_"), QStringLiteral(":/i18n"));
    if (found) {
        QCoreApplication::installTranslator(&own);
        installed = QLocale(own.language());
    } else {
        installed = QLocale(QLocale::English);
        if (plurals.load(QStringLiteral(":/i18n/slitwise_en"))) {
            QCoreApplication::installTranslator(&plurals);
        }
    }
    installed.setNumberOptions(QLocale::OmitGroupSeparator);
    return found;
}

QLocale Translations::language() {
    return installed;
}
