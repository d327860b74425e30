#include "media/aviprobe.h"

#include <QIODevice>
#include <QtEndian>

namespace gallerion {

namespace {

// The stream headers come first in every AVI; a header list larger than this is not one
// that a 2001 authoring tool wrote.
constexpr qint64 HeaderBytes = 1024 * 1024;

using Verdict = AviProbe::Verdict;

quint32 u32(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

// Walks the chunks between begin and end, descending into the lists that hold stream
// headers, and notes what the video stream (if any) is compressed with.
struct StreamScan
{
    explicit StreamScan(const QByteArray &scanned) : bytes(scanned) {}

    const QByteArray &bytes;
    bool video = false;
    bool inVideoStream = false;
    bool cutOff = false;
    QByteArray codec;

    void walk(qsizetype begin, qsizetype end)
    {
        qsizetype at = begin;
        while (at + 8 <= end) {
            const QByteArray id = bytes.mid(at, 4);
            const qsizetype size = u32(bytes, at + 4);
            const qsizetype body = at + 8;
            if (id == "LIST" && body + 4 <= end) {
                const QByteArray type = bytes.mid(body, 4);
                if (type == "movi")
                    return;
                if (type == "hdrl" || type == "strl") {
                    if (body + size > qsizetype(bytes.size()))
                        cutOff = true;
                    walk(body + 4, qMin(body + size, end));
                }
            } else if (id == "strh" && body + 8 <= end) {
                inVideoStream = bytes.mid(body, 4) == "vids";
                if (inVideoStream) {
                    video = true;
                    codec = bytes.mid(body + 4, 4);
                }
            } else if (id == "strf" && inVideoStream && body + 20 <= end) {
                // BITMAPINFOHEADER: biCompression names the decoder the picture needs.
                const QByteArray compression = bytes.mid(body + 16, 4);
                if (compression != QByteArray(4, '\0'))
                    codec = compression;
            }
            at = body + size + (size & 1);
        }
        if (at < end)
            cutOff = true;
    }
};

} // namespace

AviProbe probeAvi(QIODevice &device)
{
    AviProbe probe;
    const qint64 fileSize = device.size();
    const QByteArray bytes = device.read(HeaderBytes);
    if (fileSize == 0 && bytes.isEmpty()) {
        probe.verdict = Verdict::Empty;
        return probe;
    }
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "AVI ")
        return probe;
    const qint64 declared = qint64(u32(bytes, 4)) + 8;
    StreamScan scan(bytes);
    scan.walk(12, bytes.size());
    probe.codec = scan.codec.trimmed();
    if ((!device.isSequential() && declared > fileSize) || (!scan.video && scan.cutOff))
        probe.verdict = Verdict::Truncated;
    else if (!scan.video)
        probe.verdict = Verdict::AudioOnly;
    else
        probe.verdict = Verdict::Intact;
    return probe;
}

} // namespace gallerion
