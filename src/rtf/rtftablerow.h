#pragma once

#include <QColor>
#include <QList>
#include <Qt>

namespace gallerion::rtf {

struct BorderLine
{
    bool present = false;
    int width = 0; // twips; 0 draws the thinnest line
    QColor colour;
};

// One \cellx cell of a row definition.
struct CellDefinition
{
    enum Side
    {
        Top,
        Left,
        Bottom,
        Right
    };

    int rightEdge = 0; // twips from the left margin
    bool mergeFirst = false;
    bool merged = false; // joins the cell on its left
    bool verticalFirst = false;
    bool verticallyMerged = false; // joins the cell above
    QColor shading;
    int shadingPercent = 0; // \clshdng in hundredths of a percent, black on white
    Qt::Alignment verticalAlignment = Qt::AlignTop;
    BorderLine borders[4];
};

// What the current table row says about its cells.
struct RowDefinition
{
    enum RowSide
    {
        Top,
        Left,
        Bottom,
        Right,
        InsideHorizontal,
        InsideVertical
    };

    QList<CellDefinition> cells;
    int gap = 0;  // \trgaph, twips
    int left = 0; // \trleft, twips
    BorderLine rowBorders[6];

    // The border a cell shows on a side: its own, else the row's.
    BorderLine border(qsizetype cell, CellDefinition::Side side) const;
};

// The column boundaries of a table, shared by all its rows. Rows whose cells
// end elsewhere add boundaries; boundaries closer than a hair are one.
class TableGrid
{
public:
    static constexpr int MaxColumns = 64;

    qsizetype columns() const { return m_edges.size(); }
    // The column index whose right edge is at edge, adding a boundary when
    // there is none near; the returned flag says a column was inserted there.
    qsizetype place(int edge, bool *inserted);
    // A column for cells past the row's definition.
    void appendColumn();
    // Column widths as percentages of the whole table.
    QList<qreal> shares(int left) const;
    int right() const { return m_edges.isEmpty() ? 0 : m_edges.last(); }

private:
    QList<int> m_edges;
};

} // namespace gallerion::rtf
