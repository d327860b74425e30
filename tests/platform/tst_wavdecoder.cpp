#include "platform/media/wavdecoder.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <cmath>

using namespace gallerion;

namespace {

QByteArray le(quint32 value, int bytes)
{
    QByteArray out;
    for (int i = 0; i < bytes; ++i)
        out.append(char((value >> (8 * i)) & 0xff));
    return out;
}

QByteArray chunk(const char *id, const QByteArray &body, bool pad = true)
{
    QByteArray out = QByteArray(id) + le(body.size(), 4) + body;
    if (pad && body.size() % 2)
        out.append('\0');
    return out;
}

QByteArray fmtBody(int tag, int channels, int rate, int blockAlign, int bits,
                   const QByteArray &extra = {})
{
    QByteArray body = le(tag, 2) + le(channels, 2) + le(rate, 4) + le(rate * blockAlign, 4) +
                      le(blockAlign, 2) + le(bits, 2);
    if (!extra.isEmpty())
        body += le(extra.size(), 2) + extra;
    return body;
}

QByteArray riff(const QByteArray &chunks)
{
    return QByteArray("RIFF") + le(4 + chunks.size(), 4) + "WAVE" + chunks;
}

QByteArray pcmFile(int channels, int bits, const QByteArray &data)
{
    const int blockAlign = channels * bits / 8;
    return riff(chunk("fmt ", fmtBody(1, channels, 11025, blockAlign, bits)) + chunk("data", data));
}

double rms(const QList<qint16> &samples)
{
    double sum = 0;
    for (qint16 s : samples)
        sum += double(s) * s;
    return samples.isEmpty() ? 0 : std::sqrt(sum / samples.size());
}

} // namespace

class WavDecoderTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void decodesEightBitOddLength();
    void decodesSixteenBitStereo();
    void decodesWideAndFloatSamples();
    void toleratesSloppyWriters_data();
    void toleratesSloppyWriters();
    void rejectsWhatItCannotPlay_data();
    void rejectsWhatItCannotPlay();
    void decodesImaAdpcmBlock();
    void decodesMsAdpcmBlock();
    void msAdpcmStepStaysBounded();
    void trimsAdpcmToFactLength();
    void matchesFfmpegAdpcmDecoding_data();
    void matchesFfmpegAdpcmDecoding();
    void encodedPcmDecodesToTheSameSound();

private:
    QByteArray runFfmpeg(const QStringList &arguments, const QString &output);

    QTemporaryDir m_dir;
    QString m_ffmpeg;
};

void WavDecoderTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_ffmpeg = QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
}

void WavDecoderTest::decodesEightBitOddLength()
{
    QString error;
    const auto sound = wav::decode(pcmFile(1, 8, QByteArray::fromHex("0080ff")), &error);
    QVERIFY2(sound, qPrintable(error));
    QCOMPARE(sound->channels, 1);
    QCOMPARE(sound->sampleRate, 11025);
    QCOMPARE(sound->samples, (QList<qint16>{-32768, 0, 32512}));
}

void WavDecoderTest::decodesSixteenBitStereo()
{
    const QByteArray data = le(quint16(-5), 2) + le(7, 2) + le(quint16(-32768), 2) + le(32767, 2);
    const auto sound = wav::decode(pcmFile(2, 16, data), nullptr);
    QVERIFY(sound);
    QCOMPARE(sound->frameCount(), 2);
    QCOMPARE(sound->samples, (QList<qint16>{-5, 7, -32768, 32767}));
}

void WavDecoderTest::decodesWideAndFloatSamples()
{
    QCOMPARE(wav::decodePcm(QByteArray::fromHex("ff3412"
                                                "0000c0"),
                            24),
             (QList<qint16>{0x1234, -16384}));
    QCOMPARE(wav::decodePcm(QByteArray::fromHex("abcd3412"), 32), (QList<qint16>{0x1234}));
    QByteArray floats;
    for (float f : {0.5f, -1.0f, 3.0f}) {
        char bytes[4];
        qToLittleEndian(f, bytes);
        floats.append(bytes, 4);
    }
    QCOMPARE(wav::decodeFloat(floats, 32), (QList<qint16>{16384, -32767, 32767}));
}

void WavDecoderTest::toleratesSloppyWriters_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("samples");
    const QByteArray fmt = chunk("fmt ", fmtBody(1, 1, 11025, 1, 8));
    const QByteArray data(5, char(0x80));
    QTest::newRow("data size beyond the end")
        << riff(fmt + QByteArray("data") + le(1000, 4) + data) << 5;
    QTest::newRow("streamed, size left at 0")
        << riff(fmt + QByteArray("data") + le(0, 4) + data) << 5;
    QTest::newRow("odd chunk without pad byte")
        << riff(chunk("junk", "abc", false) + fmt + chunk("data", data)) << 5;
    QTest::newRow("odd chunk with pad byte")
        << riff(chunk("junk", "abc") + fmt + chunk("data", data) + chunk("LIST", "INFO")) << 5;
    QTest::newRow("fmt with cbSize")
        << riff(chunk("fmt ", fmtBody(1, 1, 11025, 1, 8, "xy")) + chunk("data", data)) << 5;
    QTest::newRow("wrong block size")
        << riff(chunk("fmt ", fmtBody(1, 1, 11025, 4, 8)) + chunk("data", data)) << 5;
}

void WavDecoderTest::toleratesSloppyWriters()
{
    QFETCH(QByteArray, file);
    QFETCH(int, samples);
    QString error;
    const auto sound = wav::decode(file, &error);
    QVERIFY2(sound, qPrintable(error));
    QCOMPARE(sound->samples.size(), samples);
}

void WavDecoderTest::rejectsWhatItCannotPlay_data()
{
    QTest::addColumn<QByteArray>("file");
    const QByteArray data(100, '\x10');
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("not RIFF") << QByteArray("RIFX") + le(4, 4) + "WAVE";
    QTest::newRow("not WAVE") << riff({}).replace("WAVE", "AVI ");
    QTest::newRow("no fmt") << riff(chunk("data", data));
    QTest::newRow("no data") << riff(chunk("fmt ", fmtBody(1, 1, 11025, 1, 8)));
    QTest::newRow("empty data") << pcmFile(1, 8, {});
    QTest::newRow("no channels") << riff(chunk("fmt ", fmtBody(1, 0, 11025, 1, 8)) +
                                         chunk("data", data));
    QTest::newRow("MPEG layer 3") << riff(chunk("fmt ", fmtBody(0x55, 1, 11025, 1, 0)) +
                                          chunk("data", data));
    QTest::newRow("12-bit float") << riff(chunk("fmt ", fmtBody(3, 1, 11025, 2, 12)) +
                                          chunk("data", data));
}

void WavDecoderTest::rejectsWhatItCannotPlay()
{
    QFETCH(QByteArray, file);
    QString error;
    QVERIFY(!wav::decode(file, &error));
    QVERIFY(!error.isEmpty());
}

void WavDecoderTest::decodesImaAdpcmBlock()
{
    // Header: predictor 0, step index 0. Byte 0x07: low nibble 7 adds 7+3+1+0 = 11 and
    // jumps the index to 8 (step 16); high nibble 0 adds 16>>3 = 2; each further 0 adds
    // one while the index falls back.
    const QByteArray block = QByteArray::fromHex("00000000"
                                                 "07000000");
    QCOMPARE(wav::decodeImaAdpcm(block, 1, block.size()),
             (QList<qint16>{0, 11, 13, 14, 15, 16, 17, 18, 19}));
    // Stereo: each channel has its own header and its own 4-byte groups.
    const QByteArray stereo = QByteArray::fromHex("00000000"
                                                  "64000000"
                                                  "07000000"
                                                  "0c000000");
    const QList<qint16> samples = wav::decodeImaAdpcm(stereo, 2, stereo.size());
    QCOMPARE(samples.size(), 18);
    QCOMPARE(samples.mid(0, 6), (QList<qint16>{0, 100, 11, 93, 13, 94}));
}

void WavDecoderTest::decodesMsAdpcmBlock()
{
    // Coefficient pair 0 (256, 0), delta 16, sample1 100, sample2 50; then nibbles
    // +1 (100 + 16) and -1 (116 - 16).
    const QByteArray block = QByteArray::fromHex("00"
                                                 "1000"
                                                 "6400"
                                                 "3200"
                                                 "1f");
    QCOMPARE(wav::decodeMsAdpcm(block, 1, block.size()), (QList<qint16>{50, 100, 116, 100}));
    // A pair from the file itself: (512, -256) extends the line 50, 100 to predict 150.
    const QList<QPair<int, int>> pairs{{512, -256}};
    QCOMPARE(wav::decodeMsAdpcm(block, 1, block.size(), pairs), (QList<qint16>{50, 100, 166, 216}));
}

// Found by fuzzing: nibbles that keep widening the step overflowed it within a block.
void WavDecoderTest::msAdpcmStepStaysBounded()
{
    const QByteArray block = QByteArray::fromHex("00"
                                                 "ff7f"
                                                 "0000"
                                                 "0000") +
                             QByteArray(400, char(0x88));
    const QList<qint16> samples = wav::decodeMsAdpcm(block, 1, block.size());
    QCOMPARE(samples.size(), 2 + 800);
    // Each nibble steps down by eight times the widest step: the sound stays at the floor.
    QCOMPARE(samples.mid(10), QList<qint16>(samples.size() - 10, -32768));
}

void WavDecoderTest::trimsAdpcmToFactLength()
{
    const QByteArray block = QByteArray::fromHex("00000000"
                                                 "07000000");
    const QByteArray fmt = chunk("fmt ", fmtBody(0x11, 1, 22050, block.size(), 4, le(9, 2)));
    const auto whole = wav::decode(riff(fmt + chunk("data", block)), nullptr);
    QVERIFY(whole);
    QCOMPARE(whole->samples.size(), 9);
    const auto trimmed =
        wav::decode(riff(fmt + chunk("fact", le(3, 4)) + chunk("data", block)), nullptr);
    QVERIFY(trimmed);
    QCOMPARE(trimmed->samples, (QList<qint16>{0, 11, 13}));
}

QByteArray WavDecoderTest::runFfmpeg(const QStringList &arguments, const QString &output)
{
    QProcess ffmpeg;
    ffmpeg.start(m_ffmpeg, QStringList{QStringLiteral("-nostdin"), QStringLiteral("-loglevel"),
                                       QStringLiteral("error"), QStringLiteral("-y")} +
                               arguments + QStringList{output});
    if (!ffmpeg.waitForFinished(60000) || ffmpeg.exitCode() != 0)
        return {};
    QFile file(output);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WavDecoderTest::matchesFfmpegAdpcmDecoding_data()
{
    QTest::addColumn<QString>("codec");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("tolerance");
    // ffmpeg rounds the IMA step product where the reference decoder, followed here, adds
    // the step's bits; the two drift apart by a few dozen steps at most.
    QTest::newRow("IMA mono 11025") << "adpcm_ima_wav" << 1 << 11025 << 64;
    QTest::newRow("IMA stereo 44100") << "adpcm_ima_wav" << 2 << 44100 << 64;
    QTest::newRow("MS mono 22050") << "adpcm_ms" << 1 << 22050 << 0;
    QTest::newRow("MS stereo 11025") << "adpcm_ms" << 2 << 11025 << 0;
}

void WavDecoderTest::matchesFfmpegAdpcmDecoding()
{
    if (m_ffmpeg.isEmpty())
        QSKIP("ffmpeg is needed to make ADPCM files");
    QFETCH(QString, codec);
    QFETCH(int, channels);
    QFETCH(int, rate);
    QFETCH(int, tolerance);
    const QString adpcm = m_dir.filePath(QStringLiteral("%1-%2.wav").arg(codec).arg(channels));
    const QString raw = m_dir.filePath(QStringLiteral("%1-%2.raw").arg(codec).arg(channels));
    const QString source =
        QStringLiteral("sine=frequency=500:sample_rate=%1:duration=0.37").arg(rate);
    const QByteArray file = runFfmpeg(
        {"-f", "lavfi", "-i", source, "-ac", QString::number(channels), "-c:a", codec}, adpcm);
    QVERIFY(!file.isEmpty());
    const QByteArray reference = runFfmpeg({"-i", adpcm, "-f", "s16le", "-c:a", "pcm_s16le"}, raw);
    QVERIFY(!reference.isEmpty());

    QString error;
    const auto sound = wav::decode(file, &error);
    QVERIFY2(sound, qPrintable(error));
    QCOMPARE(sound->channels, channels);
    QCOMPARE(sound->sampleRate, rate);
    QCOMPARE(sound->samples.size(), reference.size() / 2);
    int worst = 0;
    for (qsizetype i = 0; i < sound->samples.size(); ++i) {
        const int expected = qFromLittleEndian<qint16>(reference.constData() + 2 * i);
        worst = std::max(worst, std::abs(expected - sound->samples[i]));
    }
    QVERIFY2(worst <= tolerance, qPrintable(QString::number(worst)));
    QVERIFY(rms(sound->samples) > 1000);
}

void WavDecoderTest::encodedPcmDecodesToTheSameSound()
{
    wav::Sound sound;
    sound.channels = 2;
    sound.sampleRate = 22050;
    sound.samples = {1, -1, 300, -300, 32767, -32768};
    const QByteArray file = wav::encodePcm16(sound);
    QCOMPARE(file.size(), 44 + 12);
    const auto back = wav::decode(file, nullptr);
    QVERIFY(back);
    QCOMPARE(back->channels, sound.channels);
    QCOMPARE(back->sampleRate, sound.sampleRate);
    QCOMPARE(back->samples, sound.samples);
}

QTEST_MAIN(WavDecoderTest)
#include "tst_wavdecoder.moc"
