// The real program run as a user runs it from a shell, for the tests of its command line: its
// exit status, the lines it writes on standard error and what it writes on standard output, and
// a folder's contents before and after.
#pragma once

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <functional>

struct Outcome {
    int exitCode = -1;
    QStringList errorLines;
    QByteArray output;
};

// Runs the program as on a machine without a display. With a runtime folder of its own Qt has
// nothing to warn about; without one it warns, which must not reach a refusal's one line.
inline Outcome runProgram(const QStringList& arguments, const QString& runtimeDir,
                          const std::function<void()>& inChild = {},
                          const QStringList& locale = {}) {
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "XDG_RUNTIME_DIR",
                             "LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        environment.remove(QString::fromLatin1(name));
    }
    // The locale's variables as NAME=value; none gives the C locale, in English.
    for (const QString& variable : locale) {
        environment.insert(variable.section(QLatin1Char('='), 0, 0),
                           variable.section(QLatin1Char('='), 1));
    }
    if (!runtimeDir.isEmpty()) {
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir);
    }
    child.setProcessEnvironment(environment);
    if (inChild) {
        child.setChildProcessModifier(inChild);
    }
    child.start(QStringLiteral(SLITWISE_BINARY), arguments);
    Outcome outcome;
    if (!child.waitForFinished(60000) || child.exitStatus() != QProcess::NormalExit) {
        child.kill();
        child.waitForFinished();
        return outcome;
    }
    outcome.exitCode = child.exitCode();
    outcome.output = child.readAllStandardOutput();
    for (const QString& line :
         QString::fromLocal8Bit(child.readAllStandardError()).split(QLatin1Char('\n'))) {
        if (!line.isEmpty()) {
            outcome.errorLines << line;
        }
    }
    return outcome;
}

// Every entry under the folder with its size, mode and contents, to show that nothing changed.
inline QStringList inventory(const QString& folder) {
    QStringList entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info(path);
        QString entry = path.mid(folder.size()) + QStringLiteral(" mode ") +
                        QString::number(static_cast<int>(info.permissions()), 16);
        if (info.isFile()) {
            QFile file(path);
            file.open(QIODevice::ReadOnly);
            entry += QStringLiteral(" ") + QString::fromLatin1(file.readAll().toHex());
        }
        entries << entry;
    }
    entries.sort();
    return entries;
}
