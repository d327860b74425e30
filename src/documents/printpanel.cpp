#include "documents/printpanel.h"

#include "catalogue/entries.h"
#include "documents/documentprint.h"
#include "documents/printmessages.h"
#include "widgets/designstage.h"
#include "platform/platform.h"
#include "widgets/printrichtext.h"
#include "widgets/richtextbox.h"
#include "platform/twips.h"
#include "startup/errorreporter.h"
#include "startup/mainwindowhost.h"
#include "startup/programstate.h"
#include "platform/printer.h"
#include "platform/screen.h"
#include "platform/filesystem.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace gallerion {

namespace {

// The design, in twips.
constexpr int PanelWidth = 6015;
constexpr int PanelHeight = 5775;
constexpr int ListTop = 4200;
constexpr int ListHeight = 1260;
constexpr int ListLeft[2] = {1080, 2760};
constexpr int ListWidth[2] = {1095, 1215};
constexpr int CheckHeight = 240;
constexpr int CheckWidth = 1575;
constexpr int ButtonLeft = 4200;
constexpr int ButtonWidth = 1455;
constexpr int ButtonHeight = 375;

struct SectionBox
{
    const char *caption;
    int left;
    int top;
};

// Cover and Introduction stand together above the year range; the year
// sections in two columns over the lists.
constexpr SectionBox sectionBoxes[BookletSectionCount] = {
    {" Cover", 1080, 540},        {" Introduction", 1080, 900}, {" Clip art", 1080, 1980},
    {" Description", 1080, 2400}, {" Details", 1080, 2820},     {" Engines", 2760, 1980},
    {" Options", 2760, 2400},     {" Colors", 2760, 2820},
};

QString selectedText(const QListWidget *list)
{
    const QList<QListWidgetItem *> selected = list->selectedItems();
    return selected.isEmpty() ? QString() : selected.constFirst()->text();
}

} // namespace

PrintPanel::PrintPanel(MainWindowHost &host, ProgramState &state, Platform &platform)
    : QFrame(host.stage()), m_host(host), m_state(state), m_platform(platform)
{
    setObjectName(QStringLiteral("pnlPrint"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    setAutoFillBackground(true);
    host.stage()->place(this, twipsRect(0, 0, PanelWidth, PanelHeight));
    buildYearLists();
    buildSections();
    buildButtons();

    m_picture = new QLabel(this);
    m_picture->setObjectName(QStringLiteral("Picture3"));
    m_picture->hide();
    m_text = new RichTextBox(this);
    m_text->setObjectName(QStringLiteral("rtbText"));
    m_text->hide();
    hide();
}

void PrintPanel::buildYearLists()
{
    DesignStage *stage = m_host.stage();
    auto *frame = new QGroupBox(QStringLiteral(" By year "), this);
    frame->setObjectName(QStringLiteral("Frame2"));
    stage->place(frame, twipsRect(840, 1500, 3360, 4140));
    const QString captions[2] = {QStringLiteral("From"), QStringLiteral("To")};
    for (int i = 0; i < 2; ++i) {
        auto *label = new QLabel(captions[i], this);
        stage->place(label, twipsRect(ListLeft[i], ListTop - 300, ListWidth[i], CheckHeight));
        m_years[i] = new QListWidget(this);
        m_years[i]->setObjectName(QStringLiteral("List1(%1)").arg(i));
        stage->place(m_years[i], twipsRect(ListLeft[i], ListTop, ListWidth[i], ListHeight));
        for (int year = 1; year <= YearButtonCount; ++year)
            m_years[i]->addItem(YearCaptionOfButton(year));
    }
}

void PrintPanel::buildSections()
{
    for (int i = 0; i < BookletSectionCount; ++i) {
        const SectionBox &box = sectionBoxes[i];
        m_sections[i] = new QCheckBox(QLatin1String(box.caption), this);
        m_sections[i]->setObjectName(QStringLiteral("Check1(%1)").arg(i));
        m_host.stage()->place(m_sections[i], twipsRect(box.left, box.top, CheckWidth, CheckHeight));
        connect(m_sections[i], &QCheckBox::toggled, this, &PrintPanel::updatePrintButton);
    }
}

void PrintPanel::buildButtons()
{
    const auto button = [this](const char *name, int top) {
        auto *push = new QPushButton(this);
        push->setObjectName(QLatin1String(name));
        push->setAutoDefault(false);
        m_host.stage()->place(push, twipsRect(ButtonLeft, top, ButtonWidth, ButtonHeight));
        return push;
    };
    m_print = button("cmdPrint", 4200);
    m_clear = button("SSCommand7", 4560);
    m_clear->setText(QStringLiteral("Clear"));
    m_ok = button("cmdOK", 4920);
    connect(m_print, &QPushButton::clicked, this, &PrintPanel::printBooklet);
    connect(m_clear, &QPushButton::clicked, this, &PrintPanel::clear);
    connect(m_ok, &QPushButton::clicked, this, &PrintPanel::close);
}

void PrintPanel::open()
{
    const QRect photo = m_host.photoBox();
    const int width = m_host.stage()->designGeometry(this).width();
    m_host.stage()->moveTo(
        this, QPoint(photo.left() + (photo.width() - width) / 2, photo.top() + twipsToPixels(5)));
    clear();
    show();
    raise();
    m_ok->setFocus(Qt::OtherFocusReason);
}

// Back to the state before printing: nothing ticked, no year selected.
void PrintPanel::clear()
{
    for (QCheckBox *section : m_sections)
        section->setChecked(false);
    updatePrintButton();
    m_print->setText(QStringLiteral("Print"));
    m_ok->setText(QStringLiteral("Cancel"));
    clearYearSelections();
}

void PrintPanel::clearYearSelections()
{
    for (QListWidget *list : m_years) {
        list->setCurrentRow(0);
        list->scrollToTop();
        list->clearSelection();
    }
}

void PrintPanel::updatePrintButton()
{
    m_print->setEnabled(std::any_of(m_sections.begin(), m_sections.end(),
                                    [](const QCheckBox *box) { return box->isChecked(); }));
}

void PrintPanel::close()
{
    m_host.setMainWindowEnabled(true);
    hide();
}

BookletChoice PrintPanel::choice() const
{
    BookletChoice choice;
    for (int i = 0; i < BookletSectionCount; ++i)
        choice.ticked[i] = m_sections[i]->isChecked();
    choice.from = selectedText(m_years[0]);
    choice.to = selectedText(m_years[1]);
    return choice;
}

void PrintPanel::printBooklet()
{
    const BookletPlan plan = planBooklet(choice(), m_state.DiscRoot);
    m_platform.screen().setBusy(true);
    m_state.ErrorCode = QStringLiteral("ER040");
    const QString error = printPlan(plan);
    // Whatever was sent stays printed, a lone cover page included.
    m_platform.printer().endDoc();
    m_platform.screen().setBusy(false);
    if (!error.isEmpty()) {
        ReportError(m_state, m_platform, error);
        return;
    }
    tellPrinted(m_state, m_platform, QStringLiteral("Booklet printed!\r\n"));
    m_print->setText(QStringLiteral("Print Again"));
    m_ok->setText(QStringLiteral("Exit"));
}

QString PrintPanel::printPlan(const BookletPlan &plan)
{
    for (const BookletStep &step : plan.steps) {
        if (!printStep(step))
            return m_state.ErrorCode;
    }
    return plan.rangeError;
}

bool PrintPanel::printStep(const BookletStep &step)
{
    Printer &printer = m_platform.printer();
    switch (step.kind) {
    case BookletStep::Kind::Picture: {
        QImageReader reader(m_platform.files().nativePath(step.path));
        const QImage picture = reader.read();
        if (picture.isNull())
            return false;
        m_picture->setPixmap(QPixmap::fromImage(picture));
        return printer.drawPicture(picture, step.position.x(), step.position.y());
    }
    case BookletStep::Kind::EndCover:
        return printer.newPage();
    case BookletStep::Kind::RichText:
        m_state.WorkPath = step.path;
        return m_text->setFileName(m_platform.files().nativePath(step.path)) &&
               PrintRichText(printer, *m_text, PrintMarginTwips, PrintMarginTwips, PrintMarginTwips,
                             PrintMarginTwips);
    }
    return false;
}

} // namespace gallerion
