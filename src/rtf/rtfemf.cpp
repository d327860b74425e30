#include "rtf/rtfbytes.h"
#include "rtf/rtfdib.h"
#include "rtf/rtfmetafile.h"
#include "rtf/rtfmetafilecanvas.h"

#include <QPainterPath>

namespace gallerion::rtf {

namespace {

constexpr quint32 Signature = 0x464D4520; // " EMF"
constexpr int MaxRecords = 500000;
constexpr qint32 MaxCoordinate = 1 << 24;

// Enhanced metafile record types.
enum Type : quint32
{
    Header = 1,
    PolyBezier = 2,
    Polygon = 3,
    Polyline = 4,
    PolyBezierTo = 5,
    PolylineTo = 6,
    PolyPolyline = 7,
    PolyPolygon = 8,
    SetWindowExtEx = 9,
    SetWindowOrgEx = 10,
    SetViewportExtEx = 11,
    SetViewportOrgEx = 12,
    Eof = 14,
    SetMapMode = 17,
    SetBkMode = 18,
    SetPolyFillMode = 19,
    SetTextAlign = 22,
    SetTextColor = 24,
    SetBkColor = 25,
    MoveToEx = 27,
    ExcludeClipRect = 29,
    IntersectClipRect = 30,
    SaveDc = 33,
    RestoreDc = 34,
    SetWorldTransform = 35,
    ModifyWorldTransform = 36,
    SelectObject = 37,
    CreatePen = 38,
    CreateBrushIndirect = 39,
    DeleteObject = 40,
    Ellipse = 42,
    Rectangle = 43,
    RoundRect = 44,
    Arc = 45,
    Chord = 46,
    Pie = 47,
    LineTo = 54,
    BeginPath = 59,
    EndPath = 60,
    CloseFigure = 61,
    FillPath = 62,
    StrokeAndFillPath = 63,
    StrokePath = 64,
    AbortPath = 68,
    BitBlt = 76,
    StretchBlt = 77,
    SetDibitsToDevice = 80,
    StretchDibits = 81,
    ExtCreateFontIndirectW = 82,
    ExtTextOutA = 83,
    ExtTextOutW = 84,
    PolyBezier16 = 85,
    Polygon16 = 86,
    Polyline16 = 87,
    PolyBezierTo16 = 88,
    PolylineTo16 = 89,
    PolyPolyline16 = 90,
    PolyPolygon16 = 91,
    CreateDibPatternBrushPt = 94,
    ExtCreatePen = 95,
};

qreal coordinate(qint32 value)
{
    return qBound(-MaxCoordinate, value, MaxCoordinate);
}

QColor colourAt(const ByteReader &r, qint64 at)
{
    return QColor(r.u8(at), r.u8(at + 1), r.u8(at + 2));
}

QPointF pointAt(const ByteReader &r, qint64 at)
{
    return QPointF(coordinate(r.s32(at)), coordinate(r.s32(at + 4)));
}

QRectF rectAt(const ByteReader &r, qint64 at)
{
    return QRectF(pointAt(r, at), pointAt(r, at + 8));
}

QTransform transformAt(const ByteReader &r, qint64 at)
{
    return QTransform(r.f32(at), r.f32(at + 4), r.f32(at + 8), r.f32(at + 12), r.f32(at + 16),
                      r.f32(at + 20));
}

// Points of 16 bits (small) or 32 bits each; fewer when the record ends first.
QPolygonF pointsAt(const ByteReader &r, qint64 at, qint64 count, bool small)
{
    const int size = small ? 4 : 8;
    count = qBound<qint64>(0, count, (r.size() - at) / size);
    QPolygonF polygon;
    polygon.reserve(count);
    for (qint64 i = 0; i < count; ++i) {
        const qint64 p = at + size * i;
        polygon.append(small ? QPointF(r.s16(p), r.s16(p + 2)) : pointAt(r, p));
    }
    return polygon;
}

QList<QPolygonF> polygonsAt(const ByteReader &r, bool small)
{
    const qint64 count = qMin<qint64>(r.u32(24), (r.size() - 32) / 4);
    QList<QPolygonF> polygons;
    qint64 at = 32 + 4 * count;
    for (qint64 i = 0; i < count; ++i) {
        const qint64 wanted = r.u32(32 + 4 * i);
        polygons.append(pointsAt(r, at, wanted, small));
        if (polygons.last().size() < wanted)
            break;
        at += wanted * (small ? 4 : 8);
    }
    return polygons;
}

QImage dibAt(const ByteReader &r, qint64 infoOffset, qint64 infoSize, qint64 bitsOffset,
             qint64 bitsSize)
{
    if (!r.has(infoOffset, infoSize) || !r.has(bitsOffset, bitsSize))
        return {};
    return imageFromDib(r.bytes(infoOffset, infoSize), r.bytes(bitsOffset, bitsSize));
}

MetafileFont fontFrom(const ByteReader &r)
{
    MetafileFont font;
    font.height = r.s32(12);
    font.escapement = r.s32(20);
    font.weight = r.s32(28);
    font.italic = r.u8(32);
    font.underline = r.u8(33);
    font.strikeOut = r.u8(34);
    font.charset = r.u8(35);
    font.pitchAndFamily = r.u8(39);
    const QByteArrayView face = r.bytes(40, 64);
    QString name =
        QString::fromUtf16(reinterpret_cast<const char16_t *>(face.data()), face.size() / 2);
    if (const qsizetype end = name.indexOf(QChar(0)); end >= 0)
        name.truncate(end);
    font.face = name.trimmed();
    return font;
}

class EmfPlayer
{
public:
    EmfPlayer(QByteArrayView data, MetafileCanvas &canvas) : m_data(data), m_canvas(canvas) {}

    bool play();

private:
    bool header();
    void record(quint32 type, const ByteReader &r);
    bool stateRecord(quint32 type, const ByteReader &r);
    bool mappingRecord(quint32 type, const ByteReader &r);
    bool objectRecord(quint32 type, const ByteReader &r);
    bool lineRecord(quint32 type, const ByteReader &r);
    bool shapeRecord(quint32 type, const ByteReader &r);
    bool pathRecord(quint32 type);
    bool textRecord(quint32 type, const ByteReader &r);
    bool bitmapRecord(quint32 type, const ByteReader &r);
    void polyline(const QPolygonF &points, bool fromCurrent);
    void bezier(const QPolygonF &points, bool fromCurrent);
    void closedShape(const QPainterPath &shape);

    ByteReader m_data;
    MetafileCanvas &m_canvas;
    bool m_inPath = false;
    QPainterPath m_path;
};

bool EmfPlayer::header()
{
    if (m_data.u32(0) != Header || m_data.u32(40) != Signature)
        return false;
    QRectF frame = rectAt(m_data, 24); // 0.01 mm
    const QSizeF device(m_data.s32(72), m_data.s32(76));
    const QSizeF millimetres(m_data.s32(80), m_data.s32(84));
    if (device.isEmpty() || millimetres.isEmpty() || frame.isEmpty()) {
        frame = rectAt(m_data, 8);
    } else {
        const qreal sx = device.width() / (millimetres.width() * 100);
        const qreal sy = device.height() / (millimetres.height() * 100);
        frame =
            QRectF(frame.left() * sx, frame.top() * sy, frame.width() * sx, frame.height() * sy);
    }
    m_canvas.setDeviceFrame(frame.normalized());
    return true;
}

bool EmfPlayer::play()
{
    if (!header())
        return false;
    qint64 at = 0;
    for (int n = 0; n < MaxRecords && m_data.has(at, 8) && !m_canvas.exhausted(); ++n) {
        const quint32 type = m_data.u32(at);
        const qint64 size = m_data.u32(at + 4);
        if (size < 8 || type == Eof)
            break;
        record(type, ByteReader(m_data.bytes(at, size)));
        at += size;
    }
    return true;
}

void EmfPlayer::record(quint32 type, const ByteReader &r)
{
    if (stateRecord(type, r) || mappingRecord(type, r) || objectRecord(type, r) ||
        lineRecord(type, r) || shapeRecord(type, r) || pathRecord(type) || textRecord(type, r))
        return;
    bitmapRecord(type, r);
}

bool EmfPlayer::stateRecord(quint32 type, const ByteReader &r)
{
    switch (type) {
    case SetBkMode:
        m_canvas.setBackgroundOpaque(r.u32(8) == 2);
        break;
    case SetPolyFillMode:
        m_canvas.setFillRule(r.u32(8) == 2 ? Qt::WindingFill : Qt::OddEvenFill);
        break;
    case SetTextAlign:
        m_canvas.setTextAlign(r.u32(8));
        break;
    case SetTextColor:
        m_canvas.setTextColour(colourAt(r, 8));
        break;
    case SetBkColor:
        m_canvas.setBackgroundColour(colourAt(r, 8));
        break;
    case SaveDc:
        m_canvas.save();
        break;
    case RestoreDc:
        m_canvas.restore(r.s32(8));
        break;
    case IntersectClipRect:
        m_canvas.intersectClip(rectAt(r, 8));
        break;
    case ExcludeClipRect:
        m_canvas.excludeClip(rectAt(r, 8));
        break;
    default:
        return false;
    }
    return true;
}

bool EmfPlayer::mappingRecord(quint32 type, const ByteReader &r)
{
    switch (type) {
    case SetWindowExtEx:
        m_canvas.setWindowExt(QSizeF(coordinate(r.s32(8)), coordinate(r.s32(12))));
        break;
    case SetWindowOrgEx:
        m_canvas.setWindowOrg(pointAt(r, 8));
        break;
    case SetViewportExtEx:
        m_canvas.setViewportExt(QSizeF(coordinate(r.s32(8)), coordinate(r.s32(12))));
        break;
    case SetViewportOrgEx:
        m_canvas.setViewportOrg(pointAt(r, 8));
        break;
    case SetMapMode:
        m_canvas.setMapMode(int(r.u32(8)));
        break;
    case SetWorldTransform:
        m_canvas.setWorldTransform(transformAt(r, 8));
        break;
    case ModifyWorldTransform: {
        const QTransform given = transformAt(r, 8);
        const quint32 mode = r.u32(32);
        const QTransform &world = m_canvas.worldTransform();
        m_canvas.setWorldTransform(mode == 1   ? QTransform()
                                   : mode == 2 ? given * world
                                   : mode == 3 ? world * given
                                               : given);
        break;
    }
    default:
        return false;
    }
    return true;
}

bool EmfPlayer::objectRecord(quint32 type, const ByteReader &r)
{
    MetafileObject object;
    switch (type) {
    case CreatePen:
        object.kind = MetafileObject::Pen;
        object.pen =
            metafilePen(r.u32(12), qMin<qreal>(qAbs(r.s32(16)), MaxCoordinate), colourAt(r, 24));
        break;
    case ExtCreatePen:
        object.kind = MetafileObject::Pen;
        object.pen = metafilePen(r.u32(28), qMin<qreal>(r.u32(32), MaxCoordinate), colourAt(r, 40));
        break;
    case CreateBrushIndirect:
        object.kind = MetafileObject::Brush;
        object.brush = metafileBrush(r.u32(12), colourAt(r, 16), r.u32(20));
        break;
    case CreateDibPatternBrushPt: {
        object.kind = MetafileObject::Brush;
        const QImage pattern = dibAt(r, r.u32(16), r.u32(20), r.u32(24), r.u32(28));
        object.brush = pattern.isNull() ? QBrush(Qt::gray) : QBrush(pattern);
        break;
    }
    case ExtCreateFontIndirectW:
        object.kind = MetafileObject::Font;
        object.font = fontFrom(r);
        break;
    case SelectObject:
        if (r.u32(8) & 0x80000000)
            m_canvas.selectStockObject(r.u32(8) & 0x7fffffff);
        else
            m_canvas.selectObject(r.u32(8));
        return true;
    case DeleteObject:
        m_canvas.deleteObject(r.u32(8));
        return true;
    default:
        return false;
    }
    m_canvas.setObject(r.u32(8), object);
    return true;
}

void EmfPlayer::polyline(const QPolygonF &points, bool fromCurrent)
{
    if (points.isEmpty())
        return;
    if (m_inPath) {
        if (!fromCurrent)
            m_path.moveTo(points.first());
        for (const QPointF &p : points)
            m_path.lineTo(p);
    } else {
        m_canvas.drawPolyline(fromCurrent ? QPolygonF(QPolygonF{m_canvas.position()} + points)
                                          : points);
    }
    m_canvas.moveTo(points.last());
}

void EmfPlayer::bezier(const QPolygonF &points, bool fromCurrent)
{
    QPainterPath curve(fromCurrent || points.isEmpty() ? m_canvas.position() : points.first());
    const qsizetype first = fromCurrent ? 0 : 1;
    for (qsizetype i = first; i + 2 < points.size(); i += 3)
        curve.cubicTo(points[i], points[i + 1], points[i + 2]);
    if (curve.elementCount() < 2)
        return;
    if (m_inPath)
        m_path.addPath(curve);
    else
        m_canvas.drawPath(curve, true, false);
    m_canvas.moveTo(curve.currentPosition());
}

bool EmfPlayer::lineRecord(quint32 type, const ByteReader &r)
{
    const bool small = type >= PolyBezier16;
    const QPolygonF points = pointsAt(r, 28, r.u32(24), small);
    switch (type) {
    case MoveToEx:
        m_canvas.moveTo(pointAt(r, 8));
        if (m_inPath)
            m_path.moveTo(pointAt(r, 8));
        break;
    case LineTo:
        polyline({pointAt(r, 8)}, true);
        break;
    case Polyline:
    case Polyline16:
        polyline(points, false);
        break;
    case PolylineTo:
    case PolylineTo16:
        polyline(points, true);
        break;
    case PolyBezier:
    case PolyBezier16:
        bezier(points, false);
        break;
    case PolyBezierTo:
    case PolyBezierTo16:
        bezier(points, true);
        break;
    case PolyPolyline:
    case PolyPolyline16:
        for (const QPolygonF &line : polygonsAt(r, type == PolyPolyline16))
            polyline(line, false);
        break;
    default:
        return false;
    }
    return true;
}

void EmfPlayer::closedShape(const QPainterPath &shape)
{
    if (m_inPath)
        m_path.addPath(shape);
    else
        m_canvas.drawPath(shape, true, true);
}

bool EmfPlayer::shapeRecord(quint32 type, const ByteReader &r)
{
    QPainterPath shape;
    shape.setFillRule(Qt::WindingFill);
    switch (type) {
    case Polygon:
    case Polygon16:
        shape.addPolygon(pointsAt(r, 28, r.u32(24), type == Polygon16));
        shape.closeSubpath();
        break;
    case PolyPolygon:
    case PolyPolygon16:
        for (const QPolygonF &polygon : polygonsAt(r, type == PolyPolygon16)) {
            shape.addPolygon(polygon);
            shape.closeSubpath();
        }
        break;
    case Rectangle:
        shape.addRect(rectAt(r, 8).normalized());
        break;
    case RoundRect:
        shape.addRoundedRect(rectAt(r, 8).normalized(), coordinate(r.s32(24)) / 2.0,
                             coordinate(r.s32(28)) / 2.0);
        break;
    case Ellipse:
        shape.addEllipse(rectAt(r, 8).normalized());
        break;
    case Arc:
    case Chord:
    case Pie: {
        const auto kind = type == Arc   ? MetafileCanvas::ArcOnly
                          : type == Pie ? MetafileCanvas::Pie
                                        : MetafileCanvas::Chord;
        m_canvas.drawArc(kind, rectAt(r, 8), pointAt(r, 24), pointAt(r, 32));
        return true;
    }
    default:
        return false;
    }
    closedShape(shape);
    return true;
}

bool EmfPlayer::pathRecord(quint32 type)
{
    switch (type) {
    case BeginPath:
        m_inPath = true;
        m_path = QPainterPath();
        break;
    case EndPath:
        m_inPath = false;
        break;
    case CloseFigure:
        m_path.closeSubpath();
        break;
    case AbortPath:
        m_inPath = false;
        m_path = QPainterPath();
        break;
    case FillPath:
    case StrokePath:
    case StrokeAndFillPath:
        m_canvas.drawPath(m_path, type != FillPath, type != StrokePath);
        m_path = QPainterPath();
        break;
    default:
        return false;
    }
    return true;
}

bool EmfPlayer::textRecord(quint32 type, const ByteReader &r)
{
    if (type != ExtTextOutW && type != ExtTextOutA)
        return false;
    const QPointF at = pointAt(r, 36);
    const qint64 count = qMin<qint64>(r.u32(44), 4096);
    const qint64 offset = r.u32(48);
    const quint32 options = r.u32(52);
    const QRectF rect = rectAt(r, 56);
    MetafileCanvas::TextBox box;
    box.opaque = options & 0x0002 ? rect : QRectF();
    box.clip = options & 0x0004 ? rect : QRectF();
    const qint64 dx = r.u32(72);
    if (dx > 0 && r.has(dx, 4 * count)) {
        for (qint64 i = 0; i < count; ++i)
            box.advance += r.s32(dx + 4 * i);
    }
    if (type == ExtTextOutA) {
        m_canvas.drawText(at, r.bytes(offset, count), box);
        return true;
    }
    const QByteArrayView bytes = r.bytes(offset, 2 * count);
    const QString text =
        QString::fromUtf16(reinterpret_cast<const char16_t *>(bytes.data()), bytes.size() / 2);
    m_canvas.drawText(at, text, box);
    return true;
}

bool EmfPlayer::bitmapRecord(quint32 type, const ByteReader &r)
{
    switch (type) {
    case BitBlt:
    case StretchBlt: {
        const QRectF target(pointAt(r, 24), QSizeF(r.s32(32), r.s32(36)));
        const QImage image = dibAt(r, r.u32(84), r.u32(88), r.u32(92), r.u32(96));
        if (r.u32(88) == 0) {
            m_canvas.fillPattern(target, r.u32(40));
            break;
        }
        const QSizeF sourceSize =
            type == StretchBlt ? QSizeF(r.s32(100), r.s32(104)) : target.size();
        m_canvas.drawImage(target, image, QRectF(pointAt(r, 44), sourceSize), r.u32(40));
        break;
    }
    case StretchDibits:
    case SetDibitsToDevice: {
        const QImage image = dibAt(r, r.u32(48), r.u32(52), r.u32(56), r.u32(60));
        QRectF source(pointAt(r, 32), QSizeF(r.s32(40), r.s32(44)));
        source.moveTop(image.height() - source.top() - source.height()); // rows count from below
        const QSizeF size = type == StretchDibits ? QSizeF(r.s32(72), r.s32(76)) : source.size();
        m_canvas.drawImage(QRectF(pointAt(r, 24), size), image, source,
                           type == StretchDibits ? r.u32(68) : 0x00CC0020);
        break;
    }
    default:
        return false;
    }
    return true;
}

} // namespace

QImage renderEnhancedMetafile(QByteArrayView data, QSize size)
{
    const ByteReader bytes(data);
    if (size.isEmpty() || bytes.u32(0) != Header || bytes.u32(40) != Signature)
        return {};
    MetafileCanvas canvas(size);
    if (!EmfPlayer(data, canvas).play())
        return {};
    return canvas.finish();
}

} // namespace gallerion::rtf
