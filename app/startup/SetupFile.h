// A setup file: a small text file in Qt's INI format, one group [Slitwise] and one key per
// setting, named as its long option ("distance=80", "slits=upper", "which-slit=on"), with what
// only the window has besides. A teacher may write one by hand; a key left out keeps its start-up
// value, and an unknown key is skipped with a warning, so that a newer program's file opens.
#pragma once

#include "SetupView.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <cstdint>

class CommandLine;
class FormFields;

class SetupFile {
    Q_DECLARE_TR_FUNCTIONS(SetupFile)

public:
    // How a setup file's name ends, without its dot.
    static inline const QString suffix = QStringLiteral("slitwise");

    // The setup at `path`, read as the options its keys are named after would be, with what only
    // the window has in its `view`. A missing or unreadable file, or any value that the option
    // would refuse, gives a line with only `error` set: one line naming the file, the key and
    // the values allowed. Each unknown key adds one line to `warnings`.
    static CommandLine read(const QString& path, QStringList& warnings);
    // The text of a setup that sets every key: the settings' texts, the seed and the window's.
    static QByteArray text(const FormFields& settings, std::uint64_t seed, const SetupView& view);
};
