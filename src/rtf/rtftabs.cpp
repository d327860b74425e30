#include "rtf/rtftabs.h"

#include "rtf/rtfunits.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>

namespace gallerion::rtf {

namespace {

QList<TabLeader> leadersOf(const QTextBlockFormat &format)
{
    QList<TabLeader> leaders;
    for (const QVariant &value : format.property(TabLeadersProperty).toList())
        leaders.append(TabLeader(value.toInt()));
    return leaders;
}

QString leaderText(TabLeader leader)
{
    switch (leader) {
    case TabLeader::Dots:
        return QStringLiteral(".");
    case TabLeader::Hyphens:
        return QStringLiteral("-");
    case TabLeader::Equals:
        return QStringLiteral("=");
    default:
        return {};
    }
}

// The leader of the stop that a tab at x (from the line's start) jumps to.
TabLeader leaderAt(const QList<QTextOption::Tab> &tabs, const QList<TabLeader> &leaders, qreal x)
{
    for (qsizetype i = 0; i < tabs.size() && i < leaders.size(); ++i) {
        if (tabs[i].position > x + 0.5)
            return leaders[i];
    }
    return TabLeader::None;
}

void drawLeader(QPainter *painter, const QTextCharFormat &format, TabLeader leader,
                const QRectF &span, qreal baseline)
{
    painter->setPen(format.foreground().style() == Qt::NoBrush ? QColor(Qt::black)
                                                               : format.foreground().color());
    if (leader == TabLeader::Line) {
        painter->drawLine(QPointF(span.left(), baseline + 1), QPointF(span.right(), baseline + 1));
        return;
    }
    const QFont font = format.font();
    const QFontMetricsF metrics(font);
    const QString mark = leaderText(leader);
    const qreal step = metrics.horizontalAdvance(mark) * 1.5;
    if (step <= 0)
        return;
    painter->setFont(font);
    // Aligned on a grid of the page, as word processors do, so columns of leaders line up.
    for (qreal x = std::ceil((span.left() + 2) / step) * step; x + step <= span.right() - 2;
         x += step)
        painter->drawText(QPointF(x, baseline), mark);
}

void drawBlockLeaders(QPainter *painter, const QTextBlock &block, const QPointF &origin)
{
    const QTextBlockFormat format = block.blockFormat();
    const QList<TabLeader> leaders = leadersOf(format);
    const QList<QTextOption::Tab> tabs = format.tabPositions();
    const QString text = block.text();
    const QTextLayout *layout = block.layout();
    for (qsizetype i = text.indexOf(QLatin1Char('\t')); i >= 0;
         i = text.indexOf(QLatin1Char('\t'), i + 1)) {
        const QTextLine line = layout->lineForTextPosition(int(i));
        if (!line.isValid())
            continue;
        const qreal from = line.cursorToX(int(i));
        const qreal to = line.cursorToX(int(i) + 1);
        const TabLeader leader = leaderAt(tabs, leaders, from - line.x());
        if (leader == TabLeader::None || to - from < 4)
            continue;
        QTextCursor cursor(block);
        cursor.setPosition(block.position() + int(i) + 1);
        drawLeader(painter, cursor.charFormat(), leader, QRectF(origin.x() + from, 0, to - from, 0),
                   origin.y() + line.y() + line.ascent());
    }
}

} // namespace

void setTabStops(QTextBlockFormat &format, const QList<TabStop> &stops, int leftIndent,
                 int firstIndent)
{
    QList<TabStop> sorted = stops;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const TabStop &a, const TabStop &b) { return a.twips < b.twips; });
    const int lineStart = leftIndent + firstIndent;
    if (firstIndent < 0 && std::none_of(sorted.cbegin(), sorted.cend(), [&](const TabStop &s) {
            return s.twips > lineStart && s.twips <= leftIndent;
        }))
        sorted.prepend(TabStop{leftIndent, QTextOption::LeftTab, TabLeader::None});
    QList<QTextOption::Tab> tabs;
    QVariantList leaders;
    bool anyLeader = false;
    for (const TabStop &stop : std::as_const(sorted)) {
        if (stop.twips <= lineStart)
            continue;
        const QChar delimiter = stop.type == QTextOption::DelimiterTab ? QLatin1Char('.') : QChar();
        tabs.append(QTextOption::Tab((stop.twips - lineStart) / qreal(RtfTwipsPerPixel), stop.type,
                                     delimiter));
        leaders.append(int(stop.leader));
        anyLeader = anyLeader || stop.leader != TabLeader::None;
    }
    if (!tabs.isEmpty())
        format.setTabPositions(tabs);
    if (anyLeader)
        format.setProperty(TabLeadersProperty, leaders);
}

void fitTabStops(QTextDocument *document, qreal width)
{
    QTextCursor cursor(document);
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        QTextBlockFormat format = block.blockFormat();
        if (!format.hasProperty(QTextFormat::TabPositions))
            continue;
        if (!format.hasProperty(WrittenTabsProperty))
            format.setProperty(WrittenTabsProperty, format.property(QTextFormat::TabPositions));
        QTextBlockFormat written;
        written.setProperty(QTextFormat::TabPositions, format.property(WrittenTabsProperty));
        const qreal limit = width - format.leftMargin() - format.rightMargin() -
                            qMax<qreal>(0, format.textIndent()) - 1;
        QList<QTextOption::Tab> tabs = written.tabPositions();
        for (QTextOption::Tab &tab : tabs)
            tab.position = qMax<qreal>(1, qMin(tab.position, limit));
        if (tabs == block.blockFormat().tabPositions())
            continue;
        format.setTabPositions(tabs);
        cursor.setPosition(block.position());
        cursor.setBlockFormat(format);
    }
}

void drawTabLeaders(QPainter *painter, const QTextDocument &document, const QRectF &clip)
{
    QAbstractTextDocumentLayout *layout = document.documentLayout();
    // Blocks run down the page in order; start at the first one in view.
    const int first = layout->hitTest(clip.topLeft(), Qt::FuzzyHit);
    QTextBlock block = first >= 0 ? document.findBlock(first) : document.begin();
    painter->save();
    for (; block.isValid(); block = block.next()) {
        const QRectF rect = layout->blockBoundingRect(block);
        if (rect.top() > clip.bottom())
            break;
        if (block.blockFormat().hasProperty(TabLeadersProperty) && rect.intersects(clip))
            drawBlockLeaders(painter, block, rect.topLeft());
    }
    painter->restore();
}

} // namespace gallerion::rtf
