#include "rtf/rtfreader.h"
#include "rtf/rtftabs.h"

#include <QAbstractTextDocumentLayout>

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextFrame>
#include <QTextLayout>
#include <QXmlStreamReader>

using namespace gallerion;

namespace {

// Files written by other programs, kept beside the checkout and never copied into it.
QString externalCorpus()
{
    return QStringLiteral(GALLERION_SOURCE_DIR "/../shared/testdata/rtf");
}

QString sampleRichText()
{
    return QStringLiteral(GALLERION_SAMPLE_DISC_DIR "/disc/richtext");
}

QString normalised(QString text)
{
    return text.simplified();
}

QString readText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString readOurs(const QString &path)
{
    QTextDocument document;
    QString error;
    if (!rtf::readRtfFile(path, &document, &error))
        return QStringLiteral("<failed: %1>").arg(error);
    return document.toPlainText();
}

// Where two texts part, with a little of each, for the failure message.
QByteArray difference(const QString &ours, const QString &theirs)
{
    qsizetype i = 0;
    while (i < ours.size() && i < theirs.size() && ours[i] == theirs[i])
        ++i;
    const qsizetype from = qMax<qsizetype>(0, i - 30);
    return QStringLiteral("at %1 (of %2/%3): ours \"%4\" theirs \"%5\"")
        .arg(i)
        .arg(ours.size())
        .arg(theirs.size())
        .arg(ours.mid(from, 80), theirs.mid(from, 80))
        .toUtf8();
}

// The extractor's table cells end with '|'; the document has them as cells.
QString expectedFromPlainText(const QString &path)
{
    return readText(path).replace(QLatin1Char('|'), QLatin1Char(' '));
}

// rtfparserkit writes its parse events; the text is in <chars> outside the
// destinations that a reader does not show.
QString expectedFromEvents(const QString &path)
{
    static const QStringList hidden{QStringLiteral("fonttbl"),    QStringLiteral("colortbl"),
                                    QStringLiteral("stylesheet"), QStringLiteral("info"),
                                    QStringLiteral("upr"),        QStringLiteral("fldinst")};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader xml(&file);
    QList<bool> skipping{false};
    bool groupStart = false;
    QString text;
    while (!xml.atEnd()) {
        xml.readNext();
        const QStringView name = xml.name();
        if (xml.isStartElement() && name == u"group") {
            skipping.append(skipping.last());
            groupStart = true;
        } else if (xml.isEndElement() && name == u"group") {
            skipping.removeLast();
        } else if (xml.isStartElement() && name == u"command") {
            const QString word = xml.attributes().value(QLatin1String("name")).toString();
            if (groupStart && word == u"ud")
                skipping.last() = false;
            else if (groupStart && (hidden.contains(word) ||
                                    xml.attributes().value(QLatin1String("optional")) == u"true"))
                skipping.last() = true;
            else if (word == u"par" || word == u"line" || word == u"tab" || word == u"cell")
                text += QLatin1Char(' ');
            groupStart = false;
        } else if (xml.isStartElement() && name == u"chars") {
            const QString chars = xml.readElementText();
            if (!skipping.last())
                text += chars;
            groupStart = false;
        }
    }
    return text;
}

QStringList rtfFilesBelow(const QString &dir)
{
    QStringList files;
    QDirIterator it(dir, {QStringLiteral("*.rtf")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(it.next());
    files.sort();
    return files;
}

// unrtf's text output without its banner, picture notes and with its fallback
// '?' for what it cannot write in Latin-1.
QString unrtfText(const QString &path, const QString &workDir)
{
    QProcess process;
    process.setWorkingDirectory(workDir); // it drops the pictures it finds here
    process.start(QStringLiteral("unrtf"), {QStringLiteral("--text"), path});
    if (!process.waitForFinished(60000))
        return {};
    const QString output = QString::fromLatin1(process.readAllStandardOutput());
    QStringList kept;
    const QStringList lines =
        output.section(QStringLiteral("-----------------\n"), 1).split(QLatin1Char('\n'));
    static const QRegularExpression pictureFile(QStringLiteral("^pict\\d+\\.\\w+$"));
    for (const QString &line : lines) {
        if (!line.startsWith(QStringLiteral("###")) && !pictureFile.match(line).hasMatch())
            kept.append(line);
    }
    return kept.join(QLatin1Char('\n'));
}

QString asLatin1WithFallback(QString text)
{
    for (QChar &c : text) {
        if (c.unicode() > 0xff && c != QChar::ObjectReplacementCharacter)
            c = QLatin1Char('?');
    }
    return text.remove(QChar::ObjectReplacementCharacter);
}

} // namespace

// Files from real word processors and the sample disc: each loads, and its
// text agrees with what other RTF tools extract from it.
class RtfCorpusTest : public QObject
{
    Q_OBJECT

private slots:
    void externalFiles_data();
    void externalFiles();
    void wordProcessorDocuments_data();
    void wordProcessorDocuments();
    void tableOfContentsKeepsItsPageNumbers();
    void sampleDiscFilesLoad();
    void sampleDiscAgreesWithUnrtf_data();
    void sampleDiscAgreesWithUnrtf();
};

void RtfCorpusTest::externalFiles_data()
{
    QTest::addColumn<QString>("path");
    const QStringList files = rtfFilesBelow(externalCorpus());
    if (files.isEmpty())
        QSKIP("The shared RTF test files are not beside this checkout.");
    for (const QString &path : files)
        QTest::newRow(qPrintable(QFileInfo(path).fileName())) << path;
}

void RtfCorpusTest::externalFiles()
{
    QFETCH(QString, path);
    // Pictures have no text in the other tools' output.
    const QString ours = normalised(readOurs(path).remove(QChar::ObjectReplacementCharacter));
    const QString base = path.chopped(4);
    QString theirs;
    if (QFileInfo::exists(base + QStringLiteral(".txt")))
        theirs = normalised(expectedFromPlainText(base + QStringLiteral(".txt")));
    else if (QFileInfo::exists(base + QStringLiteral(".xml")))
        theirs = normalised(expectedFromEvents(base + QStringLiteral(".xml")));
    else
        QSKIP("No expected text beside this file; it loaded.");
    if (path.endsWith(QStringLiteral("/encoding.rtf"))) {
        // A second RTF document follows after the first one closes. Readers stop
        // there; the extractor read on, through escapes that lost their backslash.
        QVERIFY2(theirs.startsWith(ours), difference(ours, theirs).constData());
        return;
    }
    QVERIFY2(ours == theirs, difference(ours, theirs).constData());
}

void RtfCorpusTest::wordProcessorDocuments_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("pictures");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("web article") << QStringLiteral("old3_from_web.rtf") << 2
                                 << QStringList{QStringLiteral("\u03b1-D-Glucosidase"),
                                                QStringLiteral("\u03b2-D-Glucuronidase"),
                                                QStringLiteral("\u2022\tnumber of adult females")};
    QTest::newRow("test sheet") << QStringLiteral("Issue46.rtf") << 1
                                << QStringList{QStringLiteral("(\u263a) in Hungarian"),
                                               QStringLiteral("\u2022\tIt is the 1")};
    QTest::newRow("embedded object")
        << QStringLiteral("PictureObjectEmbed2.rtf") << 1 << QStringList{};
}

// Documents written by word processors of the time: every picture is drawn
// (not blank) and the symbol-font text reads as its author saw it.
void RtfCorpusTest::wordProcessorDocuments()
{
    QFETCH(QString, file);
    QFETCH(int, pictures);
    QFETCH(QStringList, shown);
    const QString path = externalCorpus() + QStringLiteral("/rtfpipe/") + file;
    if (!QFileInfo::exists(path))
        QSKIP("The shared RTF test files are not beside this checkout.");
    QTextDocument document;
    QString error;
    QVERIFY2(rtf::readRtfFile(path, &document, &error), qPrintable(error));
    const QString text = document.toPlainText();
    QCOMPARE(text.count(QChar::ObjectReplacementCharacter), pictures);
    for (const QString &words : shown)
        QVERIFY2(text.contains(words), qPrintable(words));
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextImageFormat format = it.fragment().charFormat().toImageFormat();
            if (!format.isValid())
                continue;
            const QImage image =
                document.resource(QTextDocument::ImageResource, QUrl(format.name()))
                    .value<QImage>();
            QVERIFY2(image.width() > 8 && image.height() > 8, qPrintable(format.name()));
            const QRgb corner = image.pixel(0, 0);
            int differing = 0;
            for (int y = 0; y < image.height(); y += 3) {
                for (int x = 0; x < image.width(); x += 3)
                    differing += image.pixel(x, y) != corner ? 1 : 0;
            }
            QVERIFY2(differing > 20, qPrintable(format.name()));
        }
    }
}

// The contents list was written for a page with right tabs at its margin;
// in the viewer's narrower width every entry keeps its number on its line.
void RtfCorpusTest::tableOfContentsKeepsItsPageNumbers()
{
    const QString path = externalCorpus() + QStringLiteral("/rtfpipe/old3_from_web.rtf");
    if (!QFileInfo::exists(path))
        QSKIP("The shared RTF test files are not beside this checkout.");
    QTextDocument document;
    QVERIFY(rtf::readRtfFile(path, &document, nullptr));
    constexpr qreal viewerWidth = 520;
    document.setTextWidth(viewerWidth);
    rtf::fitTabStops(&document, viewerWidth - 2 * document.documentMargin());
    document.documentLayout()->documentSize();
    int entries = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (!block.blockFormat().hasProperty(rtf::TabLeadersProperty) ||
            !block.text().contains(QLatin1Char('\t')))
            continue;
        ++entries;
        QVERIFY2(block.layout()->lineCount() == 1, qPrintable(block.text()));
        static const QRegularExpression pageNumber(QStringLiteral("\t\\d+$"));
        QVERIFY2(pageNumber.match(block.text()).hasMatch(), qPrintable(block.text()));
    }
    QVERIFY2(entries > 60, qPrintable(QString::number(entries)));
}

void RtfCorpusTest::sampleDiscFilesLoad()
{
    const QStringList files = rtfFilesBelow(sampleRichText());
    QVERIFY2(files.size() > 100, qPrintable(sampleRichText()));
    int tables = 0;
    int pictures = 0;
    for (const QString &path : files) {
        QTextDocument document;
        QString error;
        QVERIFY2(rtf::readRtfFile(path, &document, &error), qPrintable(error));
        QVERIFY2(document.characterCount() > 100, qPrintable(path));
        const QTextFrame *root = document.rootFrame();
        tables += root->childFrames().isEmpty() ? 0 : 1;
        pictures += document.toPlainText().contains(QChar::ObjectReplacementCharacter) ? 1 : 0;
    }
    // The generator puts tables and pictures into some of the files.
    QVERIFY(tables > 0);
    QVERIFY(pictures > 0);
}

void RtfCorpusTest::sampleDiscAgreesWithUnrtf_data()
{
    QTest::addColumn<QString>("path");
    if (QStandardPaths::findExecutable(QStringLiteral("unrtf")).isEmpty())
        QSKIP("unrtf is not installed.");
    const QStringList files = rtfFilesBelow(sampleRichText());
    for (qsizetype i = 0; i < files.size(); i += qMax<qsizetype>(1, files.size() / 8))
        QTest::newRow(qPrintable(QFileInfo(files[i]).fileName())) << files[i];
}

void RtfCorpusTest::sampleDiscAgreesWithUnrtf()
{
    QFETCH(QString, path);
    QTemporaryDir work;
    const QString theirs = normalised(unrtfText(path, work.path()));
    QVERIFY(!theirs.isEmpty());
    const QString ours = normalised(asLatin1WithFallback(readOurs(path)));
    QVERIFY2(ours == theirs, difference(ours, theirs).constData());
}

QTEST_MAIN(RtfCorpusTest)
#include "tst_rtfcorpus.moc"
