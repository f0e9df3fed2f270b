// The program's texts in the user's language: its own catalogue, built into the program, and
// Qt's own texts (the file dialog's buttons, the command line's standard options) where Debian
// ships them. English is the source language and the fallback.
#pragma once

#include <QLocale>

class Translations {
public:
    // Installs the catalogues for the locale's languages, as Qt reads them from LANGUAGE,
    // LC_ALL, LC_MESSAGES and LANG, in place of any installed before. Needs the application
    // object. True when the program's own catalogue has that language.
    static bool install(const QLocale& locale = QLocale::system());
    // The locale of the language the texts are in, for numbers written among them (the help's
    // ranges, the command line's refusals): the catalogue's, or English.
    static QLocale language();
};
