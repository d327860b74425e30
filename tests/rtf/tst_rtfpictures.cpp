#include "rtf/rtfmetafile.h"
#include "rtf/rtfreader.h"

#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QtEndian>

using namespace gallerion;
using gallerion::rtf::renderEnhancedMetafile;
using gallerion::rtf::renderWindowsMetafile;

namespace {

QByteArray le16(int value)
{
    QByteArray bytes(2, '\0');
    qToLittleEndian<quint16>(quint16(value), bytes.data());
    return bytes;
}

QByteArray le32(qint64 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian<quint32>(quint32(value), bytes.data());
    return bytes;
}

QByteArray words(std::initializer_list<int> values)
{
    QByteArray bytes;
    for (const int v : values)
        bytes += le16(v);
    return bytes;
}

// A bottom-up 24-bit bitmap whose rows are given top row first.
QByteArray dib(const QList<QList<QColor>> &rows)
{
    const int width = int(rows.first().size());
    const int stride = (width * 3 + 3) & ~3;
    QByteArray bytes = le32(40) + le32(width) + le32(rows.size()) + le16(1) + le16(24) + le32(0) +
                       le32(stride * rows.size()) + le32(2835) + le32(2835) + le32(0) + le32(0);
    for (qsizetype y = rows.size() - 1; y >= 0; --y) {
        QByteArray row;
        for (const QColor &c : rows[y])
            row += char(c.blue()) + QByteArray(1, char(c.green())) + char(c.red());
        bytes += row + QByteArray(stride - row.size(), '\0');
    }
    return bytes;
}

const QList<QList<QColor>> fourByThree{{Qt::red, Qt::green, Qt::blue, Qt::black},
                                       {Qt::white, Qt::yellow, Qt::cyan, Qt::magenta},
                                       {Qt::gray, Qt::darkRed, Qt::darkGreen, Qt::darkBlue}};

QByteArray wmfRecord(int function, const QByteArray &parameters)
{
    return le32((6 + parameters.size()) / 2) + le16(function) + parameters;
}

QByteArray wmf(const QList<QByteArray> &records)
{
    QByteArray body;
    for (const QByteArray &r : records)
        body += r;
    body += wmfRecord(0, {});
    return words({1, 9, 0x300}) + le32((18 + body.size()) / 2) + le16(8) + le32(0x4000) + le16(0) +
           body;
}

QByteArray window(int width, int height)
{
    return wmfRecord(0x020B, words({0, 0})) + wmfRecord(0x020C, words({height, width}));
}

QByteArray rtfPicture(const QByteArray &keyword, const QByteArray &data,
                      const QByteArray &size = "\\picw2000\\pich1500\\picwgoal1200\\pichgoal900")
{
    return "{\\rtf1\\ansi x{\\pict\\" + keyword + size + " " + data.toHex() + "}y}";
}

struct Shown
{
    QImage image;
    QSizeF size;
    int pictures = 0;
};

// The first picture of a document and the size it is shown at.
Shown firstPicture(const QByteArray &rtf)
{
    QTextDocument document;
    rtf::readRtf(rtf, &document);
    Shown shown;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextImageFormat format = it.fragment().charFormat().toImageFormat();
            if (!format.isValid())
                continue;
            if (shown.pictures++ == 0) {
                shown.size = QSizeF(format.width(), format.height());
                shown.image = document.resource(QTextDocument::ImageResource, QUrl(format.name()))
                                  .value<QImage>();
            }
        }
    }
    return shown;
}

bool hasColour(const QImage &image, QColor colour)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == colour)
                return true;
        }
    }
    return false;
}

} // namespace

// Pictures: bitmaps in metafiles keep their pixels, vector metafiles are
// drawn, floating shapes show inline, and hostile metafiles stay bounded.
class RtfPicturesTest : public QObject
{
    Q_OBJECT

private slots:
    void bitmapInMetafile_data();
    void bitmapInMetafile();
    void vectorMetafileIsDrawn();
    void turnedTextFollowsTheMapping();
    void enhancedMetafile();
    void plainBitmaps_data();
    void plainBitmaps();
    void shapePictureShowsOnce();
    void hostileMetafiles_data();
    void hostileMetafiles();
};

void RtfPicturesTest::bitmapInMetafile_data()
{
    QTest::addColumn<QByteArray>("record");
    const QByteArray bits = dib(fourByThree);
    // Target 0,0 40x30 in a 40x30 window; source 0,0 4x3.
    QTest::newRow("StretchDIB") << wmfRecord(
        0x0F43, le32(0x00CC0020) + words({0, 3, 4, 0, 0, 30, 40, 0, 0}) + bits);
    QTest::newRow("DIBStretchBlt")
        << wmfRecord(0x0B41, le32(0x00CC0020) + words({3, 4, 0, 0, 30, 40, 0, 0}) + bits);
    QTest::newRow("DIBBitBlt") << wmfRecord(0x0940,
                                            le32(0x00CC0020) + words({0, 0, 30, 40, 0, 0}) + bits);
    QTest::newRow("SetDIBitsToDevice")
        << wmfRecord(0x0D33, words({0, 3, 0, 0, 0, 30, 40, 0, 0}) + bits);
}

void RtfPicturesTest::bitmapInMetafile()
{
    QFETCH(QByteArray, record);
    const Shown shown = firstPicture(rtfPicture("wmetafile8", wmf({window(40, 30), record})));
    QCOMPARE(shown.size, QSizeF(80, 60)); // 1200 x 900 twips
    QCOMPARE(shown.image.size(), QSize(4, 3));
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x)
            QCOMPARE(shown.image.pixelColor(x, y), fourByThree[y][x]);
    }
}

void RtfPicturesTest::vectorMetafileIsDrawn()
{
    // A red-filled rectangle over the left half of a 100x100 window with a
    // negative height (y up), a blue ellipse below right, and text.
    const QByteArray red = wmfRecord(0x02FC, words({0}) + le32(0x0000FF) + words({0}));
    const QByteArray blue = wmfRecord(0x02FC, words({0}) + le32(0xFF0000) + words({0}));
    const QByteArray metafile =
        wmf({wmfRecord(0x020B, words({100, 0})), wmfRecord(0x020C, words({-100, 100})), red,
             wmfRecord(0x012D, words({0})), wmfRecord(0x041B, words({0, 50, 100, 0})), blue,
             wmfRecord(0x012D, words({1})), wmfRecord(0x0418, words({0, 100, 40, 60})),
             wmfRecord(0x0521, words({2}) + "Hi" + words({90, 60}))});
    const QImage image = renderWindowsMetafile(metafile, QSize(200, 200));
    QCOMPARE(image.size(), QSize(200, 200));
    QCOMPARE(image.pixelColor(50, 100), QColor(Qt::red));
    QCOMPARE(image.pixelColor(160, 180), QColor(Qt::blue));
    QCOMPARE(image.pixelColor(160, 60), QColor(Qt::white));
    const QImage text = image.copy(120, 0, 80, 40);
    QVERIFY(hasColour(text, Qt::black));
}

void RtfPicturesTest::turnedTextFollowsTheMapping()
{
    // An axis label as charting programs wrote it: an escapement of 270
    // degrees in a window whose y axis points up. It reads upwards from its
    // point near the bottom, as the chart's author saw it.
    const QByteArray metafile =
        wmf({wmfRecord(0x020B, words({100, 0})), wmfRecord(0x020C, words({-100, 100})),
             wmfRecord(0x02FB, words({-10, 0, 2700, 2700, 400}) + QByteArray(10, '\0') + "Arial" +
                                   QByteArray(27, '\0')),
             wmfRecord(0x012D, words({0})), wmfRecord(0x012E, words({24})),
             wmfRecord(0x0102, words({1})),
             wmfRecord(0x0521, words({8}) + "MMMMMMMM" + words({20, 50}))});
    const QImage image = renderWindowsMetafile(metafile, QSize(200, 200));
    int inkAbove = 0;
    int inkBelow = 0;
    for (int y = 0; y < 200; ++y) {
        for (int x = 0; x < 200; ++x) {
            if (qGray(image.pixel(x, y)) < 128)
                ++(y < 160 ? inkAbove : inkBelow);
        }
    }
    QVERIFY2(inkAbove > 50, qPrintable(QString::number(inkAbove)));
    QCOMPARE(inkBelow, 0);
}

void RtfPicturesTest::enhancedMetafile()
{
    // Frame of 10 x 10 mm on a 100-pixel-per-10-mm device; a green
    // rectangle over the top half and a 4x3 bitmap in the bottom left.
    const QByteArray bits = dib(fourByThree);
    const auto record = [](int type, const QByteArray &body) {
        return le32(type) + le32(8 + body.size()) + body;
    };
    const auto rect = [](int l, int t, int r, int b) {
        return le32(l) + le32(t) + le32(r) + le32(b);
    };
    QByteArray header = rect(0, 0, 99, 99) + rect(0, 0, 1000, 1000) + le32(0x464D4520) +
                        le32(0x10000) + le32(0) + le32(0) + le16(0) + le16(0) + le32(0) + le32(0) +
                        le32(0) + le32(100) + le32(100) + le32(10) + le32(10);
    const QByteArray brush = record(39, le32(1) + le32(0) + le32(0x00FF00) + le32(0));
    const QByteArray stretch =
        record(81, rect(0, 60, 40, 100) + le32(0) + le32(60) + le32(0) + le32(0) + le32(4) +
                       le32(3) + le32(80) + le32(40) + le32(120) + le32(bits.size() - 40) +
                       le32(0) + le32(0x00CC0020) + le32(40) + le32(30) + bits);
    const QByteArray emf = record(1, header) + brush + record(37, le32(1)) +
                           record(43, rect(0, 0, 100, 50)) + stretch + record(14, {});
    const Shown shown = firstPicture(rtfPicture("emfblip", emf, "\\picw1000\\pich1000"));
    QCOMPARE(shown.size, QSizeF(1000 * 96 / 2540.0, 1000 * 96 / 2540.0));
    const QImage &image = shown.image;
    QVERIFY(!image.isNull());
    const auto at = [&image](qreal x, qreal y) {
        return image.pixelColor(int(x * image.width()), int(y * image.height()));
    };
    QCOMPARE(at(0.5, 0.25), QColor(Qt::green));
    QCOMPARE(at(0.05, 0.65), QColor(Qt::red));
    QCOMPARE(at(0.35, 0.85), QColor(Qt::darkBlue));
    QCOMPARE(at(0.8, 0.8), QColor(Qt::white));
}

void RtfPicturesTest::plainBitmaps_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QColor>("topLeft");
    QTest::addColumn<QColor>("bottomRight");
    QTest::newRow("dibitmap") << rtfPicture("dibitmap0", dib(fourByThree), "\\picw4\\pich3")
                              << QColor(Qt::red) << QColor(Qt::darkBlue);
    // A quarter cut off the left, a third off the bottom.
    QTest::newRow("cropped") << rtfPicture("dibitmap0", dib(fourByThree),
                                           "\\picw4\\pich3\\picwgoal600\\pichgoal450"
                                           "\\piccropl150\\piccropb150")
                             << QColor(Qt::green) << QColor(Qt::magenta);
    // A 16x2 monochrome bitmap, top row first: left half black, right half white.
    QTest::newRow("wbitmap") << rtfPicture("wbitmap0\\wbmbitspixel1\\wbmplanes1\\wbmwidthbytes2",
                                           QByteArray::fromHex("00ff00ff"), "\\picw16\\pich2")
                             << QColor(Qt::black) << QColor(Qt::white);
}

void RtfPicturesTest::plainBitmaps()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QColor, topLeft);
    QFETCH(QColor, bottomRight);
    const QImage image = firstPicture(rtf).image;
    QVERIFY(!image.isNull());
    QCOMPARE(image.pixelColor(0, 0), topLeft);
    QCOMPARE(image.pixelColor(image.width() - 1, image.height() - 1), bottomRight);
}

void RtfPicturesTest::shapePictureShowsOnce()
{
    const QByteArray picture = "{\\pict\\dibitmap0\\picw4\\pich3 " + dib(fourByThree).toHex() + "}";
    const QByteArray shape = "{\\rtf1 a{\\shp{\\*\\shpinst\\shpleft0{\\sp{\\sn shapeType}{\\sv 75}}"
                             "{\\sp{\\sn pib}{\\sv " +
                             picture + "}}{\\shptxt frame text}}{\\shprslt fallback " + picture +
                             "}}b}";
    QTextDocument document;
    rtf::readRtf(shape, &document);
    QCOMPARE(document.toPlainText(), QStringLiteral("a\ufffcb"));
    QCOMPARE(firstPicture(shape).image.pixelColor(0, 0), QColor(Qt::red));
    // A text box without a picture shows its text once, not its result again.
    rtf::readRtf("{\\rtf1 a{\\shp{\\*\\shpinst{\\shptxt boxed}}{\\shprslt boxed}}b}", &document);
    QCOMPARE(document.toPlainText(), QStringLiteral("aboxedb"));
}

void RtfPicturesTest::hostileMetafiles_data()
{
    QTest::addColumn<QByteArray>("metafile");
    const QByteArray bits = dib(fourByThree);
    QTest::newRow("record size past the end") << wmf({le32(0x7fffffff) + le16(0x0325) + "x"});
    QTest::newRow("point count past the end") << wmf({wmfRecord(0x0325, words({30000, 1, 2}))});
    QTest::newRow("polygon counts past the end")
        << wmf({wmfRecord(0x0538, words({30000, 65535, 65535}))});
    QTest::newRow("huge bitmap claimed") << wmf({wmfRecord(
        0x0F43, le32(0x00CC0020) + words({0, 3, 4, 0, 0, 30, 40, 0, 0}) + le32(40) + le32(1 << 30) +
                    le32(1 << 30) + words({1, 24}) + QByteArray(24, '\0'))});
    QTest::newRow("bitmap header cut short")
        << wmf({wmfRecord(0x0F43, le32(0x00CC0020) + words({0, 3, 4, 0, 0, 30, 40, 0, 0}) +
                                      le32(40) + le32(4) + le32(3) + words({1}))});
    QTest::newRow("selects beyond the table")
        << wmf({wmfRecord(0x012D, words({65535})), wmfRecord(0x01F0, words({65535}))});
    QByteArray flood;
    for (int i = 0; i < 20000; ++i)
        flood += wmfRecord(0x0418, words({32767, 32767, -32768, -32768}));
    QTest::newRow("thousands of huge ellipses") << wmf({wmfRecord(0x020C, words({1, 1})), flood});
    QByteArray objects;
    for (int i = 0; i < 10000; ++i)
        objects += wmfRecord(0x02FA, words({0, 30000, 0, 0, 0}));
    QTest::newRow("object flood with wide pens") << wmf(
        {objects, wmfRecord(0x012D, words({9999})), wmfRecord(0x0325, words({2, 0, 0, 9, 9}))});
    QByteArray shouting = wmfRecord(0x020C, words({100, 100})) +
                          wmfRecord(0x02FB, words({-2000, 0, 0, 0, 400}) + QByteArray(40, '\0')) +
                          wmfRecord(0x012D, words({0}));
    for (int i = 0; i < 200; ++i)
        shouting += wmfRecord(0x0521, words({1000}) + QByteArray(1000, 'W') + words({50, 0}));
    QTest::newRow("huge text, over and over") << wmf({shouting});
    QTest::newRow("restore without save") << wmf({wmfRecord(0x0127, words({-5}))});
    QTest::newRow("text longer than record") << wmf({wmfRecord(0x0521, words({30000}) + "ab")});
}

void RtfPicturesTest::hostileMetafiles()
{
    QFETCH(QByteArray, metafile);
    const QImage image = renderWindowsMetafile(metafile, QSize(300, 200));
    QCOMPARE(image.size(), QSize(300, 200));
    // Cut anywhere, the data still plays without harm.
    for (qsizetype cut = 0; cut < qMin<qsizetype>(metafile.size(), 200); cut += 7)
        renderWindowsMetafile(QByteArrayView(metafile).first(cut), QSize(30, 20));
    QVERIFY(renderEnhancedMetafile(metafile, QSize(30, 20)).isNull());
}

QTEST_MAIN(RtfPicturesTest)
#include "tst_rtfpictures.moc"
