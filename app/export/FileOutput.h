// One file the program writes, whole or not at all: a regular file is replaced only when all of
// it has been written, a device or a pipe is written directly, and "-" is standard output.
#pragma once

#include <QCoreApplication>
#include <QFileDevice>
#include <QString>

#include <memory>

class FileOutput {
    Q_DECLARE_TR_FUNCTIONS(FileOutput)

public:
    // The name that stands for standard output.
    static inline const QString standardOutput = QStringLiteral("-");

    explicit FileOutput(const QString& path);
    ~FileOutput();
    FileOutput(const FileOutput&) = delete;
    FileOutput& operator=(const FileOutput&) = delete;

    // Why the path cannot take a file, or empty when it looks writable. A symbolic link is
    // judged by the file it leads to.
    static QString refusal(const QString& path);

    // Writes all the bytes. A regular file is written beside the target and replaces it only at
    // commit(); anything else (a device, a pipe, standard output) is written at once. On failure
    // returns false, nothing is replaced, and why() says why.
    bool write(const QByteArray& bytes);
    // Makes what write() wrote the target's. On failure returns false and why() says why.
    bool commit();
    QString why() const { return why_; }

private:
    QString path_;
    std::unique_ptr<QFileDevice> file_;
    QString why_;
};
