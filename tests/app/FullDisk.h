// A folder where saving fails, for checking that a failed save is reported and loses nothing.
// Either writes past a few KiB fail because the process's file size limit is lowered (needs no
// privilege), or the folder is a tiny tmpfs filled to the brim, or the file to keep has another
// mounted over it, so that no rename may replace it (both need root).
#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

class FullDisk {
public:
    enum class Kind { SizeLimit, FullTmpfs, BusyTarget };

    // The folder holds `keep`, a file with known content that a failed save must leave alone.
    explicit FullDisk(Kind kind) : kind_(kind) {
        if (kind_ == Kind::FullTmpfs && !mountOn(folder_.path(), "tmpfs", "tmpfs", 0, "size=64k")) {
            return;
        }
        QFile kept(keep());
        ready_ = kept.open(QIODevice::WriteOnly) && kept.write(keptContent) == keptContent.size();
        kept.close();
        if (kind_ == Kind::BusyTarget) {
            ready_ = ready_ && cover_.open() && cover_.write(keptContent) == keptContent.size() &&
                     cover_.flush() && mountOn(keep(), cover_.fileName(), nullptr, MS_BIND);
        }
        if (kind_ == Kind::FullTmpfs) {
            QFile filler(QDir(folder_.path()).filePath(QStringLiteral("filler")));
            filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
            const QByteArray block(1024, 'x');
            while (filler.write(block) == block.size()) {
            }
        }
    }
    ~FullDisk() {
        if (!mountPoint_.isEmpty()) {
            ::umount2(QFile::encodeName(mountPoint_).constData(), MNT_DETACH);
        }
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    // False when this kind cannot be made here (mounting needs root and the right to mount).
    bool ready() const { return ready_; }
    QString keep() const { return QDir(folder_.path()).filePath(QStringLiteral("kept.png")); }
    QString fresh() const { return QDir(folder_.path()).filePath(QStringLiteral("new.png")); }
    // The reason a failed write gives.
    QString reason() const {
        return kind_ == Kind::SizeLimit   ? QStringLiteral("File too large")
               : kind_ == Kind::FullTmpfs ? QStringLiteral("No space left on device")
                                          : QStringLiteral("Device or resource busy");
    }
    // Run in the process that saves, before it writes. Only async-signal-safe calls, so that it
    // may run between fork and exec.
    void applyInChild() const {
        if (kind_ == Kind::SizeLimit) {
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit limit{};
            getrlimit(RLIMIT_FSIZE, &limit);
            limit.rlim_cur = 4096;
            setrlimit(RLIMIT_FSIZE, &limit);
        }
    }
    // The folder holds the kept file, unchanged, and nothing new but the filler.
    bool untouched() const {
        QFile kept(keep());
        const QStringList entries =
            QDir(folder_.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
        const QStringList expected =
            kind_ != Kind::FullTmpfs
                ? QStringList{QStringLiteral("kept.png")}
                : QStringList{QStringLiteral("filler"), QStringLiteral("kept.png")};
        return kept.open(QIODevice::ReadOnly) && kept.readAll() == keptContent &&
               entries == expected;
    }

    static inline const QByteArray keptContent = "a picture saved earlier";

private:
    bool mountOn(const QString& point, const QString& source, const char* type, unsigned long flags,
                 const char* options = nullptr) {
        if (geteuid() != 0 ||
            ::mount(QFile::encodeName(source).constData(), QFile::encodeName(point).constData(),
                    type, flags, options) != 0) {
            return false;
        }
        mountPoint_ = point;
        return true;
    }

    Kind kind_;
    QTemporaryDir folder_;
    QTemporaryFile cover_; // the file mounted over the one to keep, outside its folder
    QString mountPoint_;   // empty when nothing was mounted
    bool ready_ = false;
};

Q_DECLARE_METATYPE(FullDisk::Kind)
