#include "rtf/rtfmetafilecanvas.h"

#include "rtf/rtffonts.h"
#include "rtf/rtfsymbolfonts.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QtMath>

namespace gallerion::rtf {

namespace {

constexpr int MaxObjects = 4096;
constexpr int MaxSavedStates = 256;
// Fills may cover the picture this many times over before drawing stops.
constexpr qint64 OverdrawBudget = 64;
constexpr qint64 PointCost = 16;
constexpr int MaxTextLength = 4096;

constexpr quint32 TextAlignUpdateCurrent = 1;
constexpr quint32 TextAlignRight = 2;
constexpr quint32 TextAlignCentre = 6;
constexpr quint32 TextAlignBottom = 8;
constexpr quint32 TextAlignBaseline = 24;

QPainter::CompositionMode compositionFor(quint32 rop)
{
    switch (rop) {
    case 0x008800C6: // SRCAND
        return QPainter::RasterOp_SourceAndDestination;
    case 0x00EE0086: // SRCPAINT
        return QPainter::RasterOp_SourceOrDestination;
    case 0x00660046: // SRCINVERT
    case 0x005A0049: // PATINVERT
        return QPainter::RasterOp_SourceXorDestination;
    case 0x00330008: // NOTSRCCOPY
        return QPainter::RasterOp_NotSource;
    default:
        return QPainter::CompositionMode_SourceOver;
    }
}

// Logical units of the fixed map modes, in 0.01 mm; y grows upwards in all of them.
qreal hundredthsMmPerUnit(int mode)
{
    switch (mode) {
    case MetafileCanvas::LoMetric:
        return 10;
    case MetafileCanvas::HiMetric:
        return 1;
    case MetafileCanvas::LoEnglish:
        return 25.4;
    case MetafileCanvas::HiEnglish:
        return 2.54;
    case MetafileCanvas::Twips:
        return 2540.0 / 1440;
    default:
        return 0;
    }
}

} // namespace

QPen metafilePen(quint32 style, qreal width, QColor colour)
{
    QPen pen(colour, width);
    pen.setCosmetic(width == 0);
    static const Qt::PenStyle styles[] = {Qt::SolidLine,   Qt::DashLine,       Qt::DotLine,
                                          Qt::DashDotLine, Qt::DashDotDotLine, Qt::NoPen,
                                          Qt::SolidLine,   Qt::SolidLine};
    pen.setStyle(styles[style & 7]);
    const quint32 cap = style & 0x0F00;
    pen.setCapStyle(cap == 0x0100 ? Qt::SquareCap : cap == 0x0200 ? Qt::FlatCap : Qt::RoundCap);
    const quint32 join = style & 0xF000;
    pen.setJoinStyle(join == 0x1000   ? Qt::BevelJoin
                     : join == 0x2000 ? Qt::MiterJoin
                                      : Qt::RoundJoin);
    return pen;
}

QBrush metafileBrush(quint32 style, QColor colour, quint32 hatch)
{
    static const Qt::BrushStyle hatches[] = {Qt::HorPattern,   Qt::VerPattern,
                                             Qt::FDiagPattern, Qt::BDiagPattern,
                                             Qt::CrossPattern, Qt::DiagCrossPattern};
    switch (style) {
    case 0: // solid
        return QBrush(colour);
    case 1: // hollow
        return QBrush(Qt::NoBrush);
    case 2:
        return QBrush(colour, hatch < 6 ? hatches[hatch] : Qt::SolidPattern);
    default: // patterns whose bitmap is not at hand
        return QBrush(Qt::gray);
    }
}

struct MetafileCanvas::SavedState
{
    QPointF windowOrg;
    QSizeF windowExt;
    QPointF viewportOrg;
    QSizeF viewportExt;
    int mapMode;
    QTransform world;
    QPen pen;
    QBrush brush;
    MetafileFont font;
    QColor textColour;
    QColor backgroundColour;
    bool opaqueBackground;
    quint32 textAlign;
    Qt::FillRule fillRule;
    QPointF position;
};

MetafileCanvas::MetafileCanvas(QSize size)
    : m_image(size, QImage::Format_RGB32),
      m_budget(OverdrawBudget * size.width() * size.height() + 1'000'000)
{
    m_image.fill(Qt::white);
    m_painter.begin(&m_image);
    m_painter.setRenderHint(QPainter::Antialiasing);
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform);
    m_pen = QPen(Qt::black, 0);
    m_brush = QBrush(Qt::white);
    m_viewportExt = m_windowExt = QSizeF(1, 1);
    updateTransform();
}

MetafileCanvas::~MetafileCanvas() = default;

QImage MetafileCanvas::finish()
{
    for (; !m_saved.isEmpty(); m_saved.removeLast())
        m_painter.restore(); // states saved and never restored
    m_painter.end();
    if (m_onlyOneImage && m_images == 1 && !m_soleImage.isNull()) {
        const QRectF picture(QPointF(0, 0), QSizeF(m_image.size()));
        const QRectF covered = m_soleImageTarget.intersected(picture);
        if (covered.width() * covered.height() >= 0.9 * picture.width() * picture.height())
            return m_soleImage;
    }
    return m_image;
}

void MetafileCanvas::setWindowIsFrame(bool frame)
{
    m_windowIsFrame = frame;
    updateTransform();
}

void MetafileCanvas::setDeviceFrame(const QRectF &deviceRect)
{
    m_frame = QTransform();
    if (deviceRect.width() != 0 && deviceRect.height() != 0) {
        m_frame.scale(m_image.width() / deviceRect.width(), m_image.height() / deviceRect.height());
        m_frame.translate(-deviceRect.left(), -deviceRect.top());
    }
    updateTransform();
}

void MetafileCanvas::setWindowOrg(QPointF origin)
{
    m_windowOrg = origin;
    updateTransform();
}

void MetafileCanvas::setWindowExt(QSizeF extent)
{
    if (extent.width() == 0 || extent.height() == 0)
        return;
    m_windowExt = extent;
    updateTransform();
}

void MetafileCanvas::setViewportOrg(QPointF origin)
{
    m_viewportOrg = origin;
    updateTransform();
}

void MetafileCanvas::setViewportExt(QSizeF extent)
{
    if (extent.width() == 0 || extent.height() == 0)
        return;
    m_viewportExt = extent;
    updateTransform();
}

void MetafileCanvas::setMapMode(int mode)
{
    m_mapMode = qBound(int(Text), mode, int(Anisotropic));
    updateTransform();
}

void MetafileCanvas::setWorldTransform(const QTransform &transform)
{
    if (!transform.isInvertible())
        return;
    m_world = transform;
    updateTransform();
}

// Logical units to device units (or, for Windows metafiles, to the picture).
QTransform MetafileCanvas::mapping() const
{
    QTransform t;
    if (m_windowIsFrame) {
        t.scale(m_image.width() / m_windowExt.width(), m_image.height() / m_windowExt.height());
        t.translate(-m_windowOrg.x(), -m_windowOrg.y());
        return t;
    }
    if (m_mapMode == Isotropic || m_mapMode == Anisotropic) {
        t.translate(m_viewportOrg.x(), m_viewportOrg.y());
        t.scale(m_viewportExt.width() / m_windowExt.width(),
                m_viewportExt.height() / m_windowExt.height());
        t.translate(-m_windowOrg.x(), -m_windowOrg.y());
    } else if (const qreal unit = hundredthsMmPerUnit(m_mapMode); unit > 0) {
        // The frame is in device pixels; 96 of them to the inch is near enough.
        const qreal pixels = unit * 96 / 2540;
        t.translate(m_viewportOrg.x(), m_viewportOrg.y());
        t.scale(pixels, -pixels);
        t.translate(-m_windowOrg.x(), -m_windowOrg.y());
    } else {
        t.translate(m_viewportOrg.x() - m_windowOrg.x(), m_viewportOrg.y() - m_windowOrg.y());
    }
    return t;
}

void MetafileCanvas::updateTransform()
{
    m_full = m_world * mapping() * (m_windowIsFrame ? QTransform() : m_frame);
    m_painter.setWorldTransform(m_full);
}

void MetafileCanvas::addObject(const MetafileObject &object)
{
    for (qsizetype i = 0; i < m_objects.size(); ++i) {
        if (m_objects[i].kind == MetafileObject::Empty) {
            m_objects[i] = object;
            return;
        }
    }
    if (m_objects.size() < MaxObjects)
        m_objects.append(object);
}

void MetafileCanvas::setObject(quint32 index, const MetafileObject &object)
{
    if (index >= quint32(MaxObjects))
        return;
    if (index >= quint32(m_objects.size()))
        m_objects.resize(index + 1);
    m_objects[index] = object;
}

void MetafileCanvas::selectObject(quint32 index)
{
    if (index >= quint32(m_objects.size()))
        return;
    const MetafileObject &object = m_objects[index];
    if (object.kind == MetafileObject::Pen)
        m_pen = object.pen;
    else if (object.kind == MetafileObject::Brush)
        m_brush = object.brush;
    else if (object.kind == MetafileObject::Font)
        m_font = object.font;
}

void MetafileCanvas::selectStockObject(quint32 index)
{
    static const QColor brushes[] = {Qt::white, QColor(192, 192, 192), QColor(128, 128, 128),
                                     QColor(64, 64, 64), Qt::black};
    if (index <= 4)
        m_brush = QBrush(brushes[index]);
    else if (index == 5)
        m_brush = Qt::NoBrush;
    else if (index == 6 || index == 7)
        m_pen = QPen(index == 6 ? Qt::white : Qt::black, 0);
    else if (index == 8)
        m_pen = Qt::NoPen;
    else if (index >= 10 && index <= 17)
        m_font = MetafileFont();
}

void MetafileCanvas::deleteObject(quint32 index)
{
    if (index < quint32(m_objects.size()))
        m_objects[index] = MetafileObject();
}

void MetafileCanvas::save()
{
    if (m_saved.size() >= MaxSavedStates)
        return;
    m_saved.append({m_windowOrg, m_windowExt, m_viewportOrg, m_viewportExt, m_mapMode, m_world,
                    m_pen, m_brush, m_font, m_textColour, m_backgroundColour, m_opaqueBackground,
                    m_textAlign, m_fillRule, m_position});
    m_painter.save();
}

// A negative number counts back from the last save; a positive one is an absolute level.
void MetafileCanvas::restore(int which)
{
    const qsizetype level = which < 0 ? m_saved.size() + which : qsizetype(which) - 1;
    if (level < 0 || level >= m_saved.size())
        return;
    while (m_saved.size() > level + 1) {
        m_saved.removeLast();
        m_painter.restore();
    }
    const SavedState s = m_saved.takeLast();
    m_painter.restore();
    m_windowOrg = s.windowOrg;
    m_windowExt = s.windowExt;
    m_viewportOrg = s.viewportOrg;
    m_viewportExt = s.viewportExt;
    m_mapMode = s.mapMode;
    m_world = s.world;
    m_pen = s.pen;
    m_brush = s.brush;
    m_font = s.font;
    m_textColour = s.textColour;
    m_backgroundColour = s.backgroundColour;
    m_opaqueBackground = s.opaqueBackground;
    m_textAlign = s.textAlign;
    m_fillRule = s.fillRule;
    m_position = s.position;
    updateTransform();
}

void MetafileCanvas::intersectClip(const QRectF &rect)
{
    m_painter.setClipRect(rect.normalized(), Qt::IntersectClip);
}

void MetafileCanvas::excludeClip(const QRectF &rect)
{
    QPainterPath outside;
    outside.addRect(
        m_full.inverted().mapRect(QRectF(QPointF(-1, -1), m_image.size() + QSize(2, 2))));
    outside.addRect(rect.normalized());
    m_painter.setClipPath(outside, Qt::IntersectClip);
}

// Charges a drawing to the budget; false once the budget is used up.
bool MetafileCanvas::spend(const QRectF &logicalBounds, qsizetype points)
{
    if (m_budget <= 0)
        return false;
    const QRectF device = m_full.mapRect(logicalBounds).intersected(QRectF(m_image.rect()));
    m_budget -= qint64(device.width() * device.height()) + PointCost * (points + 1);
    return true;
}

// Windows draws every pen at least one pixel wide, however the mapping shrinks it.
QPen MetafileCanvas::visiblePen() const
{
    QPen pen = m_pen;
    const qreal scale = qSqrt(qAbs(m_full.determinant()));
    if (!pen.isCosmetic() && pen.widthF() * scale < 1) {
        pen.setCosmetic(true);
        pen.setWidthF(1);
    }
    return pen;
}

void MetafileCanvas::noteVector()
{
    m_onlyOneImage = false;
}

void MetafileCanvas::lineTo(QPointF point)
{
    const QLineF line(m_position, point);
    m_position = point;
    if (!spend(QRectF(line.p1(), line.p2()).normalized(), 2))
        return;
    noteVector();
    m_painter.setPen(visiblePen());
    m_painter.drawLine(line);
}

void MetafileCanvas::drawPolyline(const QPolygonF &points)
{
    if (points.size() < 2 || !spend(points.boundingRect(), points.size()))
        return;
    noteVector();
    m_painter.setPen(visiblePen());
    m_painter.drawPolyline(points);
}

void MetafileCanvas::drawPolygons(const QList<QPolygonF> &polygons)
{
    QPainterPath path;
    path.setFillRule(m_fillRule);
    for (const QPolygonF &polygon : polygons) {
        if (polygon.size() >= 2) {
            path.addPolygon(polygon);
            path.closeSubpath();
        }
    }
    drawPath(path, true, true);
}

void MetafileCanvas::drawPath(const QPainterPath &path, bool stroke, bool fill)
{
    if (path.isEmpty() || !spend(path.controlPointRect(), path.elementCount()))
        return;
    noteVector();
    if (fill)
        m_painter.fillPath(path, m_brush);
    if (stroke)
        m_painter.strokePath(path, visiblePen());
}

void MetafileCanvas::drawRectangle(const QRectF &rect, QSizeF corner)
{
    QPainterPath path;
    if (corner.isEmpty())
        path.addRect(rect.normalized());
    else
        path.addRoundedRect(rect.normalized(), corner.width() / 2, corner.height() / 2);
    drawPath(path, true, true);
}

void MetafileCanvas::drawEllipse(const QRectF &rect)
{
    QPainterPath path;
    path.addEllipse(rect.normalized());
    drawPath(path, true, true);
}

void MetafileCanvas::drawArc(ArcKind kind, const QRectF &rect, QPointF start, QPointF end)
{
    const QRectF box = rect.normalized();
    const QPointF centre = box.center();
    const auto angle = [&centre](QPointF p) {
        return qRadiansToDegrees(qAtan2(-(p.y() - centre.y()), p.x() - centre.x()));
    };
    const qreal from = angle(start);
    qreal span = angle(end) - from;
    if (span <= 0)
        span += 360;
    QPainterPath path;
    path.arcMoveTo(box, from);
    if (kind == Pie)
        path.moveTo(centre);
    path.arcTo(box, from, span);
    if (kind != ArcOnly)
        path.closeSubpath();
    drawPath(path, true, kind != ArcOnly);
}

void MetafileCanvas::fillPattern(const QRectF &rect, quint32 rop)
{
    if (!spend(rect.normalized(), 4))
        return;
    noteVector();
    QBrush brush = m_brush;
    if (rop == 0x00000042) // BLACKNESS
        brush = QBrush(Qt::black);
    else if (rop == 0x00FF0062) // WHITENESS
        brush = QBrush(Qt::white);
    else if (rop == 0x00550009) // DSTINVERT
        brush = QBrush(Qt::white);
    m_painter.save();
    m_painter.setCompositionMode(rop == 0x00550009 ? QPainter::RasterOp_SourceXorDestination
                                                   : compositionFor(rop));
    m_painter.fillRect(rect.normalized(), brush);
    m_painter.restore();
}

void MetafileCanvas::drawImage(const QRectF &target, const QImage &image, const QRectF &source,
                               quint32 rop)
{
    if (image.isNull() || !spend(target.normalized(), 4))
        return;
    ++m_images;
    if (m_images == 1 && rop == 0x00CC0020) {
        const QRect whole = image.rect();
        const QRect part = source.toAlignedRect().intersected(whole);
        m_soleImage = part == whole || part.isEmpty() ? image : image.copy(part);
        m_soleImageTarget = m_full.mapRect(target.normalized());
    }
    const QRectF from = source.isEmpty() ? QRectF(image.rect()) : source;
    const QRectF device = m_full.mapRect(target.normalized());
    m_painter.save();
    m_painter.setCompositionMode(compositionFor(rop));
    // Enlarged bitmaps keep their pixels sharp, as Windows draws them.
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform,
                            device.width() < from.width() || device.height() < from.height());
    m_painter.drawImage(target, image, from);
    m_painter.restore();
}

QFont MetafileCanvas::qtFont(qreal *pixelSize) const
{
    const int family = (m_font.pitchAndFamily >> 4) & 7;
    static const FontKind kinds[] = {FontKind::Unknown, FontKind::Roman,  FontKind::Swiss,
                                     FontKind::Modern,  FontKind::Script, FontKind::Decor,
                                     FontKind::Unknown, FontKind::Unknown};
    QFont font;
    font.setFamilies(fontFamiliesFor(m_font.face, kinds[family]));
    font.setStyleHint(styleHintFor(kinds[family]));
    font.setWeight(QFont::Weight(qBound(1, m_font.weight / 1, 1000)));
    font.setItalic(m_font.italic);
    font.setUnderline(m_font.underline);
    font.setStrikeOut(m_font.strikeOut);
    // Heights are logical; text is drawn in picture pixels.
    const qreal scale = qSqrt(qAbs(m_full.determinant()));
    qreal size = qAbs(m_font.height) * scale;
    if (size < 1)
        size = 12 * qMax<qreal>(scale, 0.1);
    font.setPixelSize(qBound(1, qRound(size), 2000));
    if (m_font.height > 0) { // a cell height: take the internal leading off
        const QFontMetricsF metrics(font);
        size = size * size / qMax<qreal>(1, metrics.height());
        font.setPixelSize(qBound(1, qRound(size), 2000));
    }
    *pixelSize = size;
    return font;
}

QPointF MetafileCanvas::textOrigin(const QFontMetricsF &metrics, qreal width, QPointF at) const
{
    if ((m_textAlign & TextAlignCentre) == TextAlignCentre)
        at.rx() -= width / 2;
    else if (m_textAlign & TextAlignRight)
        at.rx() -= width;
    if ((m_textAlign & TextAlignBaseline) == TextAlignBaseline)
        return at;
    if (m_textAlign & TextAlignBottom)
        at.ry() -= metrics.descent();
    else
        at.ry() += metrics.ascent();
    return at;
}

void MetafileCanvas::drawText(QPointF at, QByteArrayView bytes, const TextBox &box)
{
    const QString face = m_font.face;
    QString text;
    if (const SymbolFont symbol = symbolFontFor(face); symbol != SymbolFont::None)
        text = symbolText(symbol, bytes);
    else
        text =
            m_decoder.decode(codePageForCharset(m_font.charset) ? codePageForCharset(m_font.charset)
                                                                : DefaultCodePage,
                             bytes);
    drawText(at, text, box);
}

void MetafileCanvas::drawText(QPointF at, const QString &text, const TextBox &box)
{
    if (m_textAlign & TextAlignUpdateCurrent)
        at = m_position;
    const QString shown = text.left(MaxTextLength);
    qreal pixelSize = 0;
    const QFont font = qtFont(&pixelSize);
    if (pixelSize < 1.5)
        return; // too small to read, and too small for Qt to size
    const QFontMetricsF metrics(font);
    const qreal width = metrics.horizontalAdvance(shown);
    const QPointF device = m_full.map(at);
    // Glyphs cost their size even where the picture clips them away.
    m_budget -= qint64(qMin<qreal>(1e12, shown.size() * pixelSize * pixelSize / 4));
    if (!spend(m_full.inverted().mapRect(QRectF(device, QSizeF(width, pixelSize))), shown.size()))
        return;
    noteVector();
    m_painter.save();
    if (!box.opaque.isEmpty())
        m_painter.fillRect(box.opaque.normalized(), m_backgroundColour);
    if (!box.clip.isEmpty())
        m_painter.setClipRect(box.clip.normalized(), Qt::IntersectClip);
    m_painter.resetTransform();
    m_painter.translate(device);
    // Escapement turns counter-clockwise as the picture is seen; a mapping
    // that turns the y axis upwards turns it the other way.
    const bool mirrored = m_full.determinant() < 0;
    m_painter.rotate((mirrored ? 1 : -1) * m_font.escapement / 10.0);
    const QPointF origin = textOrigin(metrics, width, QPointF(0, 0));
    // Fonts here are not the writer's: stretch the run to the width it had.
    const qreal measured =
        QLineF(m_full.map(QPointF()), m_full.map(QPointF(box.advance, 0))).length();
    if (box.advance > 0 && width > 0)
        m_painter.scale(qBound(0.5, measured / width, 2.0), 1);
    if (m_opaqueBackground && box.opaque.isEmpty())
        m_painter.fillRect(
            QRectF(origin.x(), origin.y() - metrics.ascent(), width, metrics.height()),
            m_backgroundColour);
    m_painter.setFont(font);
    m_painter.setPen(m_textColour);
    m_painter.drawText(origin, shown);
    m_painter.restore();
    if (m_textAlign & TextAlignUpdateCurrent)
        m_position = m_full.inverted().map(device + QPointF(width, 0));
}

} // namespace gallerion::rtf
