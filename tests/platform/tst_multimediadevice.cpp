#include "platform/media/multimediadevice.h"
#include "platform/media/wavdecoder.h"

#include <QBuffer>
#include <QDir>

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QVideoSink>
#include <QVideoWidget>
#include <QtEndian>

#include <cmath>
#include <memory>

using gallerion::MultimediaDevice;
using Button = MultimediaDevice::Button;

namespace {

// Generous: the sanitizer build and a busy machine are slow, but nothing waits this long
// when things work.
constexpr int Patience = 30000;

void putLe(QByteArray &out, quint32 value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(char((value >> (8 * i)) & 0xff));
}

// A plain PCM wave of a sine tone, written by hand so that the layout is exact: an
// odd-sized data chunk gets its pad byte, the case GStreamer's own parser plays as
// silence of length 0.
QByteArray pcmWave(int channels, int rate, int bits, int frames)
{
    QByteArray data;
    for (int i = 0; i < frames * channels; ++i) {
        const double value = std::sin(i / channels * 2 * M_PI * 440.0 / rate) * 0.5;
        if (bits == 8)
            data.append(char(128 + std::lround(value * 127)));
        else
            putLe(data, quint16(qint16(std::lround(value * 32767))), 2);
    }
    QByteArray out("RIFF");
    putLe(out, 36 + data.size() + data.size() % 2, 4);
    out.append("WAVEfmt ");
    putLe(out, 16, 4);
    putLe(out, 1, 2);
    putLe(out, channels, 2);
    putLe(out, rate, 4);
    putLe(out, rate * channels * bits / 8, 4);
    putLe(out, channels * bits / 8, 2);
    putLe(out, bits, 2);
    out.append("data");
    putLe(out, data.size(), 4);
    out += data;
    if (data.size() % 2)
        out.append('\0');
    return out;
}

} // namespace

class MultimediaDeviceTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void openFailsForMissingFile();
    void openFailsForUnreadableInput_data();
    void openFailsForUnreadableInput();
    void commandsIgnoreLetterCaseAndRejectUnknownOnes();
    void closedDeviceIgnoresTransportCommands();
    void playsWaveToTheEnd_data();
    void playsWaveToTheEnd();
    void stopKeepsPositionAndPrevRewinds();
    void closeStopsPlayback();
    void reopensFromItsOwnEndSignal();
    void newOpenCutsOffThePreviousSound();
    void openSettlesLaterAndKeepsWhatWasAskedMeanwhile();
    void soundOverTheSizeLimitFailsAtOnce();
    void playsAndSeeksContentFromADevice();
    void playsMovieIntoDisplayWindow_data();
    void playsMovieIntoDisplayWindow();
    void displayWindowMaySetAfterOpen();
    void waveOpenedAsVideoFails();
    void movieWithUndecodablePictureFails();
    void survivesDisplayWindowDeletedWhilePlaying();
    void indeoDecodersArePresent_data();
    void indeoDecodersArePresent();
    void buttonsHaveOwnFlagsAndReportClicks();
    void traceRecordsCommandsAndSetters();

private:
    QString writeFile(const QString &name, const QByteArray &bytes);
    QString ffmpegFile(const QString &name, const QStringList &arguments);
    QString pcmFile(const QString &name, int channels, int rate, int bits, int frames);
    QString movie(const QString &codec, const QString &sound = QStringLiteral("pcm_s16le"));
    bool openAs(const QString &type, const QString &path, QString *error = nullptr);
    bool openAndWait(QString *error = nullptr);

    QTemporaryDir m_dir;
    QString m_ffmpeg;
    std::unique_ptr<QWidget> m_window;
    MultimediaDevice *m_device = nullptr;
};

void MultimediaDeviceTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    // Whatever the device might leave in the temporary folder shows here.
    QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("tmp")));
    qputenv("TMPDIR", QFile::encodeName(m_dir.filePath(QStringLiteral("tmp"))));
    m_ffmpeg = QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
}

void MultimediaDeviceTest::init()
{
    m_window = std::make_unique<QWidget>();
    m_window->setObjectName(QStringLiteral("Form1"));
    m_window->resize(320, 280);
    m_device = new MultimediaDevice(m_window.get());
    m_device->setObjectName(QStringLiteral("MMControl1"));
    m_window->show();
}

void MultimediaDeviceTest::cleanup()
{
    m_window.reset();
    m_device = nullptr;
    qunsetenv("GALLERION_TRACE");
}

QString MultimediaDeviceTest::writeFile(const QString &name, const QByteArray &bytes)
{
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return path;
}

QString MultimediaDeviceTest::pcmFile(const QString &name, int channels, int rate, int bits,
                                      int frames)
{
    return writeFile(name, pcmWave(channels, rate, bits, frames));
}

// Made once per name; empty when ffmpeg is missing or failed.
QString MultimediaDeviceTest::ffmpegFile(const QString &name, const QStringList &arguments)
{
    const QString path = m_dir.filePath(name);
    if (QFile::exists(path))
        return path;
    if (m_ffmpeg.isEmpty())
        return {};
    QProcess ffmpeg;
    ffmpeg.start(m_ffmpeg, QStringList{QStringLiteral("-nostdin"), QStringLiteral("-loglevel"),
                                       QStringLiteral("error"), QStringLiteral("-y")} +
                               arguments + QStringList{path});
    if (!ffmpeg.waitForFinished(Patience) || ffmpeg.exitCode() != 0) {
        qWarning() << "ffmpeg failed:" << ffmpeg.readAllStandardError();
        return {};
    }
    return path;
}

QString MultimediaDeviceTest::movie(const QString &codec, const QString &sound)
{
    const QString picture = codec == QLatin1String("mjpeg")      ? QStringLiteral("yuvj420p")
                            : codec == QLatin1String("msvideo1") ? QStringLiteral("rgb555le")
                                                                 : QStringLiteral("rgb24");
    return ffmpegFile(codec + QLatin1Char('-') + sound + QStringLiteral(".avi"),
                      {QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                       QStringLiteral("testsrc=size=160x120:rate=15:duration=1"),
                       QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                       QStringLiteral("sine=frequency=440:sample_rate=22050:duration=1"),
                       QStringLiteral("-c:v"), codec, QStringLiteral("-pix_fmt"), picture,
                       QStringLiteral("-c:a"), sound, QStringLiteral("-shortest")});
}

bool MultimediaDeviceTest::openAs(const QString &type, const QString &path, QString *error)
{
    m_device->command(QStringLiteral("close"));
    m_device->setDeviceType(type);
    m_device->setFileName(path);
    return openAndWait(error);
}

// "open" and its outcome: the error of either the command or the signal.
bool MultimediaDeviceTest::openAndWait(QString *error)
{
    QString ignored;
    QString &failure = error ? *error : ignored;
    QSignalSpy opened(m_device, &MultimediaDevice::opened);
    QSignalSpy failed(m_device, &MultimediaDevice::openFailed);
    if (!m_device->command(QStringLiteral("open"), &failure))
        return false;
    if (!QTest::qWaitFor([&] { return opened.count() + failed.count() > 0; }, Patience)) {
        failure = QStringLiteral("no outcome");
        return false;
    }
    if (!failed.isEmpty())
        failure = failed.first().first().toString();
    return failed.isEmpty() && m_device->isOpen();
}

void MultimediaDeviceTest::openFailsForMissingFile()
{
    QString error;
    QVERIFY(
        !openAs(QStringLiteral("WaveAudio"), m_dir.filePath(QStringLiteral("none.wav")), &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!m_device->isOpen());
    QVERIFY(!openAs(QStringLiteral("AVIVideo"), m_dir.filePath(QStringLiteral("none.avi"))));
}

void MultimediaDeviceTest::openFailsForUnreadableInput_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray wave = pcmWave(1, 11025, 8, 2000);
    QTest::newRow("text as wave") << "WaveAudio" << QByteArray("just some text, no sound");
    QTest::newRow("wave without data") << "WaveAudio" << wave.left(36);
    QTest::newRow("garbage as movie") << "AVIVideo" << QByteArray(4096, 'x');
    QTest::newRow("unknown device type") << "CDAudio" << wave;
}

void MultimediaDeviceTest::openFailsForUnreadableInput()
{
    QFETCH(QString, type);
    QFETCH(QByteArray, bytes);
    const QString path = writeFile(QStringLiteral("unreadable"), bytes);
    QString error;
    QVERIFY(!openAs(type, path, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!m_device->isOpen());
    // A failure leaves the device fit for the next sound.
    QVERIFY(openAs(QStringLiteral("WaveAudio"),
                   pcmFile(QStringLiteral("next.wav"), 1, 22050, 16, 2205)));
}

void MultimediaDeviceTest::commandsIgnoreLetterCaseAndRejectUnknownOnes()
{
    m_device->setDeviceType(QStringLiteral("waveaudio"));
    m_device->setFileName(pcmFile(QStringLiteral("case.wav"), 1, 22050, 16, 22050));
    QVERIFY(m_device->command(QStringLiteral("Open")));
    QTRY_VERIFY_WITH_TIMEOUT(m_device->isOpen(), Patience);
    QVERIFY(m_device->command(QStringLiteral("CLOSE")));
    QVERIFY(!m_device->isOpen());
    QString error;
    QVERIFY(!m_device->command(QStringLiteral("eject"), &error));
    QVERIFY(error.contains(QStringLiteral("eject")));
}

void MultimediaDeviceTest::closedDeviceIgnoresTransportCommands()
{
    for (const char *verb : {"close", "play", "stop", "prev", "close"})
        QVERIFY2(m_device->command(QString::fromLatin1(verb)), verb);
    QVERIFY(!m_device->isPlaying());
    QCOMPARE(m_device->position(), 0);
}

void MultimediaDeviceTest::playsWaveToTheEnd_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("8-bit mono 11025 Hz, odd length") << "u8-mono-odd.wav";
    QTest::newRow("16-bit stereo 22050 Hz") << "s16-stereo.wav";
    QTest::newRow("8-bit stereo 44100 Hz") << "u8-stereo.wav";
    QTest::newRow("IMA ADPCM") << "ima.wav";
    QTest::newRow("Microsoft ADPCM") << "ms.wav";
}

void MultimediaDeviceTest::playsWaveToTheEnd()
{
    QFETCH(QString, name);
    QString path;
    if (name == QLatin1String("u8-mono-odd.wav"))
        path = pcmFile(name, 1, 11025, 8, 11025 / 2 + 1);
    else if (name == QLatin1String("s16-stereo.wav"))
        path = pcmFile(name, 2, 22050, 16, 11025);
    else if (name == QLatin1String("u8-stereo.wav"))
        path = pcmFile(name, 2, 44100, 8, 22051);
    else
        path =
            ffmpegFile(name, {QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                              QStringLiteral("sine=frequency=300:sample_rate=22050:duration=0.7"),
                              QStringLiteral("-ac"), QStringLiteral("2"), QStringLiteral("-c:a"),
                              name == QLatin1String("ima.wav") ? QStringLiteral("adpcm_ima_wav")
                                                               : QStringLiteral("adpcm_ms")});
    if (path.isEmpty())
        QSKIP("ffmpeg is needed to make this file");

    QString error;
    QVERIFY2(openAs(QStringLiteral("WaveAudio"), path, &error), qPrintable(error));
    QVERIFY(m_device->duration() > 0);
    QSignalSpy ended(m_device, &MultimediaDevice::playbackEnded);
    QVERIFY(m_device->command(QStringLiteral("play")));
    QTRY_VERIFY_WITH_TIMEOUT(m_device->isPlaying() || ended.count() > 0, Patience);
    QTRY_COMPARE_WITH_TIMEOUT(ended.count(), 1, Patience);
    QVERIFY(!m_device->isPlaying());
    QVERIFY(m_device->isOpen());
}

void MultimediaDeviceTest::stopKeepsPositionAndPrevRewinds()
{
    QVERIFY(openAs(QStringLiteral("WaveAudio"),
                   pcmFile(QStringLiteral("long.wav"), 1, 22050, 16, 22050 * 20)));
    QVERIFY(m_device->command(QStringLiteral("play")));
    QTRY_VERIFY_WITH_TIMEOUT(m_device->position() > 200, Patience);

    QVERIFY(m_device->command(QStringLiteral("stop")));
    QVERIFY(!m_device->isPlaying());
    QVERIFY(m_device->isOpen());
    QTest::qWait(300);
    const qint64 stoppedAt = m_device->position();
    QVERIFY(stoppedAt > 200);
    QTest::qWait(300);
    QCOMPARE(m_device->position(), stoppedAt);

    QVERIFY(m_device->command(QStringLiteral("prev")));
    QTRY_COMPARE_WITH_TIMEOUT(m_device->position(), 0, Patience);
    QVERIFY(m_device->isOpen());
    QVERIFY(m_device->command(QStringLiteral("play")));
    QTRY_VERIFY_WITH_TIMEOUT(m_device->isPlaying(), Patience);
}

void MultimediaDeviceTest::closeStopsPlayback()
{
    QVERIFY(openAs(QStringLiteral("WaveAudio"),
                   pcmFile(QStringLiteral("long.wav"), 1, 22050, 16, 22050 * 20)));
    QVERIFY(m_device->command(QStringLiteral("play")));
    QTRY_VERIFY_WITH_TIMEOUT(m_device->isPlaying(), Patience);
    QVERIFY(m_device->command(QStringLiteral("close")));
    QVERIFY(!m_device->isPlaying());
    QVERIFY(!m_device->isOpen());
    // As the sound panel's Stop does: play after close finds nothing to play.
    QVERIFY(m_device->command(QStringLiteral("play")));
    QTest::qWait(200);
    QVERIFY(!m_device->isPlaying());
}

// A caller may chain the next sound from the end of the last one.
void MultimediaDeviceTest::reopensFromItsOwnEndSignal()
{
    const QString first = pcmFile(QStringLiteral("first.wav"), 1, 11025, 8, 2205);
    const QString second = pcmFile(QStringLiteral("second.wav"), 2, 22050, 16, 4410);
    QStringList played;
    connect(m_device, &MultimediaDevice::playbackEnded, this, [&] {
        played.append(m_device->fileName());
        if (played.size() == 1 && openAs(QStringLiteral("WaveAudio"), second))
            m_device->command(QStringLiteral("play"));
    });
    QVERIFY(openAs(QStringLiteral("WaveAudio"), first));
    QVERIFY(m_device->command(QStringLiteral("play")));
    QTRY_COMPARE_WITH_TIMEOUT(played.size(), 2, Patience);
    QCOMPARE(played, (QStringList{first, second}));
}

void MultimediaDeviceTest::newOpenCutsOffThePreviousSound()
{
    QVERIFY(openAs(QStringLiteral("WaveAudio"),
                   pcmFile(QStringLiteral("long.wav"), 1, 22050, 16, 22050 * 20)));
    QVERIFY(m_device->command(QStringLiteral("play")));
    QTRY_VERIFY_WITH_TIMEOUT(m_device->position() > 200, Patience);
    QVERIFY(openAs(QStringLiteral("WaveAudio"),
                   pcmFile(QStringLiteral("short.wav"), 1, 11025, 8, 5513)));
    QVERIFY(!m_device->isPlaying());
    QCOMPARE(m_device->position(), 0);
    QVERIFY(m_device->duration() < 2000);
}

void MultimediaDeviceTest::openSettlesLaterAndKeepsWhatWasAskedMeanwhile()
{
    const QString path = pcmFile(QStringLiteral("later.wav"), 1, 22050, 16, 22050 * 5);
    QSignalSpy opened(m_device, &MultimediaDevice::opened);
    QSignalSpy failed(m_device, &MultimediaDevice::openFailed);
    m_device->setDeviceType(QStringLiteral("WaveAudio"));
    m_device->setFileName(path);

    // Closed while it opens: abandoned without a word.
    QVERIFY(m_device->command(QStringLiteral("open")));
    QVERIFY(m_device->isOpening());
    QVERIFY(m_device->command(QStringLiteral("close")));
    QTest::qWait(500);
    QCOMPARE(opened.count() + failed.count(), 0);
    QVERIFY(!m_device->isOpen());

    // Play given while it opens: it plays once open. The outcome never comes from within
    // the command itself.
    QVERIFY(m_device->command(QStringLiteral("open")));
    QVERIFY(m_device->command(QStringLiteral("play")));
    QCOMPARE(opened.count(), 0);
    QVERIFY(!m_device->isPlaying());
    QTRY_VERIFY_WITH_TIMEOUT(m_device->isPlaying() && m_device->position() > 0, Patience);
    QCOMPARE(opened.count(), 1);

    // Stop given while it opens cancels the play given before it.
    QVERIFY(m_device->command(QStringLiteral("open")));
    QVERIFY(m_device->command(QStringLiteral("play")));
    QVERIFY(m_device->command(QStringLiteral("stop")));
    QTRY_COMPARE_WITH_TIMEOUT(opened.count(), 2, Patience);
    QTest::qWait(300);
    QVERIFY(!m_device->isPlaying());
    QCOMPARE(failed.count(), 0);
    QVERIFY(QDir(m_dir.filePath(QStringLiteral("tmp"))).isEmpty());
}

void MultimediaDeviceTest::soundOverTheSizeLimitFailsAtOnce()
{
    const QString path = m_dir.filePath(QStringLiteral("huge.wav"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(pcmWave(1, 22050, 16, 100));
        QVERIFY(file.resize(gallerion::wav::MaxFileBytes + 1)); // sparse: no disk used
    }
    QSignalSpy failed(m_device, &MultimediaDevice::openFailed);
    m_device->setDeviceType(QStringLiteral("WaveAudio"));
    m_device->setFileName(path);
    QString error;
    QVERIFY(!m_device->command(QStringLiteral("open"), &error));
    QVERIFY2(error.contains(QStringLiteral("too large")), qPrintable(error));
    QVERIFY(!m_device->isOpening());
    QCOMPARE(failed.count(), 0);
}

// As from a disc image: the name is only for the user, the bytes come from the device.
void MultimediaDeviceTest::playsAndSeeksContentFromADevice()
{
    m_device->setDeviceType(QStringLiteral("WaveAudio"));
    m_device->setFileName(QStringLiteral("E:\\wav\\inside.wav"));
    auto sound = std::make_unique<QBuffer>();
    sound->setData(pcmWave(2, 22050, 16, 4410));
    QVERIFY(sound->open(QIODevice::ReadOnly));
    m_device->setContent(std::move(sound));
    QString error;
    QVERIFY2(openAndWait(&error), qPrintable(error));
    QSignalSpy ended(m_device, &MultimediaDevice::playbackEnded);
    QVERIFY(m_device->command(QStringLiteral("play")));
    QTRY_COMPARE_WITH_TIMEOUT(ended.count(), 1, Patience);

    const QString path = movie(QStringLiteral("mjpeg"));
    if (path.isEmpty())
        QSKIP("ffmpeg is needed to make the movie");
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    auto film = std::make_unique<QBuffer>();
    film->setData(file.readAll());
    QVERIFY(film->open(QIODevice::ReadOnly));
    auto *picture = new QWidget(m_window.get());
    picture->resize(160, 120);
    m_device->command(QStringLiteral("close"));
    m_device->setDeviceType(QStringLiteral("AVIVideo"));
    m_device->setFileName(QStringLiteral("E:\\movies\\inside.avi"));
    m_device->setDisplayWindow(picture);
    m_device->setContent(std::move(film));
    QVERIFY2(openAndWait(&error), qPrintable(error));
    QVERIFY(m_device->hasVideo());
    QVERIFY(m_device->duration() >= 900);
    m_device->seek(600);
    QTRY_VERIFY_WITH_TIMEOUT(m_device->position() >= 600, Patience);
    QVERIFY(m_device->command(QStringLiteral("play")));
    QTRY_VERIFY_WITH_TIMEOUT(m_device->isPlaying(), Patience);
    QVERIFY(QDir(m_dir.filePath(QStringLiteral("tmp"))).isEmpty());
}

void MultimediaDeviceTest::playsMovieIntoDisplayWindow_data()
{
    QTest::addColumn<QString>("codec");
    QTest::addColumn<QString>("sound");
    QTest::newRow("Microsoft Video 1, 16-bit PCM") << "msvideo1"
                                                   << "pcm_s16le";
    QTest::newRow("Cinepak, IMA ADPCM") << "cinepak"
                                        << "adpcm_ima_wav";
    QTest::newRow("Cinepak, 8-bit PCM") << "cinepak"
                                        << "pcm_u8";
    QTest::newRow("Microsoft Video 1, Microsoft ADPCM") << "msvideo1"
                                                        << "adpcm_ms";
    QTest::newRow("Motion JPEG, 16-bit PCM") << "mjpeg"
                                             << "pcm_s16le";
}

void MultimediaDeviceTest::playsMovieIntoDisplayWindow()
{
    QFETCH(QString, codec);
    QFETCH(QString, sound);
    const QString path = movie(codec, sound);
    if (path.isEmpty())
        QSKIP("ffmpeg is needed to make the movie");
    auto *picture = new QWidget(m_window.get());
    picture->setObjectName(QStringLiteral("PicMovie"));
    picture->setGeometry(10, 10, 200, 150);
    picture->show();

    m_device->command(QStringLiteral("close"));
    m_device->setDeviceType(QStringLiteral("AVIVideo"));
    m_device->setFileName(path);
    m_device->setDisplayWindow(picture);
    QString error;
    QVERIFY2(openAndWait(&error), qPrintable(error));
    QVERIFY(m_device->hasVideo());
    QVERIFY(m_device->hasAudio());
    auto *video = picture->findChild<QVideoWidget *>();
    QVERIFY(video);
    QCOMPARE(video->geometry(), picture->rect());
    picture->resize(240, 180);
    QCOMPARE(video->size(), picture->size());

    QSignalSpy frames(video->videoSink(), &QVideoSink::videoFrameChanged);
    QSignalSpy ended(m_device, &MultimediaDevice::playbackEnded);
    QVERIFY(m_device->command(QStringLiteral("play")));
    QTRY_COMPARE_WITH_TIMEOUT(ended.count(), 1, Patience);
    QVERIFY(frames.count() > 0);
    QVERIFY(m_device->command(QStringLiteral("close")));
    QVERIFY(!picture->findChild<QVideoWidget *>());
}

// The movie window opens its first film before it routes the picture.
void MultimediaDeviceTest::displayWindowMaySetAfterOpen()
{
    const QString path = movie(QStringLiteral("cinepak"));
    if (path.isEmpty())
        QSKIP("ffmpeg is needed to make the movie");
    QVERIFY(openAs(QStringLiteral("AVIVideo"), path));
    auto *picture = new QWidget(m_window.get());
    picture->resize(160, 120);
    m_device->setDisplayWindow(picture);
    auto *video = picture->findChild<QVideoWidget *>();
    QVERIFY(video);
    QSignalSpy frames(video->videoSink(), &QVideoSink::videoFrameChanged);
    QVERIFY(m_device->command(QStringLiteral("play")));
    QTRY_VERIFY_WITH_TIMEOUT(frames.count() > 0, Patience);

    // Moving the picture elsewhere takes the video along.
    auto *other = new QWidget(m_window.get());
    m_device->setDisplayWindow(other);
    QVERIFY(!picture->findChild<QVideoWidget *>());
    QVERIFY(other->findChild<QVideoWidget *>());
}

void MultimediaDeviceTest::waveOpenedAsVideoFails()
{
    QString error;
    QVERIFY(!openAs(QStringLiteral("AVIVideo"),
                    pcmFile(QStringLiteral("sound.wav"), 2, 22050, 16, 22050), &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!m_device->isOpen());
}

// Like a movie in a codec the machine lacks: Qt would play its sound track alone.
void MultimediaDeviceTest::movieWithUndecodablePictureFails()
{
    const QString path = movie(QStringLiteral("mjpeg"));
    if (path.isEmpty())
        QSKIP("ffmpeg is needed to make the movie");
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QByteArray bytes = file.readAll();
    QVERIFY(bytes.count("MJPG") >= 1);
    const QString unknown = writeFile(QStringLiteral("unknown.avi"), bytes.replace("MJPG", "QZQZ"));
    QString error;
    QVERIFY(!openAs(QStringLiteral("AVIVideo"), unknown, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!m_device->isOpen());
    // The untouched movie opens: it was the picture that made the difference.
    QVERIFY(openAs(QStringLiteral("AVIVideo"), path));
}

// No Indeo encoder exists to make a test film, so this checks that GStreamer has
// the decoders that the disc's films need, each for its own Indeo version.
void MultimediaDeviceTest::indeoDecodersArePresent_data()
{
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("version");
    QTest::newRow("Indeo 3") << "avdec_indeo3"
                             << "3";
    QTest::newRow("Indeo 4") << "avdec_indeo4"
                             << "4";
    QTest::newRow("Indeo 5") << "avdec_indeo5"
                             << "5";
}

void MultimediaDeviceTest::indeoDecodersArePresent()
{
    QFETCH(QString, element);
    QFETCH(QString, version);
    const QString inspect = QStandardPaths::findExecutable(QStringLiteral("gst-inspect-1.0"));
    QVERIFY2(!inspect.isEmpty(), "gst-inspect-1.0 is missing: run scripts/install-deps.sh");
    QProcess process;
    process.start(inspect, {element});
    QVERIFY(process.waitForFinished(Patience));
    QCOMPARE(process.exitCode(), 0);
    const QString text = QString::fromUtf8(process.readAllStandardOutput()).simplified();
    const QString sink = text.mid(text.indexOf(QStringLiteral("SINK template")));
    QVERIFY2(sink.contains(QStringLiteral("video/x-indeo indeoversion: ") + version),
             qPrintable(sink.left(200)));
}

void MultimediaDeviceTest::survivesDisplayWindowDeletedWhilePlaying()
{
    const QString path = movie(QStringLiteral("mjpeg"));
    if (path.isEmpty())
        QSKIP("ffmpeg is needed to make the movie");
    auto *picture = new QWidget(m_window.get());
    picture->resize(160, 120);
    m_device->setDisplayWindow(picture);
    QVERIFY(openAs(QStringLiteral("AVIVideo"), path));
    QVERIFY(m_device->command(QStringLiteral("play")));
    QTRY_VERIFY_WITH_TIMEOUT(m_device->isPlaying(), Patience);
    delete picture;
    QVERIFY(!m_device->displayWindow());
    QTest::qWait(200);
    QVERIFY(m_device->command(QStringLiteral("close")));
}

void MultimediaDeviceTest::buttonsHaveOwnFlagsAndReportClicks()
{
    const QList<QToolButton *> buttons = m_device->findChildren<QToolButton *>();
    QCOMPARE(buttons.size(), MultimediaDevice::ButtonCount);
    for (const char *name :
         {"Prev", "Next", "Play", "Pause", "Back", "Step", "Stop", "Record", "Eject"})
        QVERIFY2(m_device->findChild<QToolButton *>(QString::fromLatin1(name)), name);

    // The slide show's set-up: Record and Eject hidden, Pause disabled.
    m_device->setButtonVisible(Button::Record, false);
    m_device->setButtonVisible(Button::Eject, false);
    m_device->setButtonEnabled(Button::Pause, false);
    QVERIFY(!m_device->isButtonVisible(Button::Record));
    QVERIFY(!m_device->isButtonVisible(Button::Eject));
    QVERIFY(m_device->isButtonVisible(Button::Pause));
    QVERIFY(!m_device->isButtonEnabled(Button::Pause));
    QVERIFY(m_device->isButtonEnabled(Button::Play));
    QVERIFY(m_device->button(Button::Play)->isVisible());
    QVERIFY(!m_device->button(Button::Eject)->isVisible());

    QSignalSpy clicks(m_device, &MultimediaDevice::buttonClicked);
    QTest::mouseClick(m_device->button(Button::Step), Qt::LeftButton);
    QTest::mouseClick(m_device->button(Button::Pause), Qt::LeftButton);
    QTest::mouseClick(m_device->button(Button::Prev), Qt::LeftButton);
    QCOMPARE(clicks.count(), 2);
    QCOMPARE(clicks.at(0).at(0).value<Button>(), Button::Step);
    QCOMPARE(clicks.at(1).at(0).value<Button>(), Button::Prev);

    // Hiding the device hides the whole row; the flags stay.
    m_device->hide();
    QVERIFY(!m_device->button(Button::Play)->isVisible());
    QVERIFY(m_device->isButtonVisible(Button::Play));
}

void MultimediaDeviceTest::traceRecordsCommandsAndSetters()
{
    const QString tracePath = m_dir.filePath(QStringLiteral("trace.jsonl"));
    qputenv("GALLERION_TRACE", QFile::encodeName(tracePath));
    auto *picture = new QWidget(m_window.get());
    picture->setObjectName(QStringLiteral("PicMovie"));
    const QString path = m_dir.filePath(QStringLiteral("absent.wav"));
    m_device->command(QStringLiteral("close"));
    m_device->setDeviceType(QStringLiteral("WaveAudio"));
    m_device->setFileName(path);
    m_device->setDisplayWindow(picture);
    m_device->command(QStringLiteral("open"));

    QFile file(tracePath);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QList<QJsonObject> lines;
    for (const QByteArray &line : file.readAll().split('\n'))
        if (!line.isEmpty())
            lines.append(QJsonDocument::fromJson(line).object());
    QCOMPARE(lines.size(), 5);
    const QStringList actions{"command", "devicetype", "filename", "display", "command"};
    const QStringList values{"close", "WaveAudio", path, "PicMovie", "open"};
    for (int i = 0; i < lines.size(); ++i) {
        QCOMPARE(lines[i].value("kind").toString(), QStringLiteral("media"));
        QCOMPARE(lines[i].value("control").toString(), QStringLiteral("Form1.MMControl1"));
        QCOMPARE(lines[i].value("action").toString(), actions[i]);
        QCOMPARE(lines[i].value("value").toString(), values[i]);
    }
    QCOMPARE(lines[4].value("ok").toBool(true), false);
}

QTEST_MAIN(MultimediaDeviceTest)
#include "tst_multimediadevice.moc"
