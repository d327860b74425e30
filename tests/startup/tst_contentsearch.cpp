#include "platform/filesystem.h"
#include "startup/contentsearch.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace gallerion;

class ContentSearchTest : public QObject
{
    Q_OBJECT

private slots:
    void search_data();
    void search();
    void missingDiscHintNamesTheSearchedFolders();
};

namespace {
void addPhoto(const QString &dir)
{
    QDir().mkpath(dir + QStringLiteral("/zarvicks"));
    QFile file(dir + QStringLiteral("/zarvicks/64AAAA01.JPG"));
    QVERIFY(file.open(QIODevice::WriteOnly));
}
} // namespace

void ContentSearchTest::search_data()
{
    QTest::addColumn<QStringList>("withPhotos"); // folders below the scratch dir
    QTest::addColumn<QString>("drives");
    QTest::addColumn<QString>("disc");
    QTest::addColumn<QString>("photos"); // "program" stands for the program dir
    QTest::newRow("disc in F, E empty") << QStringList{"f"} << "E=e;F=f"
                                        << "F:"
                                        << "F:";
    QTest::newRow("first of two discs wins") << QStringList{"e", "f"} << "E=e;F=f"
                                             << "E:"
                                             << "E:";
    QTest::newRow("C is never searched") << QStringList{"c"} << "C=c"
                                         << ""
                                         << "";
    QTest::newRow("Z is searched") << QStringList{"z"} << "Z=z"
                                   << "Z:"
                                   << "Z:";
    QTest::newRow("copied photos and disc") << QStringList{"program", "e"} << "E=e"
                                            << "E:"
                                            << "program";
    QTest::newRow("copied photos without disc") << QStringList{"program"} << "E=e"
                                                << ""
                                                << "";
}

void ContentSearchTest::search()
{
    QFETCH(QStringList, withPhotos);
    QFETCH(QString, drives);
    QFETCH(QString, disc);
    QFETCH(QString, photos);
    QTemporaryDir scratch;
    for (const QString &folder : withPhotos)
        addPhoto(scratch.filePath(folder));
    QString table = drives;
    table.replace(QRegularExpression(QStringLiteral("=(\\w+)")),
                  QStringLiteral("=") + scratch.path() + QStringLiteral("/\\1"));
    const QString program = scratch.filePath(QStringLiteral("program"));
    const FileSystem files(DriveTable::parse(table), program, scratch.filePath("data"));
    const ContentRoots roots = searchContent(files, program);
    QCOMPARE(roots.discRoot, disc);
    QCOMPARE(roots.found(), !disc.isEmpty());
    if (roots.found())
        QCOMPARE(roots.photoRoot, photos == QLatin1String("program") ? program : photos);
}

void ContentSearchTest::missingDiscHintNamesTheSearchedFolders()
{
    QTemporaryDir scratch;
    const QString c = scratch.filePath(QStringLiteral("c"));
    const QString e = scratch.filePath(QStringLiteral("e"));
    const QString program = scratch.filePath(QStringLiteral("program"));
    const FileSystem drives(DriveTable::parse(QStringLiteral("C=%1;E=%2").arg(c, e)), program,
                            scratch.filePath("data"));
    const QString hint = missingDiscHint(drives);
    QVERIFY(hint.contains(e + QStringLiteral("/zarvicks")));
    QVERIFY(!hint.contains(c));
    QVERIFY(hint.contains(QLatin1String("GALLERION_DRIVES=")));
    // Without any drive it names where drives come from.
    const FileSystem none(DriveTable::parse(QString()), program, scratch.filePath("data"));
    QVERIFY(missingDiscHint(none).contains(QLatin1String("/mnt/")));
    // An image that is no disc image is named with the reason, and the hint
    // tells how to give an image.
    QFile notes(scratch.filePath(QStringLiteral("notes.iso")));
    QVERIFY(notes.open(QIODevice::WriteOnly));
    notes.write(QByteArray(40000, 'x'));
    notes.close();
    const FileSystem damaged(DriveTable::parse(QStringLiteral("E=") + notes.fileName()), program,
                             scratch.filePath("data"));
    const QString imageHint = missingDiscHint(damaged);
    QVERIFY(imageHint.contains(notes.fileName() + QStringLiteral(" (not a readable disc image:")));
    QVERIFY(imageHint.contains(QLatin1String("zarvick-gallerion /path/to/gallerion.iso")));
}

QTEST_GUILESS_MAIN(ContentSearchTest)
#include "tst_contentsearch.moc"
