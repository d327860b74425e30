#include "rtf/rtftablerow.h"

#include <algorithm>

namespace gallerion::rtf {

namespace {

// Word moves boundaries by a few twips between rows that look aligned.
constexpr int SnapTwips = 30;

} // namespace

BorderLine RowDefinition::border(qsizetype cell, CellDefinition::Side side) const
{
    const CellDefinition &c = cells[cell];
    if (c.borders[side].present)
        return c.borders[side];
    switch (side) {
    case CellDefinition::Top:
        return rowBorders[Top].present ? rowBorders[Top] : rowBorders[InsideHorizontal];
    case CellDefinition::Bottom:
        return rowBorders[Bottom].present ? rowBorders[Bottom] : rowBorders[InsideHorizontal];
    case CellDefinition::Left:
        return cell == 0 ? rowBorders[Left] : rowBorders[InsideVertical];
    case CellDefinition::Right:
        return cell == cells.size() - 1 ? rowBorders[Right] : rowBorders[InsideVertical];
    }
    return {};
}

qsizetype TableGrid::place(int edge, bool *inserted)
{
    *inserted = false;
    const auto nearest = std::min_element(m_edges.cbegin(), m_edges.cend(), [edge](int a, int b) {
        return qAbs(a - edge) < qAbs(b - edge);
    });
    if (nearest != m_edges.cend() &&
        (qAbs(*nearest - edge) <= SnapTwips || m_edges.size() >= MaxColumns))
        return nearest - m_edges.cbegin();
    const auto at = std::lower_bound(m_edges.begin(), m_edges.end(), edge);
    const qsizetype index = at - m_edges.begin();
    m_edges.insert(index, edge);
    *inserted = true;
    return index;
}

void TableGrid::appendColumn()
{
    if (m_edges.size() < MaxColumns)
        m_edges.append(right() + 1440);
}

QList<qreal> TableGrid::shares(int left) const
{
    QList<qreal> widths;
    const qreal total = qMax(1, right() - left);
    int previous = left;
    for (const int edge : m_edges) {
        widths.append(qMax(1, edge - previous) * 100 / total);
        previous = edge;
    }
    return widths;
}

} // namespace gallerion::rtf
