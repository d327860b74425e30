#include "library/copytally.h"
#include "widgets/gauge.h"
#include "library/librarymessages.h"

#include <QTest>

using namespace gallerion;

class CopyTallyTest : public QObject
{
    Q_OBJECT

private slots:
    void fileGaugeCountsFullChunks_data();
    void fileGaugeCountsFullChunks();
    void wholeGaugeMovesOnlyWithFullChunksAndStaysWithin100();
    void freeSpaceInTheCopyPanelsUnits();
    void notEnoughSpaceNamesTheNumbers();
};

void CopyTallyTest::fileGaugeCountsFullChunks_data()
{
    QTest::addColumn<qint64>("size");
    QTest::addColumn<QList<int>>("captions"); // after each chunk, then at the file's end
    QTest::addColumn<qint64>("finalPiece");
    QTest::newRow("60,000 bytes") << qint64(60000) << QList<int>{42, 83, 100} << qint64(10000);
    QTest::newRow("50,000 bytes") << qint64(50000) << QList<int>{50, 100, 100} << qint64(0);
    QTest::newRow("under a chunk") << qint64(24999) << QList<int>{100} << qint64(24999);
    QTest::newRow("empty") << qint64(0) << QList<int>{100} << qint64(0);
}

void CopyTallyTest::fileGaugeCountsFullChunks()
{
    QFETCH(qint64, size);
    QFETCH(QList<int>, captions);
    QFETCH(qint64, finalPiece);
    CopyTally tally(PhotoCopyTotal);
    tally.startFile(size);
    QList<int> seen;
    for (qint64 i = 1; i <= tally.chunks(); ++i) {
        tally.copiedUpTo(i * CopyChunkBytes);
        seen.append(gaugeCaption(tally.fileFill()));
    }
    QCOMPARE(size - tally.chunks() * CopyChunkBytes, finalPiece);
    tally.copiedUpTo(size);
    tally.fileDone();
    seen.append(gaugeCaption(tally.fileFill()));
    QCOMPARE(seen, captions);
    QCOMPARE(tally.remaining(), PhotoCopyTotal - tally.chunks() * CopyChunkBytes);
}

void CopyTallyTest::wholeGaugeMovesOnlyWithFullChunksAndStaysWithin100()
{
    CopyTally tally(PhotoCopyTotal);
    tally.startFile(20000);
    tally.copiedUpTo(20000);
    tally.fileDone();
    QCOMPARE(tally.wholeFill(), 0.0);

    // Copied a block at a time, a file is accounted as chunk by chunk.
    tally.startFile(21000000);
    tally.copiedUpTo(1000000);
    tally.copiedUpTo(21000000);
    QCOMPARE(tally.remaining(), 21000000);
    QCOMPARE(tally.wholeFill(), 50.0);

    // More content than the fixed total would go past the mark.
    tally.startFile(30000000);
    tally.copiedUpTo(30000000);
    QVERIFY(tally.remaining() < 0);
    QCOMPARE(tally.wholeFill(), 100.0);
}

void CopyTallyTest::freeSpaceInTheCopyPanelsUnits()
{
    QCOMPARE(availableBytes(41000 * 1024 + 1023), qint64(41000000));
    // Several terabytes free do not overflow.
    QCOMPARE(availableBytes(8LL << 40), 8589934592000LL);
    QCOMPARE(availableBytes(-1), 0);
}

void CopyTallyTest::notEnoughSpaceNamesTheNumbers()
{
    QCOMPARE(notEnoughSpaceText(41000000, PhotoCopyTotal),
             QStringLiteral("Not enough available hard disk space to copy photos.\r\n\r\n"
                            "Free some up and try again.\r\n\r\n"
                            "You have:  41,000,000 bytes\r\n"
                            "You need:   1,000,000 bytes more\r\n\r\n"
                            "For a total of:   42,000,000 bytes free.\r\n"));
    QCOMPARE(formatThousands(0), QStringLiteral("0"));
    QCOMPARE(formatThousands(999), QStringLiteral("999"));
    QCOMPARE(formatThousands(432000000), QStringLiteral("432,000,000"));
}

QTEST_APPLESS_MAIN(CopyTallyTest)
#include "tst_copytally.moc"
