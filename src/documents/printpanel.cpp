#include "documents/printpanel.h"

#include "catalogue/entries.h"
#include "platform/designstage.h"
#include "platform/twips.h"

#include <QListWidget>

namespace gallerion {

PrintPanel::PrintPanel(DesignStage *stage) : QFrame(stage)
{
    setObjectName(QStringLiteral("pnlPrint"));
    stage->place(this, twipsRect(1200, 600, 6015, 5775));
    for (int i = 0; i < 2; ++i) {
        m_years[i] = new QListWidget(this);
        m_years[i]->setObjectName(QStringLiteral("List1(%1)").arg(i));
        stage->place(m_years[i], twipsRect(i == 0 ? 1080 : 2760, 4200, i == 0 ? 1095 : 1215, 1260));
        for (int year = 1; year <= YearButtonCount; ++year)
            m_years[i]->addItem(YearCaptionOfButton(year));
    }
    hide();
}

} // namespace gallerion
