// A folder where saving fails for want of room, for checking that a failed save is reported and
// loses nothing. Either writes past a few KiB fail because the process's file size limit is
// lowered (needs no privilege), or the folder is a tiny tmpfs filled to the brim (needs root).
#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

class FullDisk {
public:
    enum class Kind { SizeLimit, FullTmpfs };

    // The folder holds `keep`, a file with known content that a failed save must leave alone.
    explicit FullDisk(Kind kind) : kind_(kind) {
        if (kind_ == Kind::FullTmpfs) {
            if (geteuid() != 0 || ::mount("tmpfs", QFile::encodeName(folder_.path()).constData(),
                                          "tmpfs", 0, "size=64k") != 0) {
                return;
            }
            mounted_ = true;
        }
        QFile kept(keep());
        ready_ = kept.open(QIODevice::WriteOnly) && kept.write(keptContent) == keptContent.size();
        kept.close();
        if (kind_ == Kind::FullTmpfs) {
            QFile filler(QDir(folder_.path()).filePath(QStringLiteral("filler")));
            filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
            const QByteArray block(1024, 'x');
            while (filler.write(block) == block.size()) {
            }
        }
    }
    ~FullDisk() {
        if (mounted_) {
            ::umount2(QFile::encodeName(folder_.path()).constData(), MNT_DETACH);
        }
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    // False when this kind cannot be made here (a tmpfs needs root and the right to mount).
    bool ready() const { return ready_; }
    QString keep() const { return QDir(folder_.path()).filePath(QStringLiteral("kept.png")); }
    QString fresh() const { return QDir(folder_.path()).filePath(QStringLiteral("new.png")); }
    // The reason a failed write gives.
    QString reason() const {
        return kind_ == Kind::SizeLimit ? QStringLiteral("File too large")
                                        : QStringLiteral("No space left on device");
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
            kind_ == Kind::SizeLimit
                ? QStringList{QStringLiteral("kept.png")}
                : QStringList{QStringLiteral("filler"), QStringLiteral("kept.png")};
        return kept.open(QIODevice::ReadOnly) && kept.readAll() == keptContent &&
               entries == expected;
    }

    static inline const QByteArray keptContent = "a picture saved earlier";

private:
    Kind kind_;
    QTemporaryDir folder_;
    bool mounted_ = false;
    bool ready_ = false;
};

Q_DECLARE_METATYPE(FullDisk::Kind)
