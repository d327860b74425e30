#pragma once

#include <QFrame>

#include <array>

class QListWidget;

namespace gallerion {

class DesignStage;

// pnlPrint: the booklet's choices over the main window's photo, with the two
// year lists List1(0) (from) and List1(1) (to). Hidden until the booklet is asked for.
class PrintPanel : public QFrame
{
    Q_OBJECT
public:
    explicit PrintPanel(DesignStage *stage);

private:
    std::array<QListWidget *, 2> m_years{};
};

} // namespace gallerion
