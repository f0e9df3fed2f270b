// The options that change the experiment: distance, slit separation, wavelength or turn per
// pixel, slit width, open slits and the which-slit detector. They are read into the texts the
// window's setting fields are given, for a render and for the window alike.
#pragma once

#include "FormFields.h"

#include <QCommandLineOption>
#include <QCoreApplication>
#include <QList>
#include <QString>

#include <utility>

class QCommandLineParser;

class ExperimentOptions {
    Q_DECLARE_TR_FUNCTIONS(ExperimentOptions)

public:
    // The texts to write, in the order the options are listed.
    using Texts = QList<std::pair<SettingField, QString>>;

    ExperimentOptions();
    void addTo(QCommandLineParser& parser) const;
    // The texts the options ask for, or an empty list and the one line saying why they cannot be
    // used in `error` (without the program's name).
    Texts read(const QCommandLineParser& parser, QString& error) const;

    // The options that take a value and the one that takes none, as "--name".
    static QStringList valueOptions();
    static QStringList flagOptions();
    // The usage lines' part for them, each line indented by `indent` spaces.
    static QString usage(qsizetype indent);

private:
    QCommandLineOption distance_;
    QCommandLineOption separation_;
    QCommandLineOption wavelength_;
    QCommandLineOption turn_;
    QCommandLineOption slitWidth_;
    QCommandLineOption slits_;
    QCommandLineOption whichSlit_;
};
