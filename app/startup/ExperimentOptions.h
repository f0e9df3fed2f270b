// The options that change the experiment, made from the settings' rows: one for each setting of
// the experiment, and one more for a setting that may also be given as its field's own number
// (the wavelength as its turn per pixel). They are read into the texts the window's setting
// fields are given, for a render and for the window alike.
#pragma once

#include "FormFields.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

#include <utility>

class QCommandLineParser;

class ExperimentOptions {
    Q_DECLARE_TR_FUNCTIONS(ExperimentOptions)

public:
    // The texts to write, in the order of the settings.
    using Texts = QList<std::pair<SettingField, QString>>;

    static void addTo(QCommandLineParser& parser);
    // The texts the options ask for, or an empty list and the one line saying why they cannot be
    // used in `error` (without the program's name).
    static Texts read(const QCommandLineParser& parser, QString& error);

    // The options that take a value, or those that take none, as "--name".
    static QStringList names(bool takingValue);
    // The usage lines' part for them, each line indented by `indent` spaces.
    static QString usage(qsizetype indent);
    // A decimal number as typed on the command line, with a decimal point or a decimal comma, as
    // the user's language writes it; `ok` says whether it was one.
    static double decimal(const QString& typed, bool& ok);
};
