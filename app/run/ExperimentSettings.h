// The settings of the experiment as a teacher chooses them, read the way a run reads them: whether
// two sets make the same experiment, and the one line that names a changed experiment on its
// picture.
#pragma once

#include "FormFields.h"

#include <QCoreApplication>
#include <QFont>
#include <QRectF>
#include <QString>

class QPainter;

class ExperimentSettings {
    Q_DECLARE_TR_FUNCTIONS(ExperimentSettings)

public:
    // A number as the panel and the summary show it: at most `decimals` places, no trailing 0s.
    static QString shown(double value, int decimals);

    // Whether two sets of setting texts make the same experiment; settings a run could not use
    // make none.
    static bool sameExperiment(const FormFields& one, const FormFields& other);
    // One line naming every setting of the experiment, for a picture; empty for the designed
    // experiment or settings a run could not use.
    static QString summary(const FormFields& settings);
    // What sets the experiment apart from the designed one, as parts of the summary, or
    // "designed experiment": a short name for a legend. Empty for settings a run could not use.
    static QString changes(const FormFields& settings);
    // Writes a summary along the bottom of a picture painted at the zoom, left of `right`
    // (design pixels), wrapped onto a second line where it is longer.
    static void drawSummary(QPainter& painter, const QString& summary, double zoom, double right);
    // Where and how drawSummary writes: the font, the box (two lines high, clear of the
    // apparatus) and the text's flags in it. Words that need a third line are cut off.
    static QFont summaryFont(double zoom);
    static QRectF summaryBox(double zoom, double right = 801 - 8);
    static constexpr int summaryFlags = Qt::AlignLeft | Qt::AlignBottom | Qt::TextWordWrap;
};
