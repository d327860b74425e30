#pragma once

#include <QFont>
#include <QHash>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include <optional>

class QPushButton;

namespace gallerion {

// The scale at which a design of this size fits into the area, proportions
// kept; 1 for an empty design or area.
double fitScale(const QSize &design, const QSize &area);

// Maps a rectangle of the design to real pixels at a scale. Edges are rounded
// on their own, so rectangles that touch in the design touch on screen.
QRect scaledRect(const QRect &design, double scale);

// A window's designed layout, drawn at one scale. The program places its
// controls in design pixels (the design's twips / 15) and reads their design
// geometry back, so its rules never see the scale; the stage maps both to real
// pixels, fonts included. At scale 1 a control stands exactly where it is placed.
class DesignStage : public QWidget
{
    Q_OBJECT
public:
    DesignStage(const QSize &designSize, QWidget *parent);

    QSize designSize() const { return m_designSize; }
    double scale() const { return m_scale; }
    // Resizes the stage to the design at this scale and places every control again.
    void setScale(double scale);

    // Places a descendant of the stage at a rectangle of the design, relative
    // to its parent as Qt geometry is.
    void place(QWidget *control, const QRect &design);
    void moveTo(QWidget *control, const QPoint &design);
    void resizeTo(QWidget *control, const QSize &design);
    // Where a control stands in the design; unplaced controls are read back
    // from their real geometry.
    QRect designGeometry(const QWidget *control) const;
    // A named push button of the design under a parent inside the stage;
    // Enter in a dialog never presses it.
    QPushButton *addButton(QWidget *parent, const QString &name, const QString &caption,
                           const QRect &design);
    // Places a panel of this size across the middle of a box of the design,
    // its top this far below the box's top.
    void placeCentredOver(QWidget *panel, const QRect &box, const QSize &size, int drop);

    // The stage's own font, and a control's font of its own, at design size.
    // A control placed without one keeps the font it had when first placed.
    void setDesignFont(const QFont &font);
    void setDesignFont(QWidget *control, const QFont &font);

signals:
    void scaleChanged(double scale);

private:
    // What was set for one control; the pointer notices when the control goes,
    // so a later control at its address starts afresh.
    struct Design
    {
        QPointer<QWidget> control;
        std::optional<QRect> geometry;
        QFont font;
        QSize iconSize; // of a button; empty for other controls
    };

    Design &designOf(QWidget *control);
    const Design *findDesign(const QWidget *control) const;
    void apply(const Design &design);
    QFont scaledFont(const QFont &design) const;

    QSize m_designSize;
    double m_scale = 1.0;
    QFont m_font;
    QHash<const QWidget *, Design> m_designs;
};

} // namespace gallerion
