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
    void refusedSaveLeavesTheFolderAsItWas_data();
    void refusedSaveLeavesTheFolderAsItWas();
    void goodSaveReplacesTheFileWhole();
    void suggestedNameCarriesOnlyDigits_data();
    void suggestedNameCarriesOnlyDigits();
};

void tst_PictureExport::refusedSaveLeavesTheFolderAsItWas_data() {
    QTest::addColumn<QString>("target"); // in the test's folder, which holds kept.png and sub/
    QTest::addColumn<QString>("why");
    QTest::newRow("folder does not exist") << "no/such/folder/picture.png"
                                           << "the folder does not exist";
    QTest::newRow("target is a folder") << "sub"
                                        << "it is a folder";
    QTest::newRow("target is read-only") << "kept.png"
                                         << "the file is read-only";
    QTest::newRow("folder is read-only") << "sub/picture.png"
                                         << "the folder is not writable";
}

void tst_PictureExport::refusedSaveLeavesTheFolderAsItWas() {
    QFETCH(QString, target);
    QFETCH(QString, why);
    QTemporaryDir folder;
    QFile kept(folder.filePath(QStringLiteral("kept.png")));
    QVERIFY(kept.open(QIODevice::WriteOnly) && kept.write("kept") == 4);
    kept.close();
    QVERIFY(kept.setPermissions(QFileDevice::ReadOwner));
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("sub")));
    QVERIFY(QFile::setPermissions(folder.filePath(QStringLiteral("sub")),
                                  QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    const QStringList before = contents(folder.path());
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::black);
    QString said;
    QVERIFY(!PictureExport::save(picture, folder.filePath(target), &said));
    QCOMPARE(said, why);
    QCOMPARE(contents(folder.path()), before);
    QVERIFY(contents(folder.filePath(QStringLiteral("sub"))).isEmpty());
}

void tst_PictureExport::goodSaveReplacesTheFileWhole() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("picture.jpg"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("an older, longer file") > 0);
    old.close();
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QString why;
    QVERIFY(PictureExport::save(picture, path, &why));
    // PNG whatever the name says, and no temporary file left beside it.
    QCOMPARE(QImage(path, "PNG"), picture);
    QCOMPARE(contents(folder.path()).size(), 1);
}

void tst_PictureExport::suggestedNameCarriesOnlyDigits_data() {
    QTest::addColumn<QString>("photons");
    QTest::addColumn<QString>("name");
    QTest::newRow("as a button writes it") << "50"
                                           << "slitwise-50-photons-seed-1234.png";
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
