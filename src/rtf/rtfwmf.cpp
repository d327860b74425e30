#include "rtf/rtfbytes.h"
#include "rtf/rtfdib.h"
#include "rtf/rtfmetafile.h"
#include "rtf/rtfmetafilecanvas.h"

namespace gallerion::rtf {

namespace {

constexpr quint32 PlaceableKey = 0x9AC6CDD7;
constexpr int PlaceableSize = 22;
constexpr int HeaderSize = 18;
constexpr int MaxRecords = 500000;

// Windows metafile record functions.
enum Function : quint16
{
    Eof = 0x0000,
    SaveDc = 0x001E,
    CreatePalette = 0x00F7,
    SetBkMode = 0x0102,
    SetPolyFillMode = 0x0106,
    SelectObject = 0x012D,
    SetTextAlign = 0x012E,
    RestoreDc = 0x0127,
    DibCreatePatternBrush = 0x0142,
    DeleteObject = 0x01F0,
    CreatePatternBrush = 0x01F9,
    SetBkColor = 0x0201,
    SetTextColor = 0x0209,
    SetWindowOrg = 0x020B,
    SetWindowExt = 0x020C,
    LineTo = 0x0213,
    MoveTo = 0x0214,
    CreatePenIndirect = 0x02FA,
    CreateFontIndirect = 0x02FB,
    CreateBrushIndirect = 0x02FC,
    Polygon = 0x0324,
    Polyline = 0x0325,
    ExcludeClipRect = 0x0415,
    IntersectClipRect = 0x0416,
    Ellipse = 0x0418,
    Rectangle = 0x041B,
    TextOut = 0x0521,
    PolyPolygon = 0x0538,
    RoundRect = 0x061C,
    PatBlt = 0x061D,
    CreateRegion = 0x06FF,
    Arc = 0x0817,
    Pie = 0x081A,
    Chord = 0x0830,
    DibBitBlt = 0x0940,
    ExtTextOut = 0x0A32,
    DibStretchBlt = 0x0B41,
    SetDibitsToDevice = 0x0D33,
    StretchDib = 0x0F43,
};

QColor colourAt(const ByteReader &r, qint64 at)
{
    return QColor(r.u8(at), r.u8(at + 1), r.u8(at + 2));
}

// Most records give a point as y before x.
QPointF pointYX(const ByteReader &r, qint64 at)
{
    return QPointF(r.s16(at + 2), r.s16(at));
}

// Rectangles as bottom, right, top, left.
QRectF rectBRTL(const ByteReader &r, qint64 at)
{
    return QRectF(QPointF(r.s16(at + 6), r.s16(at + 4)), QPointF(r.s16(at + 2), r.s16(at)));
}

QPolygonF points(const ByteReader &r, qint64 at, qint64 count)
{
    count = qBound<qint64>(0, count, (r.size() - at) / 4);
    QPolygonF polygon;
    polygon.reserve(count);
    for (qint64 i = 0; i < count; ++i)
        polygon.append(QPointF(r.s16(at + 4 * i), r.s16(at + 4 * i + 2)));
    return polygon;
}

// The source rectangle of a bitmap in image rows, which count from the top.
QRectF sourceRect(QByteArrayView dib, const QImage &image, QRectF source)
{
    const ByteReader header(dib);
    const bool topDown = header.u32(0) >= 40 && header.s32(8) < 0;
    if (!topDown)
        source.moveTop(image.height() - source.top() - source.height());
    return source;
}

QPen penFrom(const ByteReader &r)
{
    return metafilePen(r.u16(0), qAbs(r.s16(2)), colourAt(r, 6));
}

MetafileFont fontFrom(const ByteReader &r)
{
    MetafileFont font;
    font.height = r.s16(0);
    font.escapement = r.s16(4);
    font.weight = r.s16(8);
    font.italic = r.u8(10);
    font.underline = r.u8(11);
    font.strikeOut = r.u8(12);
    font.charset = r.u8(13);
    font.pitchAndFamily = r.u8(17);
    QByteArrayView face = r.bytes(18, 32);
    if (const qsizetype end = face.indexOf('\0'); end >= 0)
        face = face.first(end);
    font.face = QString::fromLatin1(face).trimmed();
    return font;
}

class WmfPlayer
{
public:
    WmfPlayer(QByteArrayView data, MetafileCanvas &canvas) : m_data(data), m_canvas(canvas) {}

    bool play();

private:
    qint64 header();
    void setInitialWindow(qint64 firstRecord);
    bool record(quint16 function, const ByteReader &r);
    bool stateRecord(quint16 function, const ByteReader &r);
    bool objectRecord(quint16 function, const ByteReader &r);
    bool shapeRecord(quint16 function, const ByteReader &r);
    bool textRecord(quint16 function, const ByteReader &r);
    bool bitmapRecord(quint16 function, const ByteReader &r);
    void drawDib(const ByteReader &r, qint64 dibAt, const QRectF &target, QRectF source,
                 quint32 rop);
    void patternOnly(const ByteReader &r, quint32 rop);

    ByteReader m_data;
    MetafileCanvas &m_canvas;
};

// Where the records start, or -1 when this is not a Windows metafile.
qint64 WmfPlayer::header()
{
    qint64 at = 0;
    if (m_data.u32(0) == PlaceableKey) {
        const QRectF box(QPointF(m_data.s16(6), m_data.s16(8)),
                         QPointF(m_data.s16(10), m_data.s16(12)));
        if (box.width() != 0 && box.height() != 0) {
            m_canvas.setWindowOrg(box.topLeft());
            m_canvas.setWindowExt(box.size());
        }
        at = PlaceableSize;
    }
    const quint16 type = m_data.u16(at);
    const quint16 words = m_data.u16(at + 2);
    if ((type != 1 && type != 2) || words != HeaderSize / 2 || !m_data.has(at, HeaderSize))
        return -1;
    return at + HeaderSize;
}

// Drawing may come before the window is set; the first window set is the frame.
void WmfPlayer::setInitialWindow(qint64 at)
{
    bool orgSeen = false;
    bool extSeen = false;
    for (int n = 0; n < MaxRecords && m_data.has(at, 6) && !(orgSeen && extSeen); ++n) {
        const qint64 size = 2 * qint64(m_data.u32(at));
        const quint16 function = m_data.u16(at + 4);
        if (size < 6 || function == Eof)
            break;
        const ByteReader r(m_data.bytes(at + 6, size - 6));
        if (function == SetWindowOrg && !orgSeen) {
            m_canvas.setWindowOrg(pointYX(r, 0));
            orgSeen = true;
        } else if (function == SetWindowExt && !extSeen) {
            m_canvas.setWindowExt(QSizeF(r.s16(2), r.s16(0)));
            extSeen = true;
        }
        at += size;
    }
}

bool WmfPlayer::play()
{
    m_canvas.setWindowIsFrame(true);
    qint64 at = header();
    if (at < 0)
        return false;
    setInitialWindow(at);
    for (int n = 0; n < MaxRecords && m_data.has(at, 6) && !m_canvas.exhausted(); ++n) {
        const qint64 size = 2 * qint64(m_data.u32(at));
        const quint16 function = m_data.u16(at + 4);
        if (size < 6 || function == Eof)
            break;
        record(function, ByteReader(m_data.bytes(at + 6, size - 6)));
        at += size;
    }
    return true;
}

bool WmfPlayer::record(quint16 function, const ByteReader &r)
{
    return stateRecord(function, r) || objectRecord(function, r) || shapeRecord(function, r) ||
           textRecord(function, r) || bitmapRecord(function, r);
}

bool WmfPlayer::stateRecord(quint16 function, const ByteReader &r)
{
    switch (function) {
    case SetWindowOrg:
        m_canvas.setWindowOrg(pointYX(r, 0));
        break;
    case SetWindowExt:
        m_canvas.setWindowExt(QSizeF(r.s16(2), r.s16(0)));
        break;
    case SetBkColor:
        m_canvas.setBackgroundColour(colourAt(r, 0));
        break;
    case SetBkMode:
        m_canvas.setBackgroundOpaque(r.u16(0) == 2);
        break;
    case SetTextColor:
        m_canvas.setTextColour(colourAt(r, 0));
        break;
    case SetTextAlign:
        m_canvas.setTextAlign(r.u16(0));
        break;
    case SetPolyFillMode:
        m_canvas.setFillRule(r.u16(0) == 2 ? Qt::WindingFill : Qt::OddEvenFill);
        break;
    case SaveDc:
        m_canvas.save();
        break;
    case RestoreDc:
        m_canvas.restore(r.s16(0));
        break;
    case IntersectClipRect:
        m_canvas.intersectClip(rectBRTL(r, 0));
        break;
    case ExcludeClipRect:
        m_canvas.excludeClip(rectBRTL(r, 0));
        break;
    default:
        return false;
    }
    return true;
}

bool WmfPlayer::objectRecord(quint16 function, const ByteReader &r)
{
    MetafileObject object;
    switch (function) {
    case CreatePenIndirect:
        object.kind = MetafileObject::Pen;
        object.pen = penFrom(r);
        break;
    case CreateBrushIndirect:
        object.kind = MetafileObject::Brush;
        object.brush = metafileBrush(r.u16(0), colourAt(r, 2), r.u16(6));
        break;
    case DibCreatePatternBrush: {
        object.kind = MetafileObject::Brush;
        const QImage pattern = imageFromDib(r.bytes(4, r.size()));
        object.brush = pattern.isNull() ? QBrush(Qt::gray) : QBrush(pattern);
        break;
    }
    case CreatePatternBrush:
        object.kind = MetafileObject::Brush;
        object.brush = QBrush(Qt::gray);
        break;
    case CreateFontIndirect:
        object.kind = MetafileObject::Font;
        object.font = fontFrom(r);
        break;
    case CreatePalette:
    case CreateRegion:
        object.kind = MetafileObject::Other;
        break;
    case SelectObject:
        m_canvas.selectObject(r.u16(0));
        return true;
    case DeleteObject:
        m_canvas.deleteObject(r.u16(0));
        return true;
    default:
        return false;
    }
    m_canvas.addObject(object);
    return true;
}

bool WmfPlayer::shapeRecord(quint16 function, const ByteReader &r)
{
    switch (function) {
    case MoveTo:
        m_canvas.moveTo(pointYX(r, 0));
        break;
    case LineTo:
        m_canvas.lineTo(pointYX(r, 0));
        break;
    case Polyline:
        m_canvas.drawPolyline(points(r, 2, r.u16(0)));
        break;
    case Polygon:
        m_canvas.drawPolygons({points(r, 2, r.u16(0))});
        break;
    case PolyPolygon: {
        const int count = r.u16(0);
        QList<QPolygonF> polygons;
        qint64 at = 2 + 2 * qint64(count);
        for (int i = 0; i < count && at < r.size(); ++i) {
            const int wanted = r.u16(2 + 2 * i);
            polygons.append(points(r, at, wanted));
            if (polygons.last().size() < wanted)
                break; // the record ended early
            at += 4 * qint64(wanted);
        }
        m_canvas.drawPolygons(polygons);
        break;
    }
    case Rectangle:
        m_canvas.drawRectangle(rectBRTL(r, 0));
        break;
    case RoundRect:
        m_canvas.drawRectangle(rectBRTL(r, 4), QSizeF(r.s16(2), r.s16(0)));
        break;
    case Ellipse:
        m_canvas.drawEllipse(rectBRTL(r, 0));
        break;
    case Arc:
    case Pie:
    case Chord: {
        const auto kind = function == Arc   ? MetafileCanvas::ArcOnly
                          : function == Pie ? MetafileCanvas::Pie
                                            : MetafileCanvas::Chord;
        m_canvas.drawArc(kind, rectBRTL(r, 8), pointYX(r, 4), pointYX(r, 0));
        break;
    }
    default:
        return false;
    }
    return true;
}

bool WmfPlayer::textRecord(quint16 function, const ByteReader &r)
{
    if (function == TextOut) {
        const qint64 count = r.s16(0) > 0 ? r.s16(0) : 0;
        const qint64 end = 2 + count + (count & 1);
        m_canvas.drawText(pointYX(r, end), r.bytes(2, count), {});
        return true;
    }
    if (function != ExtTextOut)
        return false;
    const qint64 count = r.s16(4) > 0 ? r.s16(4) : 0;
    const quint16 options = r.u16(6);
    QRectF rect;
    qint64 at = 8;
    if (options & 0x0006) {
        rect = QRectF(QPointF(r.s16(8), r.s16(10)), QPointF(r.s16(12), r.s16(14)));
        at += 8;
    }
    MetafileCanvas::TextBox box;
    box.opaque = options & 0x0002 ? rect : QRectF();
    box.clip = options & 0x0004 ? rect : QRectF();
    // Each character's advance follows the text, when the writer gave them.
    const qint64 dx = at + count + (count & 1);
    if (r.has(dx, 2 * count)) {
        for (qint64 i = 0; i < count; ++i)
            box.advance += r.s16(dx + 2 * i);
    }
    m_canvas.drawText(pointYX(r, 0), r.bytes(at, count), box);
    return true;
}

bool WmfPlayer::bitmapRecord(quint16 function, const ByteReader &r)
{
    switch (function) {
    case StretchDib:
        drawDib(r, 22, QRectF(r.s16(20), r.s16(18), r.s16(16), r.s16(14)),
                QRectF(r.s16(12), r.s16(10), r.s16(8), r.s16(6)), r.u32(0));
        break;
    case DibStretchBlt:
        if (r.size() <= 22)
            patternOnly(r, r.u32(0));
        else
            drawDib(r, 20, QRectF(r.s16(18), r.s16(16), r.s16(14), r.s16(12)),
                    QRectF(r.s16(10), r.s16(8), r.s16(6), r.s16(4)), r.u32(0));
        break;
    case DibBitBlt:
        if (r.size() <= 18)
            patternOnly(r, r.u32(0));
        else
            drawDib(r, 16, QRectF(r.s16(14), r.s16(12), r.s16(10), r.s16(8)),
                    QRectF(r.s16(6), r.s16(4), r.s16(10), r.s16(8)), r.u32(0));
        break;
    case SetDibitsToDevice:
        drawDib(r, 18, QRectF(r.s16(16), r.s16(14), r.s16(12), r.s16(10)),
                QRectF(r.s16(8), r.s16(6), r.s16(12), r.s16(10)), 0x00CC0020);
        break;
    case PatBlt:
        patternOnly(r, r.u32(0));
        break;
    default:
        return false;
    }
    return true;
}

void WmfPlayer::drawDib(const ByteReader &r, qint64 dibAt, const QRectF &target, QRectF source,
                        quint32 rop)
{
    const QByteArrayView dib = r.bytes(dibAt, r.size());
    const QImage image = imageFromDib(dib);
    if (image.isNull())
        return;
    if (source.isEmpty())
        source = image.rect();
    m_canvas.drawImage(target, image, sourceRect(dib, image, source), rop);
}

// A block transfer without a bitmap fills its target with the brush; the
// target is the record's last four fields in every variant.
void WmfPlayer::patternOnly(const ByteReader &r, quint32 rop)
{
    const qint64 end = r.size();
    m_canvas.fillPattern(QRectF(r.s16(end - 2), r.s16(end - 4), r.s16(end - 6), r.s16(end - 8)),
                         rop);
}

} // namespace

QImage renderWindowsMetafile(QByteArrayView data, QSize size)
{
    const ByteReader bytes(data);
    const qint64 header = bytes.u32(0) == PlaceableKey ? PlaceableSize : 0;
    if (size.isEmpty() || bytes.u16(header + 2) != HeaderSize / 2)
        return {}; // not worth a canvas
    MetafileCanvas canvas(size);
    canvas.setWindowExt(QSizeF(size));
    if (!WmfPlayer(data, canvas).play())
        return {};
    return canvas.finish();
}

} // namespace gallerion::rtf
