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
    using Outcome = FilmCheck::Outcome;
    const QList<FilmCheck> all(FilmCount, FilmCheck::of(Outcome::Plays));
    QVERIFY(allFilmsPlay(all));
    QVERIFY(filmCheckReport(all, false).startsWith(QStringLiteral("Every Zarvick movie plays")));

    QList<FilmCheck> damaged = all;
    damaged[1] = FilmCheck::of(Outcome::Missing);
    damaged[2] = {Outcome::Damaged, AviProbe::Verdict::Empty, {}};
    damaged[3] = FilmCheck::of(Outcome::Folder);
    damaged[4] = {Outcome::Damaged, AviProbe::Verdict::AudioOnly, {}};
    QVERIFY(!allFilmsPlay(damaged));
    const QString report = filmCheckReport(damaged, false);
    QVERIFY(
        report.contains(QStringLiteral("Fizz to Liz (TheUnexpected.avi): the file is missing")));
    QVERIFY(report.contains(QStringLiteral("(65-2+2.avi): the file is damaged: it is empty")));
    QVERIFY(report.contains(QStringLiteral("(GTCS.avi): a folder stands where")));
    QVERIFY(report.contains(QStringLiteral("(1968.avi): the file is damaged: it holds sound")));
    // Damage is no decoder's fault.
    QVERIFY(!report.contains(QStringLiteral("gstreamer1.0-libav")));

    QList<FilmCheck> undecodable = damaged;
    undecodable[0] = {Outcome::NeedsDecoder, AviProbe::Verdict::Intact, "IV50"};
    const QString missingPackage = filmCheckReport(undecodable, false);
    QVERIFY(missingPackage.indexOf(QStringLiteral("The Original")) <
            missingPackage.indexOf("Fizz to Liz"));
    QVERIFY(missingPackage.contains(QStringLiteral("reads its picture (IV50)")));
    QVERIFY(missingPackage.endsWith(
        QStringLiteral("The package gstreamer1.0-libav adds the missing video decoders.")));
    const QString installed = filmCheckReport(undecodable, true);
    QVERIFY(!installed.contains(QStringLiteral("adds the missing")));
    QVERIFY(installed.contains(QStringLiteral("gstreamer1.0-libav are installed")));
}

QTEST_MAIN(MovieRulesTest)
#include "tst_movierules.moc"
