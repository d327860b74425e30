#include "widgets/designeddialog.h"

#include "widgets/designstage.h"

namespace gallerion {

DesignedDialog::DesignedDialog(const QSize &designSize, double scale, QWidget *parent)
    : QDialog(parent), m_stage(new DesignStage(designSize, this))
{
    m_stage->setScale(scale);
    setFixedSize(m_stage->size());
}

void DesignedDialog::centreIn(const QSize &area)
{
    move((area.width() - width()) / 2, (area.height() - height()) / 2);
}

} // namespace gallerion
