// Files written whole or not at all: what a save refuses and why, a refused save leaving the
// folder as it was, a good one replacing the file whole, and the names suggested for files.
#include "PictureExport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The folder's entries with their contents, to show that nothing changed.
QStringList contents(const QString& folder) {
    QStringList entries;
    for (const QFileInfo& info :
         QDir(folder).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
        QFile file(info.filePath());
        entries << info.fileName() +
                       (file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : "/");
    }
    return entries;
}

} // namespace

class tst_PictureExport : public QObject {
    Q_OBJECT
private slots:
    void saveIsWholeOrRefused_data();
    void saveIsWholeOrRefused();
    void suggestedNameCarriesOnlyDigits_data();
    void suggestedNameCarriesOnlyDigits();
};

void tst_PictureExport::saveIsWholeOrRefused_data() {
    // In the test's folder, which holds a read-only kept.png, a writable old.jpg and a read-only
    // sub/.
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("why"); // empty for a save that succeeds
    QTest::newRow("folder does not exist") << "no/such/folder/picture.png"
                                           << "the folder does not exist";
    QTest::newRow("target is a folder") << "sub"
                                        << "it is a folder";
    QTest::newRow("target is read-only") << "kept.png"
                                         << "the file is read-only";
    QTest::newRow("folder is read-only") << "sub/picture.png"
                                         << "the folder is not writable";
    // PNG whatever the name says, replacing a longer file whole.
    QTest::newRow("over an older file") << "old.jpg" << QString();
}

void tst_PictureExport::saveIsWholeOrRefused() {
    QFETCH(QString, target);
    QFETCH(QString, why);
    QTemporaryDir folder;
    QFile kept(folder.filePath(QStringLiteral("kept.png")));
    QVERIFY(kept.open(QIODevice::WriteOnly) && kept.write("kept") == 4);
    kept.close();
    QVERIFY(kept.setPermissions(QFileDevice::ReadOwner));
    QFile old(folder.filePath(QStringLiteral("old.jpg")));
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("an older, longer file") > 0);
    old.close();
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("sub")));
    QVERIFY(QFile::setPermissions(folder.filePath(QStringLiteral("sub")),
                                  QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    const QStringList before = contents(folder.path());
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QString said;
    QCOMPARE(PictureExport::save(picture, folder.filePath(target), &said), why.isEmpty());
    QCOMPARE(said, why);
    QVERIFY(contents(folder.filePath(QStringLiteral("sub"))).isEmpty());
    if (why.isEmpty()) {
        // The file replaced and no temporary file left beside it.
        QCOMPARE(QImage(folder.filePath(target), "PNG"), picture);
        QCOMPARE(contents(folder.path()).size(), before.size());
    } else {
        QCOMPARE(contents(folder.path()), before);
    }
}

void tst_PictureExport::suggestedNameCarriesOnlyDigits_data() {
    QTest::addColumn<QString>("photons");
    QTest::addColumn<QString>("name");
    QTest::newRow("spaces around") << " 5 "
                                   << "slitwise-5-photons-seed-1234.png";
    QTest::newRow("no digits") << "../x"
                               << "slitwise-0-photons-seed-1234.png";
}

void tst_PictureExport::suggestedNameCarriesOnlyDigits() {
    QFETCH(QString, photons);
    QFETCH(QString, name);
    QCOMPARE(PictureExport::suggestedName(photons, 1234), name);
}

QTEST_MAIN(tst_PictureExport)
#include "tst_PictureExport.moc"
