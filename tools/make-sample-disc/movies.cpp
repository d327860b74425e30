#include "movies.h"

#include "riff.h"
#include "scene.h"
#include "sounds.h"

#include <QPainter>

namespace sampledisc {

namespace {

constexpr quint32 aviHasIndex = 0x10;
constexpr quint32 aviIsInterleaved = 0x100;
constexpr quint32 indexKeyFrame = 0x10;
constexpr int audioBytesPerSample = 2;

struct MovieChunk
{
    QByteArray id;
    QByteArray payload;
};

QByteArray mainHeader(int frames, QSize size, int biggestChunk)
{
    QByteArray avih;
    appendU32(avih, 1000000 / movieFramesPerSecond);
    appendU32(avih, quint32(biggestChunk * movieFramesPerSecond));
    appendU32(avih, 0);
    appendU32(avih, aviHasIndex | aviIsInterleaved);
    appendU32(avih, quint32(frames));
    appendU32(avih, 0);
    appendU32(avih, 2);
    appendU32(avih, quint32(biggestChunk));
    appendU32(avih, quint32(size.width()));
    appendU32(avih, quint32(size.height()));
    for (int i = 0; i < 4; ++i)
        appendU32(avih, 0);
    return riffChunk("avih", avih);
}

struct StreamHeader
{
    const char *type;
    const char *handler;
    quint32 scale;
    quint32 rate;
    quint32 length;
    quint32 bufferSize;
    quint32 sampleSize;
    QSize frame;
};

QByteArray streamHeader(const StreamHeader &s)
{
    QByteArray strh(s.type, 4);
    strh.append(s.handler, 4);
    for (int i = 0; i < 3; ++i) // flags, priority and language, initial frames
        appendU32(strh, 0);
    appendU32(strh, s.scale);
    appendU32(strh, s.rate);
    appendU32(strh, 0);
    appendU32(strh, s.length);
    appendU32(strh, s.bufferSize);
    appendU32(strh, 0xffffffff);
    appendU32(strh, s.sampleSize);
    appendU16(strh, 0);
    appendU16(strh, 0);
    appendU16(strh, quint16(s.frame.width()));
    appendU16(strh, quint16(s.frame.height()));
    return riffChunk("strh", strh);
}

QByteArray videoFormat(QSize size)
{
    QByteArray bih;
    appendU32(bih, 40);
    appendU32(bih, quint32(size.width()));
    appendU32(bih, quint32(size.height()));
    appendU16(bih, 1);
    appendU16(bih, 24);
    bih.append("MJPG", 4);
    appendU32(bih, quint32(size.width() * size.height() * 3));
    for (int i = 0; i < 4; ++i)
        appendU32(bih, 0);
    return riffChunk("strf", bih);
}

QByteArray audioFormat()
{
    QByteArray wfx;
    appendU16(wfx, 1);
    appendU16(wfx, 1);
    appendU32(wfx, movieAudioRate);
    appendU32(wfx, movieAudioRate * audioBytesPerSample);
    appendU16(wfx, audioBytesPerSample);
    appendU16(wfx, audioBytesPerSample * 8);
    return riffChunk("strf", wfx);
}

QList<MovieChunk> interleave(const QList<QByteArray> &frames, const QList<qint16> &sound)
{
    QList<MovieChunk> chunks;
    const qsizetype perFrame = sound.size() / qMax<qsizetype>(1, frames.size());
    for (qsizetype f = 0; f < frames.size(); ++f) {
        chunks.append({"00dc", frames[f]});
        const qsizetype end = f + 1 == frames.size() ? sound.size() : (f + 1) * perFrame;
        QByteArray pcm;
        for (qsizetype i = f * perFrame; i < end; ++i)
            appendU16(pcm, quint16(sound[i]));
        chunks.append({"01wb", pcm});
    }
    return chunks;
}

// idx1 offsets count from the "movi" form type, as the classic writers did.
QByteArray movieList(const QList<MovieChunk> &chunks, QByteArray &index)
{
    QByteArray movi;
    for (const MovieChunk &c : chunks) {
        index.append(c.id);
        appendU32(index, indexKeyFrame);
        appendU32(index, quint32(movi.size() + 4));
        appendU32(index, quint32(c.payload.size()));
        movi += riffChunk(c.id.constData(), c.payload);
    }
    return riffList("LIST", "movi", movi);
}

} // namespace

QImage drawMovieFrame(const DiscFile &file, int frame)
{
    QImage image = blankImage(file.size, Qt::black);
    QPainter painter(&image);
    const QRectF area(QPointF(0, 0), QSizeF(file.size));
    paintLandscape(painter, area, file.variant);
    const qreal carWidth = area.width() * 0.4;
    const qreal x = -carWidth + (area.width() + carWidth) * frame / (movieFrameCount - 1);
    paintCar(painter, QRectF(x, area.height() * 0.56, carWidth, carWidth * 0.38),
             variantColor(file.variant * 5 + 1));
    paintOutlinedText(painter, area.adjusted(8, 6, -8, -6),
                      Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, file.title,
                      sampleFont(18), Qt::white);
    paintOutlinedText(painter, area.adjusted(8, 6, -8, -6), Qt::AlignRight | Qt::AlignBottom,
                      QString::number(frame + 1), sampleFont(14), Qt::yellow);
    return image;
}

QByteArray aviFile(const QList<QByteArray> &jpegFrames, const QList<qint16> &sound, QSize size)
{
    const QList<MovieChunk> chunks = interleave(jpegFrames, sound);
    qsizetype biggest = 0;
    for (const MovieChunk &c : chunks)
        biggest = qMax(biggest, c.payload.size());
    const auto frames = quint32(jpegFrames.size());
    const QByteArray videoStream = riffList(
        "LIST", "strl",
        streamHeader({"vids", "MJPG", 1, movieFramesPerSecond, frames, quint32(biggest), 0, size}) +
            videoFormat(size));
    const QByteArray audioStream = riffList(
        "LIST", "strl",
        streamHeader({"auds", "\0\0\0\0", audioBytesPerSample, movieAudioRate * audioBytesPerSample,
                      quint32(sound.size()), quint32(biggest), audioBytesPerSample, QSize()}) +
            audioFormat());
    const QByteArray header = riffList(
        "LIST", "hdrl", mainHeader(int(frames), size, int(biggest)) + videoStream + audioStream);
    QByteArray index;
    const QByteArray movi = movieList(chunks, index);
    return riffList("RIFF", "AVI ", header + movi + riffChunk("idx1", index));
}

QByteArray movieFile(const DiscFile &file)
{
    QList<QByteArray> frames;
    for (int f = 0; f < movieFrameCount; ++f)
        frames.append(encodeImage(drawMovieFrame(file, f), QStringLiteral("jpg")));
    const int samples = movieAudioRate * movieFrameCount / movieFramesPerSecond;
    return aviFile(frames, synthesizeSound(file.variant + 3, movieAudioRate, samples), file.size);
}

} // namespace sampledisc
