#pragma once

#include <QDialog>

namespace gallerion {

class DesignStage;

// A window whose client area is one designed layout, drawn at the program's
// scale: controls go on stage() in design pixels, and the window takes the
// stage's size.
class DesignedDialog : public QDialog
{
    Q_OBJECT
public:
    DesignedDialog(const QSize &designSize, double scale, QWidget *parent);

    DesignStage *stage() const { return m_stage; }
    // Moves the window so that its centre is the centre of an area of this size.
    void centreIn(const QSize &area);

private:
    DesignStage *m_stage;
};

} // namespace gallerion
