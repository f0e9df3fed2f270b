// The text of the window "About this picture": what each part of the picture is, what the
// controls and keys do, and the version, licence and homepage.
#pragma once

#include <QCoreApplication>
#include <QString>

class AboutText {
    Q_DECLARE_TR_FUNCTIONS(AboutText)

public:
    // Rich text, for a QTextBrowser.
    static QString html();
};
