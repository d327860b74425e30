#include "media/filmcheck.h"
#include "media/filmtable.h"
#include "platform/filesystem.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace gallerion;

class MovieRulesTest : public QObject
{
    Q_OBJECT

private slots:
    void hardDiskCopyCountsOnlyWithAFilm();
    void checkReportNamesThePackageOnlyForDecoders();
};

// The program's copy is read once it holds any *.avi, in any letter case;
// a missing, empty or film-less folder leaves the disc in charge.
void MovieRulesTest::hardDiskCopyCountsOnlyWithAFilm()
{
    QTemporaryDir root;
    const QString program = root.filePath(QStringLiteral("program"));
    QDir().mkpath(program);
    const FileSystem files(DriveTable::parse(QStringLiteral("E=") + root.filePath("disc")), program,
                           root.filePath(QStringLiteral("data")));
    const QString disc = QStringLiteral("E:\\movies\\");
    QCOMPARE(chooseMovieDir(files, program, QStringLiteral("E:")), disc);

    QDir().mkpath(program + QStringLiteral("/movies"));
    QCOMPARE(chooseMovieDir(files, program, QStringLiteral("E:")), disc);
    QFile note(program + QStringLiteral("/movies/readme.txt"));
    QVERIFY(note.open(QIODevice::WriteOnly));
    note.close();
    QCOMPARE(chooseMovieDir(files, program, QStringLiteral("E:")), disc);

    QFile film(program + QStringLiteral("/movies/GTCS.AVI"));
    QVERIFY(film.open(QIODevice::WriteOnly));
    film.close();
    QCOMPARE(chooseMovieDir(files, program, QStringLiteral("E:")),
             program + QStringLiteral("\\movies\\"));
}

void MovieRulesTest::checkReportNamesThePackageOnlyForDecoders()
{
    const QList<FilmCheck> all(FilmCount, FilmCheck::Plays);
    QVERIFY(allFilmsPlay(all));
    QVERIFY(filmCheckReport(all).startsWith(QStringLiteral("Every Zarvick movie plays")));

    QList<FilmCheck> missing = all;
    missing[1] = FilmCheck::Missing;
    QVERIFY(!allFilmsPlay(missing));
    QVERIFY(filmCheckReport(missing).contains(
        QStringLiteral("Fizz to Liz (TheUnexpected.avi): the file is missing")));
    QVERIFY(!filmCheckReport(missing).contains(QStringLiteral("gstreamer1.0-libav")));

    QList<FilmCheck> undecodable = missing;
    undecodable[0] = FilmCheck::Undecodable;
    const QString report = filmCheckReport(undecodable);
    QVERIFY(report.indexOf(QStringLiteral("The Original")) < report.indexOf("Fizz to Liz"));
    QVERIFY(report.endsWith(
        QStringLiteral("The package gstreamer1.0-libav adds the missing video decoders.")));
}

QTEST_MAIN(MovieRulesTest)
#include "tst_movierules.moc"
