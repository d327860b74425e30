#include "media/aviprobe.h"

#include <QBuffer>
#include <QTest>
#include <QtEndian>

using gallerion::AviProbe;
using gallerion::probeAvi;
using Verdict = AviProbe::Verdict;

namespace {

QByteArray chunk(const QByteArray &id, const QByteArray &body)
{
    QByteArray out = id;
    out.resize(8);
    qToLittleEndian<quint32>(quint32(body.size()), out.data() + 4);
    out += body;
    if (body.size() % 2)
        out.append('\0');
    return out;
}

QByteArray list(const QByteArray &type, const QByteArray &body)
{
    return chunk("LIST", type + body);
}

// A stream list as an AVI writer lays it out: strh with the stream type and handler,
// then strf (for video a BITMAPINFOHEADER whose biCompression is at offset 16).
QByteArray stream(const QByteArray &type, const QByteArray &handler, const QByteArray &compression)
{
    QByteArray header = type + handler;
    header.resize(56);
    QByteArray format(40, '\0');
    if (type == "vids")
        format.replace(16, 4, compression);
    else
        format.resize(18);
    return list("strl", chunk("strh", header) + chunk("strf", format));
}

QByteArray avi(const QByteArray &streams, qsizetype frameBytes = 4000)
{
    const QByteArray body = "AVI " + list("hdrl", chunk("avih", QByteArray(56, '\0')) + streams) +
                            list("movi", chunk("00dc", QByteArray(frameBytes, 'x')));
    return chunk("RIFF", body);
}

AviProbe probe(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return probeAvi(buffer);
}

} // namespace

class AviProbeTest : public QObject
{
    Q_OBJECT

private slots:
    void tellsDamageFromAFilmThatNeedsADecoder_data();
    void tellsDamageFromAFilmThatNeedsADecoder();
    void hostileHeadersStayInBounds();
};

void AviProbeTest::tellsDamageFromAFilmThatNeedsADecoder_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("verdict");
    QTest::addColumn<QByteArray>("codec");
    const QByteArray film = avi(stream("vids", "iv50", "IV50") + stream("auds", "", ""));
    QTest::newRow("whole film") << film << int(Verdict::Intact) << QByteArray("IV50");
    QTest::newRow("compression from the handler when the format has none")
        << avi(stream("vids", "cvid", QByteArray(4, '\0'))) << int(Verdict::Intact)
        << QByteArray("cvid");
    QTest::newRow("0 bytes") << QByteArray() << int(Verdict::Empty) << QByteArray();
    QTest::newRow("cut off in the frames")
        << film.left(film.size() - 1000) << int(Verdict::Truncated) << QByteArray("IV50");
    QTest::newRow("cut off in the stream headers")
        << film.left(100) << int(Verdict::Truncated) << QByteArray();
    QTest::newRow("sound only") << avi(stream("auds", "", "")) << int(Verdict::AudioOnly)
                                << QByteArray();
    QTest::newRow("a wave sound") << chunk("RIFF", "WAVE" + chunk("fmt ", QByteArray(16, '\1')))
                                  << int(Verdict::NotAvi) << QByteArray();
    QTest::newRow("random bytes") << QByteArray("\x13\x37 no header here at all", 24)
                                  << int(Verdict::NotAvi) << QByteArray();
}

void AviProbeTest::tellsDamageFromAFilmThatNeedsADecoder()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, verdict);
    QFETCH(QByteArray, codec);
    const AviProbe result = probe(bytes);
    QCOMPARE(int(result.verdict), verdict);
    QCOMPARE(result.codec, codec);
}

// Sizes that point past the end or wrap around must neither read out of bounds nor loop.
void AviProbeTest::hostileHeadersStayInBounds()
{
    QByteArray film = avi(stream("vids", "MJPG", "MJPG"));
    const qsizetype strh = film.indexOf("strh");
    for (quint32 size : {0xFFFFFFFFu, 0x7FFFFFFFu, 0u, 3u}) {
        QByteArray bent = film;
        qToLittleEndian<quint32>(size, bent.data() + strh + 4);
        QVERIFY(probe(bent).verdict != Verdict::NotAvi);
        qToLittleEndian<quint32>(size, bent.data() + 16); // the header list's size
        const Verdict verdict = probe(bent).verdict;
        QVERIFY(verdict == Verdict::Intact || verdict == Verdict::Truncated ||
                verdict == Verdict::AudioOnly);
    }
}

QTEST_MAIN(AviProbeTest)
#include "tst_aviprobe.moc"
