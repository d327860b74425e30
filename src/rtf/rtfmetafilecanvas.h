#pragma once

#include "rtf/rtfcharset.h"

#include <QBrush>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QPen>
#include <QTransform>

namespace gallerion::rtf {

// A logical font as metafiles describe it.
struct MetafileFont
{
    QString face;
    qreal height = 0; // logical units: < 0 the character's height, > 0 the cell's
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int escapement = 0; // tenths of a degree, counter-clockwise
    int charset = 0;
    int pitchAndFamily = 0;
};

// A pen from a metafile's pen style (dashes, caps, joins), width and colour.
QPen metafilePen(quint32 style, qreal width, QColor colour);

// A brush from a metafile's brush style, colour and hatch.
QBrush metafileBrush(quint32 style, QColor colour, quint32 hatch);

// A pen, brush or font of a metafile's object table.
struct MetafileObject
{
    enum Kind
    {
        Empty,
        Pen,
        Brush,
        Font,
        Other
    };
    Kind kind = Empty;
    QPen pen;
    QBrush brush;
    MetafileFont font;
};

// The drawing surface and device-context state that Windows and enhanced
// metafiles share: coordinate mapping, the object table, colours, text
// settings and the current position. Work is bounded: past a budget of
// drawn area and points further drawing is ignored.
class MetafileCanvas
{
public:
    enum MapMode
    {
        Text = 1,
        LoMetric,
        HiMetric,
        LoEnglish,
        HiEnglish,
        Twips,
        Isotropic,
        Anisotropic
    };

    explicit MetafileCanvas(QSize size);
    ~MetafileCanvas();
    MetafileCanvas(const MetafileCanvas &) = delete;
    MetafileCanvas &operator=(const MetafileCanvas &) = delete;

    // The picture; a bitmap that alone fills the picture comes back as it is.
    QImage finish();
    bool exhausted() const { return m_budget <= 0; }

    // Windows metafiles map their window straight onto the picture.
    void setWindowIsFrame(bool frame);
    // Enhanced metafiles map device units onto the picture.
    void setDeviceFrame(const QRectF &deviceRect);
    void setWindowOrg(QPointF origin);
    void setWindowExt(QSizeF extent);
    void setViewportOrg(QPointF origin);
    void setViewportExt(QSizeF extent);
    void setMapMode(int mode);
    void setWorldTransform(const QTransform &transform);
    const QTransform &worldTransform() const { return m_world; }

    // Object table: add takes the lowest free slot, as Windows metafiles do.
    void addObject(const MetafileObject &object);
    void setObject(quint32 index, const MetafileObject &object);
    void selectObject(quint32 index);
    void selectStockObject(quint32 index);
    void deleteObject(quint32 index);

    void setTextColour(QColor colour) { m_textColour = colour; }
    void setBackgroundColour(QColor colour) { m_backgroundColour = colour; }
    void setBackgroundOpaque(bool opaque) { m_opaqueBackground = opaque; }
    void setTextAlign(quint32 align) { m_textAlign = align; }
    void setFillRule(Qt::FillRule rule) { m_fillRule = rule; }
    void save();
    void restore(int which);
    void intersectClip(const QRectF &rect);
    void excludeClip(const QRectF &rect);

    void moveTo(QPointF point) { m_position = point; }
    QPointF position() const { return m_position; }
    void lineTo(QPointF point);
    void drawPolyline(const QPolygonF &points);
    void drawPolygons(const QList<QPolygonF> &polygons);
    void drawPath(const QPainterPath &path, bool stroke, bool fill);
    void drawRectangle(const QRectF &rect, QSizeF corner = {});
    void drawEllipse(const QRectF &rect);
    enum ArcKind
    {
        ArcOnly,
        Pie,
        Chord
    };
    void drawArc(ArcKind kind, const QRectF &rect, QPointF start, QPointF end);
    // Where a text run goes besides its reference point; all may be empty.
    struct TextBox
    {
        QRectF opaque; // filled with the background colour first
        QRectF clip;
        qreal advance = 0; // the run's width as the writer measured it, logical units
    };
    // Text in the selected font's code page.
    void drawText(QPointF at, QByteArrayView bytes, const TextBox &box);
    void drawText(QPointF at, const QString &text, const TextBox &box);
    void drawImage(const QRectF &target, const QImage &image, const QRectF &source, quint32 rop);
    void fillPattern(const QRectF &rect, quint32 rop);

private:
    struct SavedState;
    void updateTransform();
    QTransform mapping() const;
    bool spend(const QRectF &logicalBounds, qsizetype points);
    void noteVector();
    QPen visiblePen() const;
    QFont qtFont(qreal *pixelSize) const;
    QPointF textOrigin(const QFontMetricsF &metrics, qreal width, QPointF device) const;

    QImage m_image;
    QPainter m_painter;
    qint64 m_budget;
    QTransform m_frame; // device units to picture pixels
    bool m_windowIsFrame = false;
    QPointF m_windowOrg;
    QSizeF m_windowExt;
    QPointF m_viewportOrg;
    QSizeF m_viewportExt;
    int m_mapMode = Text;
    QTransform m_world;
    QTransform m_full;

    QList<MetafileObject> m_objects;
    QPen m_pen;
    QBrush m_brush;
    MetafileFont m_font;
    QColor m_textColour = Qt::black;
    QColor m_backgroundColour = Qt::white;
    bool m_opaqueBackground = true;
    quint32 m_textAlign = 0;
    Qt::FillRule m_fillRule = Qt::OddEvenFill;
    QPointF m_position;
    QList<SavedState> m_saved;
    CodePageDecoder m_decoder;

    // A picture that is one bitmap and nothing else is handed back whole.
    QImage m_soleImage;
    QRectF m_soleImageTarget;
    bool m_onlyOneImage = true;
    int m_images = 0;
};

} // namespace gallerion::rtf
