#include "catalogue/photolist.h"
#include "platform/filesystem.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <optional>

using namespace gallerion;
using namespace Qt::Literals::StringLiterals;

namespace {

const QString photoDirText = QStringLiteral("E:\\zarvicks\\");

void touchFiles(const QString &dir, const QStringList &names)
{
    QVERIFY(QDir().mkpath(dir));
    for (const QString &name : names) {
        QFile file(dir + QLatin1Char('/') + name);
        QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(file.fileName()));
    }
}

FileSystem discAt(const QString &dir)
{
    return FileSystem(DriveTable::parse(QStringLiteral("E=") + dir), dir + QStringLiteral("/prog"),
                      dir + QStringLiteral("/data"));
}

QStringList withPrefix(const QString &prefix, const QStringList &names)
{
    QStringList paths;
    for (const QString &name : names)
        paths.append(prefix + name);
    return paths;
}

QStringList withTerminator(QStringList list)
{
    list.append(QString());
    return list;
}

// The pairwise exchange that the list order has always been defined by.
QStringList exchangeSorted(QStringList names)
{
    for (qsizetype i = 0; i < names.size(); ++i) {
        for (qsizetype j = i + 1; j < names.size(); ++j) {
            if (QString::compare(names[i], names[j], Qt::CaseSensitive) > 0)
                names.swapItemsAt(i, j);
        }
    }
    return names;
}

QStringList generatedNames(int count)
{
    QStringList names;
    for (int i = 0; i < count; ++i)
        names.append(QStringLiteral("%1%2.JPG").arg(64 + i % 36).arg(i, 6, 10, QLatin1Char('0')));
    std::shuffle(names.begin(), names.end(), *QRandomGenerator::global());
    return names;
}

// Three photos of 1964 (1..3), one of 1965 (4), two of 1967 (5..6).
const QStringList navigationNames{QStringLiteral("64a.jpg"), QStringLiteral("64b.jpg"),
                                  QStringLiteral("64c.jpg"), QStringLiteral("65a.jpg"),
                                  QStringLiteral("67a.jpg"), QStringLiteral("67b.jpg")};

} // namespace

class PhotoListTest : public QObject
{
    Q_OBJECT

private slots:
    void sortsAndNumbersNames_data();
    void sortsAndNumbersNames();
    void ordersLikeThePairwiseExchange();
    void keepsAtMostTheSixteenBitCount_data();
    void keepsAtMostTheSixteenBitCount();
    void buildsFromTheDirectory();
    void buildsBelowANativeRoot();
    void emptyPlacesGiveOnlyTheTerminator_data();
    void emptyPlacesGiveOnlyTheTerminator();
    void cutsAFullDirectoryAtTheLimit();
    void listsMoviesAsNamed();
    void codePositionAndNameText_data();
    void codePositionAndNameText();
    void findsFirstPhoto_data();
    void findsFirstPhoto();
    void stepsThroughAnEntry_data();
    void stepsThroughAnEntry();
    void entryWithoutPhotosChangesNothing_data();
    void entryWithoutPhotosChangesNothing();
};

void PhotoListTest::sortsAndNumbersNames_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("sorted");
    QTest::addColumn<QStringList>("numbers");
    QTest::newRow("digits before letters")
        << QStringList{"A0B.jpg", "99Z.jpg", "PTA.jpg", "64A.jpg", "M1A.jpg"}
        << QStringList{"64A.JPG", "99Z.JPG", "A0B.JPG", "M1A.JPG", "PTA.JPG"}
        << QStringList{"1", "1", "1", "1", "1"};
    QTest::newRow("numbering restarts per code")
        << QStringList{"65B.jpg", "64B.jpg", "64A.jpg", "65A.jpg", "64C.jpg"}
        << QStringList{"64A.JPG", "64B.JPG", "64C.JPG", "65A.JPG", "65B.JPG"}
        << QStringList{"1", "2", "3", "1", "2"};
    QTest::newRow("lower case names belong to 2000 and 2001")
        << QStringList{"a1x.Jpg", "a0b.jpg", "A0A.JPG"}
        << QStringList{"A0A.JPG", "A0B.JPG", "A1X.JPG"} << QStringList{"1", "2", "1"};
    QTest::newRow("ordinal, not alphabetical")
        << QStringList{"64_.jpg", "64a.jpg", "64-.jpg"}
        << QStringList{"64-.JPG", "64A.JPG", "64_.JPG"} << QStringList{"1", "2", "3"};
    QTest::newRow("non-ASCII by UTF-16 code unit")
        << QStringList{u"64\uff41.jpg"_s, u"64\U0001F600.jpg"_s, u"64\u00e9.jpg"_s,
                       QStringLiteral("64z.jpg")}
        << QStringList{QStringLiteral("64Z.JPG"), u"64\u00c9.JPG"_s, u"64\U0001F600.JPG"_s,
                       u"64\uff21.JPG"_s}
        << QStringList{"1", "2", "3", "4"};
    QTest::newRow("sharp s keeps the name's length")
        << QStringList{u"64stra\u00dfe.jpg"_s} << QStringList{u"64STRA\u00dfE.JPG"_s}
        << QStringList{"1"};
    QTest::newRow("names differing only in case are one file")
        << QStringList{"64a.jpg", "64A.JPG", "64b.jpg"} << QStringList{"64A.JPG", "64B.JPG"}
        << QStringList{"1", "2"};
}

void PhotoListTest::sortsAndNumbersNames()
{
    QFETCH(QStringList, names);
    QFETCH(QStringList, sorted);
    QFETCH(QStringList, numbers);
    const PhotoListData list = photoListFromNames(names, QStringLiteral("E:"));
    QCOMPARE(list.paths, withTerminator(withPrefix(photoDirText, sorted)));
    QCOMPARE(list.numbers, withTerminator(numbers));
    QCOMPARE(list.count, sorted.size());
    QVERIFY(!list.failed);
}

void PhotoListTest::ordersLikeThePairwiseExchange()
{
    const QStringList alphabet{"0",
                               "9",
                               "A",
                               "Z",
                               "a",
                               "z",
                               "_",
                               "~",
                               u"\u00e9"_s,
                               u"\u00df"_s,
                               u"\U0001F600"_s,
                               u"\uff41"_s,
                               u"\u0131"_s};
    QRandomGenerator random(2001);
    QSet<QString> unique;
    while (unique.size() < 400) {
        QString name;
        for (int length = 3 + random.bounded(4); length > 0; --length)
            name += alphabet.at(random.bounded(alphabet.size()));
        unique.insert(upperCasedName(name + QStringLiteral(".jpg")));
    }
    const QStringList names = unique.values();
    const PhotoListData list = photoListFromNames(names, QStringLiteral("E:"));
    QCOMPARE(list.paths, withTerminator(withPrefix(photoDirText, exchangeSorted(names))));
}

void PhotoListTest::keepsAtMostTheSixteenBitCount_data()
{
    QTest::addColumn<int>("files");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("failed");
    QTest::newRow("exactly the limit") << MaxListCount << MaxListCount << false;
    QTest::newRow("one more") << MaxListCount + 1 << MaxListCount << true;
    QTest::newRow("far more") << 40000 << MaxListCount << true;
}

void PhotoListTest::keepsAtMostTheSixteenBitCount()
{
    QFETCH(int, files);
    QFETCH(int, count);
    QFETCH(bool, failed);
    const QStringList names = generatedNames(files);
    QStringList sorted = names;
    std::sort(sorted.begin(), sorted.end());

    const PhotoListData list = photoListFromNames(names, QStringLiteral("E:"));
    QCOMPARE(list.count, count);
    QCOMPARE(list.failed, failed);
    QCOMPARE(list.paths.size(), count + 1);
    QCOMPARE(list.numbers.size(), count + 1);
    QVERIFY(list.paths.last().isEmpty());
    QCOMPARE(list.paths.at(count - 1), photoDirText + sorted.at(count - 1));
    // Every entry's numbers run 1, 2, ... without a gap up to the cut.
    for (int i = 1; i < count; ++i) {
        const bool sameEntry = list.paths.at(i).mid(12, 2) == list.paths.at(i - 1).mid(12, 2);
        const int expected = sameEntry ? list.numbers.at(i - 1).toInt() + 1 : 1;
        QCOMPARE(list.numbers.at(i).toInt(), expected);
    }
}

void PhotoListTest::buildsFromTheDirectory()
{
    QTemporaryDir disc;
    touchFiles(disc.path() + QStringLiteral("/zarvicks"),
               {"64b.jpg", "64A.JPG", "65a.jpg", "a0c.jpg", "readme.txt"});
    const PhotoListData list = BuildPhotoList(discAt(disc.path()), QStringLiteral("E:"));
    QCOMPARE(list.paths, withTerminator(withPrefix(photoDirText,
                                                   {"64A.JPG", "64B.JPG", "65A.JPG", "A0C.JPG"})));
    QCOMPARE(list.numbers, withTerminator({"1", "2", "1", "1"}));
    QCOMPARE(list.count, 4);
    QCOMPARE(CodePosition(list.paths), 3);
}

void PhotoListTest::buildsBelowANativeRoot()
{
    QTemporaryDir programDir;
    touchFiles(programDir.path() + QStringLiteral("/zarvicks"), {"a1b.jpg", "a1a.jpg"});
    const QString root = programDir.path();
    const FileSystem files(DriveTable::parse(QString()), root, root + QStringLiteral("/data"));
    const PhotoListData list = BuildPhotoList(files, root);
    QCOMPARE(list.count, 2);
    const int codePosition = CodePosition(list.paths);
    QCOMPARE(codePosition, root.size() + 1);
    QCOMPARE(fileNameText(list.paths.at(1), codePosition), QStringLiteral("A1B.JPG"));
    QCOMPARE(FindFirstPhoto(list.paths, list.count, codePosition, QStringLiteral("A1")), 1);
}

void PhotoListTest::emptyPlacesGiveOnlyTheTerminator_data()
{
    QTest::addColumn<QString>("drives");
    QTest::addColumn<bool>("makePhotoDir");
    QTest::newRow("empty photo directory") << u"E=%1"_s << true;
    QTest::newRow("no photo directory") << u"E=%1"_s << false;
    QTest::newRow("absent drive") << u"F=%1"_s << true;
}

void PhotoListTest::emptyPlacesGiveOnlyTheTerminator()
{
    QFETCH(QString, drives);
    QFETCH(bool, makePhotoDir);
    QTemporaryDir disc;
    if (makePhotoDir)
        touchFiles(disc.path() + QStringLiteral("/zarvicks"), {"notes.txt"});
    const FileSystem files(DriveTable::parse(drives.arg(disc.path())), disc.path(), disc.path());
    const PhotoListData list = BuildPhotoList(files, QStringLiteral("E:"));
    QCOMPARE(list.count, 0);
    QCOMPARE(list.paths, QStringList{QString()});
    QCOMPARE(list.numbers, QStringList{QString()});
    QVERIFY(!list.failed);
    QCOMPARE(FindFirstPhoto(list.paths, list.count, CodePosition(list.paths), "64"), 0);
}

void PhotoListTest::cutsAFullDirectoryAtTheLimit()
{
    QTemporaryDir disc;
    QStringList names = generatedNames(MaxListCount + 1);
    touchFiles(disc.path() + QStringLiteral("/zarvicks"), names);
    std::sort(names.begin(), names.end());
    const PhotoListData list = BuildPhotoList(discAt(disc.path()), QStringLiteral("E:"));
    QVERIFY(list.failed);
    QCOMPARE(list.count, MaxListCount);
    QCOMPARE(list.paths.size(), MaxListCount + 1);
    QCOMPARE(list.paths.at(MaxListCount - 1), photoDirText + names.at(MaxListCount - 1));
    QVERIFY(!list.paths.contains(photoDirText + names.last()));
}

void PhotoListTest::listsMoviesAsNamed()
{
    QTemporaryDir disc;
    touchFiles(disc.path() + QStringLiteral("/movies"), {"Intro.avi", "race.AVI", "notes.txt"});
    const MovieListData movies = BuildMovieList(discAt(disc.path()), QStringLiteral("E:"));
    QCOMPARE(movies.count, 2);
    QStringList names = movies.names.first(2);
    names.sort();
    QCOMPARE(names, QStringList({"Intro.avi", "race.AVI"}));
    QCOMPARE(movies.names.size(), 3);
    QVERIFY(movies.names.last().isEmpty());
}

void PhotoListTest::codePositionAndNameText_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("nameText");
    QTest::newRow("drive") << u"E:\\zarvicks\\64ABCDEF.JPG"_s << 3 << u"64"_s << u"64ABCDEF.JPG"_s;
    QTest::newRow("long name is cut")
        << u"/opt/zg\\zarvicks\\A0LONGNAME.JPG"_s << 8 << u"A0"_s << u"A0LONGNAME.J"_s;
    QTest::newRow("short name") << u"E:\\zarvicks\\PT.JPG"_s << 3 << u"PT"_s << u"PT.JPG"_s;
    QTest::newRow("empty list") << u""_s << 0 << u""_s << u""_s;
}

void PhotoListTest::codePositionAndNameText()
{
    QFETCH(QString, first);
    QFETCH(int, position);
    QFETCH(QString, code);
    QFETCH(QString, nameText);
    QCOMPARE(CodePosition({first, QString()}), position);
    QCOMPARE(entryCodeAt(first, position), code);
    QCOMPARE(fileNameText(first, position), nameText);
}

void PhotoListTest::findsFirstPhoto_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("index");
    QTest::newRow("first in the list") << u"64"_s << 1;
    QTest::newRow("single photo") << u"65"_s << 4;
    QTest::newRow("last entry") << u"67"_s << 5;
    QTest::newRow("no photo") << u"66"_s << 0;
    QTest::newRow("codes are upper case") << u"6"_s << 0;
}

void PhotoListTest::findsFirstPhoto()
{
    QFETCH(QString, code);
    QFETCH(int, index);
    const PhotoListData list = photoListFromNames(navigationNames, QStringLiteral("E:"));
    QCOMPARE(FindFirstPhoto(list.paths, list.count, CodePosition(list.paths), code), index);
}

void PhotoListTest::stepsThroughAnEntry_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("steps"); // n: next, p: previous, from a freshly opened entry
    QTest::addColumn<QList<int>>("shown");
    QTest::newRow("next after opening shows the second") << u"64"_s << u"n"_s << QList<int>{2};
    QTest::newRow("previous after opening shows the last") << u"64"_s << u"p"_s << QList<int>{3};
    QTest::newRow("next wraps to the first") << u"64"_s << u"nnn"_s << QList<int>{2, 3, 1};
    QTest::newRow("previous wraps to the last") << u"64"_s << u"pppp"_s << QList<int>{3, 2, 1, 3};
    QTest::newRow("alternating") << u"64"_s << u"npnp"_s << QList<int>{2, 1, 2, 1};
    // Next after previous shows the neighbour, however the entry was entered.
    QTest::newRow("previous then next") << u"64"_s << u"ppnn"_s << QList<int>{3, 2, 3, 1};
    QTest::newRow("next after previous from the last") << u"64"_s << u"pn"_s << QList<int>{3, 1};
    QTest::newRow("one photo, next") << u"65"_s << u"nn"_s << QList<int>{4, 4};
    QTest::newRow("one photo, previous") << u"65"_s << u"pp"_s << QList<int>{4, 4};
    QTest::newRow("one photo, both ways") << u"65"_s << u"npn"_s << QList<int>{4, 4, 4};
    QTest::newRow("entry at the end of the list") << u"67"_s << u"nnpp"_s << QList<int>{6, 5, 6, 5};
}

void PhotoListTest::stepsThroughAnEntry()
{
    QFETCH(QString, code);
    QFETCH(QString, steps);
    QFETCH(QList<int>, shown);
    const PhotoListData list = photoListFromNames(navigationNames, QStringLiteral("E:"));
    const int codePosition = CodePosition(list.paths);
    PhotoCursor cursor{0, true, false, false};
    QList<int> seen;
    for (QChar step : steps) {
        const auto stepper = step == QLatin1Char('n') ? stepToNextPhoto : stepToPreviousPhoto;
        const std::optional<PhotoStep> result =
            stepper(list.paths, list.count, codePosition, code, cursor);
        QVERIFY(result);
        QCOMPARE(entryCodeAt(list.paths.at(result->shownIndex - 1), codePosition), code);
        seen.append(result->shownIndex);
        cursor = result->cursor;
    }
    QCOMPARE(seen, shown);
}

void PhotoListTest::entryWithoutPhotosChangesNothing_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<int>("currentIndex");
    QTest::newRow("just opened") << navigationNames << 0;
    QTest::newRow("inside the list") << navigationNames << 3;
    QTest::newRow("at the end") << navigationNames << 6;
    QTest::newRow("empty list") << QStringList() << 0;
}

void PhotoListTest::entryWithoutPhotosChangesNothing()
{
    QFETCH(QStringList, names);
    QFETCH(int, currentIndex);
    const PhotoListData list = photoListFromNames(names, QStringLiteral("E:"));
    const int codePosition = CodePosition(list.paths);
    const PhotoCursor cursor{currentIndex, true, false, true};
    const QString code = QStringLiteral("66");
    QVERIFY(!stepToNextPhoto(list.paths, list.count, codePosition, code, cursor));
    QVERIFY(!stepToPreviousPhoto(list.paths, list.count, codePosition, code, cursor));
}

QTEST_APPLESS_MAIN(PhotoListTest)
#include "tst_photolist.moc"
