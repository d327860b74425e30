#include "documents/printpicture.h"
#include "platform/drivetable.h"
#include "platform/filesystem.h"
#include "platform/printer.h"
#include "support/pdfreader.h"

#include <QDir>
#include <QPageSize>
#include <QTemporaryDir>
#include <QTest>

using namespace gallerion;
using namespace gallerion::test;
using namespace Qt::Literals::StringLiterals;

class PrintPictureTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { qunsetenv("GALLERION_PRINT_DIR"); }

    void hugePhotoIsDecodedForItsRoom();
    void smallPictureKeepsItsPixels();
    void unreadableFileStartsNoJob_data();
    void unreadableFileStartsNoJob();

private:
    FileSystem files() const;
    QString write(const QString &name, const QImage &image, const char *format) const;

    std::unique_ptr<QTemporaryDir> m_disc;
    std::unique_ptr<QTemporaryDir> m_jobs;
};

void PrintPictureTest::init()
{
    m_disc = std::make_unique<QTemporaryDir>();
    m_jobs = std::make_unique<QTemporaryDir>();
    qputenv("GALLERION_PRINT_DIR", m_jobs->path().toLocal8Bit());
}

FileSystem PrintPictureTest::files() const
{
    return FileSystem(DriveTable::parse(u"E="_s + m_disc->path()), m_disc->path(), {});
}

QString PrintPictureTest::write(const QString &name, const QImage &image, const char *format) const
{
    return image.save(m_disc->filePath(name), format) ? u"E:\\"_s + name : QString();
}

void PrintPictureTest::hugePhotoIsDecodedForItsRoom()
{
    if (!pdfToolsPresent())
        QSKIP("poppler-utils is needed to read the printed pages");
    // Four hundred megabytes decoded whole: more than Qt decodes at once.
    QImage huge(10000, 10000, QImage::Format_Grayscale8);
    huge.fill(120);
    const QString path = write(u"huge.jpg"_s, huge, "JPEG");
    huge = QImage();
    QVERIFY(!path.isEmpty());

    Printer printer;
    printer.setPageSize(QPageSize(QPageSize::A4));
    PrintPicture photo;
    QVERIFY(photo.open(files(), path));
    QVERIFY(photo.print(printer, QPoint(1460, 3000)));
    QVERIFY(printer.endDoc());
    const QRect room = printer.pictureRectTwips(QSize(10000, 10000), 1460, 3000);
    const int most = room.width() * PictureDotsPerInch / 1440;
    QVERIFY2(photo.printed().width() <= most && photo.printed().width() > most / 2,
             qPrintable(QString::number(photo.printed().width())));
    QCOMPARE(photo.printed().width(), photo.printed().height());
    QCOMPARE(pdfImageSizes(printer.lastFileName()), QList<QSize>{photo.printed().size()});
}

void PrintPictureTest::smallPictureKeepsItsPixels()
{
    QImage small(200, 100, QImage::Format_RGB32);
    small.fill(Qt::darkRed);
    const QString path = write(u"small.png"_s, small, "PNG");
    Printer printer;
    PrintPicture picture;
    QVERIFY(picture.open(files(), path));
    QVERIFY(picture.print(printer, QPoint(1600, 1600)));
    QVERIFY(printer.endDoc());
    QCOMPARE(picture.printed().size(), QSize(200, 100));
}

void PrintPictureTest::unreadableFileStartsNoJob_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("missing") << u"missing.jpg"_s << QByteArray();
    QTest::newRow("not a picture") << u"text.jpg"_s << QByteArray("plain words, no picture");
    QTest::newRow("empty") << u"empty.jpg"_s << QByteArray("");
}

void PrintPictureTest::unreadableFileStartsNoJob()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    if (!bytes.isNull()) {
        QFile file(m_disc->filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    Printer printer;
    PrintPicture picture;
    QVERIFY(!picture.open(files(), u"E:\\"_s + name));
    QVERIFY(!picture.print(printer, QPoint(0, 0)));
    QVERIFY(!printer.isPrinting());
    QVERIFY(QDir(m_jobs->path()).isEmpty());
}

QTEST_MAIN(PrintPictureTest)
#include "tst_printpicture.moc"
