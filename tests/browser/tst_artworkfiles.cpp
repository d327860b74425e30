#include "browser/artworkfiles.h"

#include <QTest>

using namespace gallerion;

namespace {
const QString Dravent = QStringLiteral("The Classic Dravent ");
const QString Prototypes = QStringLiteral("Early Zarvick Prototypes ");
} // namespace

class ArtworkFilesTest : public QObject
{
    Q_OBJECT

private slots:
    void files_data();
    void files();
    void clipArtReloadIsSpelledItsOwnWay();
    void errorCodes();
    void placementAroundThePhoto();
    void advertisementFiles_data();
    void advertisementFiles();
    void advertisementTexts();
};

void ArtworkFilesTest::files_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("clipArt");
    QTest::addColumn<QString>("emblem");
    QTest::addColumn<QString>("script");
    QTest::newRow("1966") << QStringLiteral("1966") << QStringLiteral("\\Clipart\\66clip.jpg")
                          << QStringLiteral("\\emblems\\emb66.jpg")
                          << QStringLiteral("\\scripts\\scri66.jpg");
    QTest::newRow("2001") << QStringLiteral("2001") << QStringLiteral("\\Clipart\\01clip.jpg")
                          << QStringLiteral("\\emblems\\emb01.jpg")
                          << QStringLiteral("\\scripts\\scri01.jpg");
    QTest::newRow("Dravent") << Dravent << QStringLiteral("\\Clipart\\e clip.jpg")
                             << QStringLiteral("\\emblems\\embdv.jpg")
                             << QStringLiteral("\\SCRIPTS\\SCRIDV.jpg");
    QTest::newRow("prototypes") << Prototypes << QStringLiteral("\\Clipart\\rlclip.jpg")
                                << QStringLiteral("\\emblems\\EMBpt.jpg")
                                << QStringLiteral("\\SCRIPTS\\SCRIpt.jpg");
    QTest::newRow("calendars") << QStringLiteral("Zarvick Calendars ")
                               << QStringLiteral("\\Clipart\\rvclip.jpg")
                               << QStringLiteral("\\emblems\\embrv.jpg")
                               << QStringLiteral("\\scripts\\scrirv.jpg");
    // Captions are compared exactly: without its trailing blank this is no collection.
    QTest::newRow("Dravent without blank")
        << QStringLiteral("The Classic Dravent") << QStringLiteral("\\Clipart\\e clip.jpg")
        << QStringLiteral("\\emblems\\embe .jpg") << QStringLiteral("\\scripts\\scrie .jpg");
}

void ArtworkFilesTest::files()
{
    QFETCH(QString, caption);
    QFETCH(QString, clipArt);
    QFETCH(QString, emblem);
    QFETCH(QString, script);
    QCOMPARE(artworkFile(ArtworkKind::ClipArt, caption), clipArt);
    QCOMPARE(artworkFile(ArtworkKind::Emblem, caption), emblem);
    QCOMPARE(artworkFile(ArtworkKind::Script, caption), script);
}

void ArtworkFilesTest::clipArtReloadIsSpelledItsOwnWay()
{
    QCOMPARE(clipArtReloadFile(QStringLiteral("1967")), QStringLiteral("\\ClipArt\\67clip.jpg"));
    QCOMPARE(clipArtReloadFile(QStringLiteral("2000")), QStringLiteral("\\ClipArt\\00clip.jpg"));
}

void ArtworkFilesTest::errorCodes()
{
    QCOMPARE(artworkErrorCode(ArtworkKind::ClipArt), QStringLiteral("ER035"));
    QCOMPARE(artworkErrorCode(ArtworkKind::Emblem), QStringLiteral("ER022"));
    QCOMPARE(artworkErrorCode(ArtworkKind::Script), QStringLiteral("ER021"));
    QCOMPARE(QLatin1String(ClipArtReloadErrorCode), QLatin1String("ER024"));
}

void ArtworkFilesTest::placementAroundThePhoto()
{
    const QRect image4(6, 4, 640, 392);
    const int frame1Top = 400;
    QCOMPARE(artworkPosition(ArtworkKind::ClipArt, {200, 150}, image4, frame1Top), QPoint(446, 4));
    QCOMPARE(artworkPosition(ArtworkKind::Emblem, {120, 80}, image4, frame1Top), QPoint(529, 319));
    QCOMPARE(artworkPosition(ArtworkKind::Script, {280, 70}, image4, frame1Top), QPoint(7, 29));
    // The compact layout's smaller photo moves the pictures with it.
    const QRect compact(6, 4, 620, 356);
    QCOMPARE(artworkPosition(ArtworkKind::ClipArt, {200, 150}, compact, 350), QPoint(426, 4));
    QCOMPARE(artworkPosition(ArtworkKind::Emblem, {120, 80}, compact, 350), QPoint(509, 269));
}

void ArtworkFilesTest::advertisementFiles_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("file");
    QTest::newRow("1966") << QStringLiteral("1966") << QStringLiteral("\\ads\\66vazk00.jpg");
    QTest::newRow("2000") << QStringLiteral("2000") << QStringLiteral("\\ads\\00vazk00.jpg");
    QTest::newRow("2001") << QStringLiteral("2001") << QStringLiteral("\\ads\\01vazk00.jpg");
    QTest::newRow("Dravent") << Dravent << QStringLiteral("\\ads\\68VADV00.jpg");
    QTest::newRow("prototypes") << Prototypes << QStringLiteral("\\ads\\rlvazk00.jpg");
}

void ArtworkFilesTest::advertisementFiles()
{
    QFETCH(QString, caption);
    QFETCH(QString, file);
    QCOMPARE(advertisementFile(caption), file);
}

void ArtworkFilesTest::advertisementTexts()
{
    QCOMPARE(advertisementTitle(QStringLiteral("1966")),
             QStringLiteral("The Zarvick Gallerion    1966 Advertisement"));
    QCOMPARE(advertisementTitle(Dravent),
             QStringLiteral("The Zarvick Gallerion    The Classic Dravent  Advertisement"));
    QCOMPARE(
        advertisementApology(),
        QStringLiteral("Sorry!\r\n\r\nThe Year 2001 ad has not yet been released by Vask.\r\n"));
}

QTEST_GUILESS_MAIN(ArtworkFilesTest)
#include "tst_artworkfiles.moc"
