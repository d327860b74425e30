// The sample disc must hold every file the browser reads, in formats the browser's libraries
// decode, and come out byte for byte the same on every run.

#include "contents.h"
#include "platform/media/wavdecoder.h"
#include "richtext.h"
#include "sounds.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <algorithm>
#include <cmath>

using namespace sampledisc;

namespace {

const QString generator =
    QStringLiteral(GALLERION_BINARY_DIR "/tools/make-sample-disc/make-sample-disc");

QString sampleRoot()
{
    return QStringLiteral(GALLERION_SAMPLE_DISC_DIR);
}

// Resolves a path written the browser's way ("\RichText\a0desc.rtf") below root, matching each
// part without regard to case. Returns an empty text when a part is missing.
QString findNoCase(const QString &root, const QString &browserPath)
{
    QString current = root;
    for (const QString &part :
         browserPath.split(QRegularExpression(QStringLiteral("[\\\\/]")), Qt::SkipEmptyParts)) {
        const QStringList names = QDir(current).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        const auto match = std::find_if(names.begin(), names.end(), [&](const QString &name) {
            return name.compare(part, Qt::CaseInsensitive) == 0;
        });
        if (match == names.end())
            return {};
        current += QLatin1Char('/') + *match;
    }
    return current;
}

QString discPath(const QString &browserPath)
{
    return findNoCase(sampleRoot() + QStringLiteral("/disc"), browserPath);
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList filesBelow(const QString &root)
{
    QStringList files;
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(QDir(root).relativeFilePath(it.next()));
    files.sort();
    return files;
}

quint16 u16(const QByteArray &b, qsizetype at)
{
    return qFromLittleEndian<quint16>(b.constData() + at);
}
quint32 u32(const QByteArray &b, qsizetype at)
{
    return qFromLittleEndian<quint32>(b.constData() + at);
}

struct Chunk
{
    QByteArray id;
    qsizetype payload = 0; // offset of the payload in the file
    quint32 size = 0;
};

// The chunks between begin and end; an overrun or a stray byte makes the list come out short
// and flags the file as broken.
QList<Chunk> chunksOf(const QByteArray &bytes, qsizetype begin, qsizetype end, bool *ok)
{
    QList<Chunk> chunks;
    qsizetype at = begin;
    while (at + 8 <= end) {
        Chunk c{bytes.mid(at, 4), at + 8, u32(bytes, at + 4)};
        if (c.payload + c.size > end)
            break;
        chunks.append(c);
        at = c.payload + c.size + (c.size % 2);
    }
    *ok = at == end;
    return chunks;
}

Chunk findChunk(const QList<Chunk> &chunks, const QByteArray &id)
{
    for (const Chunk &c : chunks) {
        if (c.id == id)
            return c;
    }
    return {};
}

QList<Chunk> listsOfType(const QByteArray &bytes, const QList<Chunk> &chunks, const char *type)
{
    QList<Chunk> lists;
    for (const Chunk &c : chunks) {
        if (c.id == "LIST" && bytes.mid(c.payload, 4) == type)
            lists.append(c);
    }
    return lists;
}

QList<Chunk> insideList(const QByteArray &bytes, const Chunk &list, bool *ok)
{
    return chunksOf(bytes, list.payload + 4, list.payload + list.size, ok);
}

// Counts braces the way an RTF reader does: escaped braces and backslashes are text.
bool bracesBalance(const QByteArray &rtf)
{
    int depth = 0;
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        if (rtf[i] == '\\')
            ++i;
        else if (rtf[i] == '{')
            ++depth;
        else if (rtf[i] == '}' && --depth == 0)
            return rtf.mid(i + 1).trimmed().isEmpty();
        if (depth < 0)
            return false;
    }
    return false;
}

int runGenerator(const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    process.start(generator, arguments);
    if (!process.waitForFinished(120000))
        return -1;
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

// The calendars and the plates are collections of the menus with photos of their own.
const QStringList collectionCodes{"PT", "DV", "M1", "M3", "MS", "TD", "TE",
                                  "TF", "VC", "US", "VM", "ZZ", "TC", "TP"};

QStringList yearCaptions()
{
    QStringList years;
    for (int y = 1964; y <= 2001; ++y)
        years.append(QString::number(y));
    return years;
}

} // namespace

class TestSampleDisc : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void tableNamesAreUnique();
    void discHoldsExactlyTheTable();
    void picturesDecodeAtTheirSize();
    void everyEntryHasThreeToEightPhotos();
    void yearPanelsFindTheirFiles();
    void documentsAndCollectionFilesExist();
    void detailsFollowPhotoNumbersAndNames();
    void richTextIsWellFormedAndVaried();
    void soundEffectsHaveTheirFormats();
    void imaAdpcmDecodesCloseToTheSource();
    void moviesAreInterleavedAviWithBothStreams();
    void generatorIsDeterministic();
    void generatorNeedsAFolder();
};

void TestSampleDisc::initTestCase()
{
    QVERIFY2(QDir(sampleRoot() + QStringLiteral("/disc/zarvicks")).exists(),
             "the sample disc fixture has not been written");
}

void TestSampleDisc::tableNamesAreUnique()
{
    // The browser matches names without regard to case, so two names differing only in case
    // would make one of them unreachable.
    QSet<QString> seen;
    for (const DiscFile &f : discContents()) {
        QVERIFY2(!seen.contains(f.path.toLower()), qPrintable(f.path));
        seen.insert(f.path.toLower());
    }
}

void TestSampleDisc::discHoldsExactlyTheTable()
{
    QStringList expected;
    for (const DiscFile &f : discContents())
        expected.append(f.path);
    expected.sort();
    QCOMPARE(filesBelow(sampleRoot()), expected);
    for (const QString &path : expected)
        QVERIFY2(QFileInfo(sampleRoot() + QLatin1Char('/') + path).size() > 0, qPrintable(path));
}

void TestSampleDisc::picturesDecodeAtTheirSize()
{
    int pictures = 0;
    for (const DiscFile &f : discContents()) {
        if (!isPicture(f.kind))
            continue;
        QImageReader reader(sampleRoot() + QLatin1Char('/') + f.path);
        QCOMPARE(reader.format(), QByteArray("jpeg"));
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(f.path + QLatin1Char(' ') + reader.errorString()));
        QCOMPARE(image.size(), f.size);
        ++pictures;
    }
    QVERIFY(pictures > 300);
}

void TestSampleDisc::everyEntryHasThreeToEightPhotos()
{
    const QStringList names = QDir(discPath(QStringLiteral("\\zarvicks"))).entryList(QDir::Files);
    QMap<QString, int> perCode;
    for (const QString &name : names) {
        QVERIFY2(name.size() == 12 && name.endsWith(QStringLiteral(".jpg")), qPrintable(name));
        ++perCode[name.left(2).toUpper()];
    }
    QStringList codes = collectionCodes;
    for (const QString &year : yearCaptions())
        codes.append(year < QStringLiteral("2000") ? year.mid(2) : QStringLiteral("A") + year[3]);
    for (const QString &code : codes) {
        if (code == QStringLiteral("73"))
            continue;
        QVERIFY2(perCode.value(code) >= 3 && perCode.value(code) <= 8, qPrintable(code));
    }
    QCOMPARE(perCode.value(QStringLiteral("73")), 0);
    QCOMPARE(perCode.size(), codes.size() - 1); // no photo of an unknown entry
    QVERIFY(perCode.value(QStringLiteral("PT")) >= 7);
    QVERIFY(perCode.value(QStringLiteral("TE")) >= 5);
    QVERIFY(QFile::exists(discPath(QStringLiteral("\\zarvicks\\64AAAA01.jpg"))));
    const auto lower = std::find_if(names.begin(), names.end(), [](const QString &n) {
        return n.startsWith(QStringLiteral("a0"));
    });
    QVERIFY2(lower != names.end(), "no photo of 2000 is named in lower case");
}

void TestSampleDisc::yearPanelsFindTheirFiles()
{
    for (const QString &year : yearCaptions()) {
        const QString yy = year.mid(2, 2);
        const bool millennium = year.startsWith(QStringLiteral("20"));
        const QString text = millennium ? QStringLiteral("a") + year[3] : yy;
        const QString booklet = millennium ? QStringLiteral("A") + year[3] : yy;
        const QStringList wanted{
            QStringLiteral("\\RichText\\%1desc.rtf").arg(text),
            QStringLiteral("\\richtext\\%1engines.rtf").arg(text),
            QStringLiteral("\\RichText\\%1colors.rtf").arg(text),
            QStringLiteral("\\RichText\\%1OPTS.rtf").arg(text),
            QStringLiteral("\\richtext\\nostalgia%1.rtf").arg(yy),
            QStringLiteral("\\RichText\\%1desc.rtf").arg(booklet),
            QStringLiteral("\\RichText\\%1.rtf").arg(booklet),
            QStringLiteral("\\Clipart\\%1clip.jpg").arg(yy),
            QStringLiteral("\\ClipArt\\%1clip.jpg").arg(yy),
            QStringLiteral("\\emblems\\emb%1.jpg").arg(yy),
            QStringLiteral("\\scripts\\scri%1.jpg").arg(yy),
        };
        for (const QString &path : wanted)
            QVERIFY2(!discPath(path).isEmpty(), qPrintable(year + QLatin1Char(' ') + path));
        const bool adWanted = year != QStringLiteral("2001");
        QCOMPARE(discPath(QStringLiteral("\\ads\\%1vazk00.jpg").arg(yy)).isEmpty(), !adWanted);
    }
}

void TestSampleDisc::documentsAndCollectionFilesExist()
{
    const QStringList documents{
        "books",    "catalogs", "magmi",     "magmm",    "magmmff",  "mag4",      "mag5",
        "PRIntro",  "PRMarket", "PROptions", "engines",  "glossary", "idzarvick", "timeline",
        "Register", "whatsnew", "intro",     "notice",   "credits",  "contrib",   "sshelp",
        "stamps",   "carstuff", "knives",    "plates",   "franklin", "danbury",   "cookies",
        "monopoly", "desperat", "ptdesc",    "dvdesc",   "m1desc",   "m3desc",    "msdesc",
        "dvstats",  "m3stats",  "msstats",   "dvcolors", "dvopts"};
    for (const QString &name : documents)
        QVERIFY2(
            !discPath(QStringLiteral("\\richtext\\") + name + QStringLiteral(".rtf")).isEmpty(),
            qPrintable(name));
    const QStringList others{
        "\\emblems\\embdv.jpg",        "\\emblems\\EMBpt.jpg",        "\\SCRIPTS\\SCRIDV.jpg",
        "\\SCRIPTS\\SCRIpt.jpg",       "\\ads\\68VADV00.jpg",         "\\graphics\\logo.jpg",
        "\\graphics\\66red.jpg",       "\\graphics\\bklettxt.jpg",    "\\graphics\\quillon3.jpg",
        "\\IndeoVideo\\iv5play.exe",   "\\movies\\ComingApril17.avi", "\\movies\\TheUnexpected.avi",
        "\\movies\\65-2+2.avi",        "\\movies\\GTCS.avi",          "\\movies\\1968.avi",
        "\\movies\\The1999Zarvick.avi"};
    for (const QString &path : others)
        QVERIFY2(!discPath(path).isEmpty(), qPrintable(path));
    for (const char *name : {"passby.wav", "Zarvick2001.scr"})
        QVERIFY2(QFile::exists(sampleRoot() + QStringLiteral("/program/") + QLatin1String(name)),
                 name);
}

void TestSampleDisc::detailsFollowPhotoNumbersAndNames()
{
    const QMap<QString, QStringList> prefixes{
        {"PT", {"pt00", "pt0"}},    {"M1", {"m100", "m10"}},    {"VC", {"usa00", "usa00"}},
        {"US", {"vck00", "vck00"}}, {"VM", {"vms00", "vms00"}}, {"ZZ", {"zz00", "zz0"}},
        {"TE", {"tek00", "tek0"}},  {"TF", {"tfm00", "tfm0"}},  {"TD", {"tdm00", "tdm0"}}};
    const QStringList photos = QDir(discPath(QStringLiteral("\\zarvicks"))).entryList(QDir::Files);
    for (auto it = prefixes.begin(); it != prefixes.end(); ++it) {
        int number = 0;
        for (const QString &photo : photos) {
            if (photo.left(2).toUpper() != it.key())
                continue;
            ++number;
            const QString byNumber =
                it.value().at(number < 5 ? 0 : 1) + QString::number(2 * number);
            const QString byName = photo.section(QLatin1Char('.'), 0, 0).toLower();
            for (const QString &name : {byNumber, byName})
                QVERIFY2(!discPath(QStringLiteral("\\RichText\\") + name + QStringLiteral(".rtf"))
                              .isEmpty(),
                         qPrintable(photo + QStringLiteral(" -> ") + name));
        }
        QVERIFY2(number >= 3, qPrintable(it.key()));
    }
    for (const char *name : {"pt006", "pt014", "tek008", "tek010", "usa0014"})
        QVERIFY2(!discPath(QStringLiteral("\\richtext\\%1.rtf").arg(QLatin1String(name))).isEmpty(),
                 name);
}

void TestSampleDisc::richTextIsWellFormedAndVaried()
{
    QSet<QByteArray> featuresSeen;
    const QList<QByteArray> features{"\\pict\\pngblip",
                                     "\\trowd",
                                     "\\cellx",
                                     "\\qc",
                                     "\\qj",
                                     "\\li",
                                     "\\ri",
                                     "\\fi",
                                     "\\tx",
                                     "\\b ",
                                     "\\i ",
                                     "\\ul ",
                                     "\\'",
                                     "\\u",
                                     "\\fs",
                                     "\\cf"};
    const QRegularExpression pictures(QStringLiteral("\\\\pngblip[^\\s]*\\s+([0-9a-f\\s]+)\\}"));
    qsizetype longest = 0;
    for (const DiscFile &f : discContents()) {
        if (f.kind != FileKind::RichText)
            continue;
        const QByteArray rtf = readAll(sampleRoot() + QLatin1Char('/') + f.path);
        QVERIFY2(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0"), qPrintable(f.path));
        QVERIFY2(bracesBalance(rtf), qPrintable(f.path));
        QVERIFY(rtf.contains("{\\fonttbl") && rtf.contains("{\\colortbl"));
        QVERIFY2(rtf.contains(rtfEscape(f.title)), qPrintable(f.path));
        // Old word processors wrote 7-bit files: everything else goes through escapes.
        QVERIFY2(std::all_of(rtf.begin(), rtf.end(), [](char c) { return c > 0; }),
                 qPrintable(f.path));
        for (const QByteArray &feature : features) {
            if (rtf.contains(feature))
                featuresSeen.insert(feature);
        }
        auto match = pictures.globalMatch(QString::fromLatin1(rtf));
        while (match.hasNext()) {
            const QByteArray hex = match.next().captured(1).toLatin1();
            QVERIFY2(!QImage::fromData(QByteArray::fromHex(hex), "PNG").isNull(),
                     qPrintable(f.path));
        }
        longest = qMax(longest, rtf.size());
    }
    for (const QByteArray &feature : features)
        QVERIFY2(featuresSeen.contains(feature), feature.constData());
    QVERIFY2(longest > 12000, "no document runs over several pages");
}

void TestSampleDisc::soundEffectsHaveTheirFormats()
{
    const QStringList effects{
        "backfrng.wav", "car_door.wav",  "carhorns.wav", "horns.wav",    "cop-car.wav",
        "taxi.wav",     "sportcar.wav",  "18wheelr.wav", "peel-out.wav", "Track2.wav",
        "nascar.wav",   "racecar.wav",   "indy-car.wav", "mcycle.wav",   "batmoble.wav",
        "62vanor.wav",  "63vanor.wav",   "vanstart.wav", "passby.wav",   "kelvanor.wav",
        "zr1start.wav", "motorcyc2.wav", "hot_rod.wav",  "red_lght.wav", "porche.wav",
        "stealth.wav",  "stuck.wav",     "revnrun.wav",  "goingby.wav"};
    for (const QString &name : effects)
        QVERIFY2(QFile::exists(sampleRoot() + QStringLiteral("/disc/wav/") + name),
                 qPrintable(name));

    QSet<int> tags;
    bool oddSeen = false;
    bool wideSeen = false;
    for (const DiscFile &f : discContents()) {
        if (f.kind != FileKind::Sound)
            continue;
        const QByteArray wav = readAll(sampleRoot() + QLatin1Char('/') + f.path);
        QVERIFY(wav.startsWith("RIFF") && wav.mid(8, 4) == "WAVE");
        QCOMPARE(qsizetype(u32(wav, 4)) + 8, wav.size());
        bool ok = false;
        const QList<Chunk> chunks = chunksOf(wav, 12, wav.size(), &ok);
        QVERIFY2(ok, qPrintable(f.path));
        const Chunk fmt = findChunk(chunks, "fmt ");
        const Chunk data = findChunk(chunks, "data");
        QVERIFY(fmt.size >= 16 && data.id == "data");
        const int tag = u16(wav, fmt.payload);
        const int rate = int(u32(wav, fmt.payload + 4));
        const int blockAlign = u16(wav, fmt.payload + 12);
        const int bits = u16(wav, fmt.payload + 14);
        QCOMPARE(u16(wav, fmt.payload + 2), quint16(1));
        QCOMPARE(rate, sampleRateOf(f.sound));
        tags.insert(tag);
        if (tag == 0x11) {
            QCOMPARE(bits, 4);
            QCOMPARE(blockAlign, imaBlockAlign);
            QCOMPARE(int(u32(wav, findChunk(chunks, "fact").payload)), f.samples);
            QCOMPARE(int(data.size) % imaBlockAlign, 0);
            QCOMPARE(int(data.size) / imaBlockAlign,
                     (f.samples + imaSamplesPerBlock - 1) / imaSamplesPerBlock);
            continue;
        }
        QCOMPARE(tag, 1);
        QCOMPARE(blockAlign * 8, bits);
        QCOMPARE(int(data.size), f.samples * blockAlign);
        QCOMPARE(int(u32(wav, fmt.payload + 8)), rate * blockAlign);
        oddSeen = oddSeen || data.size % 2 == 1;
        wideSeen = wideSeen || (bits == 16 && rate == 22050);
        // A second or two of real sound, not silence.
        QVERIFY2(f.samples >= rate && f.samples <= 2 * rate, qPrintable(f.path));
        QVERIFY(wav.mid(data.payload, data.size).count(wav[data.payload + data.size / 2]) <
                qsizetype(data.size) / 4);
    }
    QVERIFY(tags.contains(1) && tags.contains(0x11));
    QVERIFY(oddSeen);
    QVERIFY(wideSeen);
    QCOMPARE(readAll(sampleRoot() + QStringLiteral("/program/passby.wav")),
             readAll(sampleRoot() + QStringLiteral("/disc/wav/passby.wav")));
}

void TestSampleDisc::imaAdpcmDecodesCloseToTheSource()
{
    QList<qint16> tone;
    for (int i = 0; i < 3000; ++i)
        tone.append(qint16(12000 * std::sin(i * 2 * 3.14159265 * 440 / 11025)));
    const QByteArray encoded = encodeImaAdpcm(tone);
    QCOMPARE(encoded.size(), 6 * imaBlockAlign); // 3000 samples need six blocks of 505
    // The program's own decoder is what must understand the disc's sound.
    const QList<qint16> decoded =
        gallerion::wav::decodeImaAdpcm(encoded, 1, imaBlockAlign).mid(0, tone.size());
    QCOMPARE(decoded.size(), tone.size());
    double error = 0;
    for (qsizetype i = 0; i < tone.size(); ++i)
        error += std::pow(double(decoded[i]) - tone[i], 2);
    const double rms = std::sqrt(error / double(tone.size()));
    QVERIFY2(rms < 600, qPrintable(QString::number(rms))); // a tone of amplitude 12000
}

void TestSampleDisc::moviesAreInterleavedAviWithBothStreams()
{
    int movies = 0;
    for (const DiscFile &f : discContents()) {
        if (f.kind != FileKind::Movie)
            continue;
        ++movies;
        const QByteArray avi = readAll(sampleRoot() + QLatin1Char('/') + f.path);
        QVERIFY(avi.startsWith("RIFF") && avi.mid(8, 4) == "AVI ");
        QCOMPARE(qsizetype(u32(avi, 4)) + 8, avi.size());
        bool ok = false;
        const QList<Chunk> top = chunksOf(avi, 12, avi.size(), &ok);
        QVERIFY2(ok, qPrintable(f.path));
        const QList<Chunk> hdrl = insideList(avi, listsOfType(avi, top, "hdrl").value(0), &ok);
        QVERIFY(ok);
        const Chunk avih = findChunk(hdrl, "avih");
        QCOMPARE(u32(avi, avih.payload + 24), quint32(2));
        const quint32 frames = u32(avi, avih.payload + 16);
        const QList<Chunk> streams = listsOfType(avi, hdrl, "strl");
        QCOMPARE(streams.size(), 2);
        const QList<Chunk> video = insideList(avi, streams[0], &ok);
        const QList<Chunk> audio = insideList(avi, streams[1], &ok);
        const Chunk vstrh = findChunk(video, "strh");
        const Chunk astrh = findChunk(audio, "strh");
        QCOMPARE(avi.mid(vstrh.payload, 8), QByteArray("vidsMJPG"));
        QCOMPARE(avi.mid(findChunk(video, "strf").payload + 16, 4), QByteArray("MJPG"));
        QCOMPARE(avi.mid(astrh.payload, 4), QByteArray("auds"));
        QCOMPARE(u16(avi, findChunk(audio, "strf").payload), quint16(1));
        const double seconds = double(u32(avi, vstrh.payload + 32)) * u32(avi, vstrh.payload + 20) /
                               u32(avi, vstrh.payload + 24);
        QVERIFY2(seconds >= 2.5 && seconds <= 4.0, qPrintable(QString::number(seconds)));
        const double audioSeconds = double(u32(avi, astrh.payload + 32)) *
                                    u32(avi, astrh.payload + 20) / u32(avi, astrh.payload + 24);
        QVERIFY(std::abs(audioSeconds - seconds) < 0.2);

        const Chunk movi = listsOfType(avi, top, "movi").value(0);
        const QList<Chunk> chunks = insideList(avi, movi, &ok);
        QVERIFY(ok);
        QCOMPARE(chunks.size(), int(frames) * 2);
        QCOMPARE(chunks[0].id + chunks[1].id + chunks[2].id, QByteArray("00dc01wb00dc"));
        const QImage first = QImage::fromData(avi.mid(chunks[0].payload, chunks[0].size), "JPEG");
        QCOMPARE(first.size(), f.size);

        const Chunk idx1 = findChunk(top, "idx1");
        QCOMPARE(qsizetype(idx1.size), chunks.size() * 16);
        for (qsizetype i = 0; i < chunks.size(); ++i) {
            const qsizetype entry = idx1.payload + i * 16;
            const qsizetype target = movi.payload + u32(avi, entry + 8);
            QCOMPARE(avi.mid(target, 4), avi.mid(entry, 4));
            QCOMPARE(u32(avi, target + 4), u32(avi, entry + 12));
        }
    }
    QCOMPARE(movies, 6);
}

void TestSampleDisc::generatorIsDeterministic()
{
    QTemporaryDir scratch;
    QVERIFY(scratch.isValid());
    const QString first = scratch.filePath(QStringLiteral("first"));
    const QString second = scratch.filePath(QStringLiteral("second"));
    QCOMPARE(runGenerator({first}), 0);
    QCOMPARE(runGenerator({second}), 0);
    const QStringList files = filesBelow(first);
    QVERIFY(files.size() > 700);
    QCOMPARE(filesBelow(second), files);
    for (const QString &file : files) {
        const QByteArray bytes = readAll(first + QLatin1Char('/') + file);
        QVERIFY2(bytes == readAll(second + QLatin1Char('/') + file), qPrintable(file));
        QVERIFY2(bytes == readAll(sampleRoot() + QLatin1Char('/') + file), qPrintable(file));
    }
}

void TestSampleDisc::generatorNeedsAFolder()
{
    QVERIFY(runGenerator({}) > 0);
}

QTEST_GUILESS_MAIN(TestSampleDisc)
#include "tst_sampledisc.moc"
