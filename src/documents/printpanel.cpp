#include "documents/printpanel.h"

#include "catalogue/entries.h"
#include "platform/twips.h"
#include "widgets/designstage.h"
#include "widgets/richtextbox.h"

#include <QCheckBox>
#include <QGroupBox>
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

PrintPanel::PrintPanel(DesignStage *stage) : QFrame(stage), m_stage(stage)
{
    setObjectName(QStringLiteral("pnlPrint"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    setAutoFillBackground(true);
    stage->place(this, twipsRect(0, 0, PanelWidth, PanelHeight));
    buildYearLists();
    buildSections();
    buildButtons();

    m_picture = new QLabel(this);
    m_picture->setObjectName(QStringLiteral("Picture3"));
    m_picture->hide();
    m_text = new RichTextBox(this);
    m_text->setObjectName(QStringLiteral("rtbText"));
    m_text->hide();
    describeControls();
    hide();
}

void PrintPanel::buildYearLists()
{
    auto *frame = new QGroupBox(QStringLiteral(" By year "), this);
    frame->setObjectName(QStringLiteral("Frame2"));
    m_stage->place(frame, twipsRect(840, 1500, 3360, 4140));
    const QString captions[2] = {QStringLiteral("From"), QStringLiteral("To")};
    for (int i = 0; i < 2; ++i) {
        auto *label = new QLabel(captions[i], this);
        m_stage->place(label, twipsRect(ListLeft[i], ListTop - 300, ListWidth[i], CheckHeight));
        m_years[i] = new QListWidget(this);
        m_years[i]->setObjectName(QStringLiteral("List1(%1)").arg(i));
        m_stage->place(m_years[i], twipsRect(ListLeft[i], ListTop, ListWidth[i], ListHeight));
        label->setBuddy(m_years[i]);
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
        m_stage->place(m_sections[i], twipsRect(box.left, box.top, CheckWidth, CheckHeight));
        connect(m_sections[i], &QCheckBox::toggled, this, &PrintPanel::updatePrintButton);
    }
}

void PrintPanel::buildButtons()
{
    const auto button = [this](const char *name, int top) {
        auto *push = new QPushButton(this);
        push->setObjectName(QLatin1String(name));
        push->setAutoDefault(false);
        m_stage->place(push, twipsRect(ButtonLeft, top, ButtonWidth, ButtonHeight));
        return push;
    };
    m_print = button("cmdPrint", 4200);
    m_clear = button("SSCommand7", 4560);
    m_clear->setText(QStringLiteral("Clear"));
    m_ok = button("cmdOK", 4920);
    connect(m_print, &QPushButton::clicked, this, &PrintPanel::printRequested);
    connect(m_clear, &QPushButton::clicked, this, &PrintPanel::clear);
    connect(m_ok, &QPushButton::clicked, this, &PrintPanel::closeRequested);
}

// The lists' captions stand beside them, so a screen reader takes them from
// here; the panel itself is a named group of the main window.
void PrintPanel::describeControls()
{
    setAccessibleName(QStringLiteral("Print booklet"));
    m_years[0]->setAccessibleName(QStringLiteral("From year"));
    m_years[1]->setAccessibleName(QStringLiteral("To year"));
    m_text->setAccessibleName(QStringLiteral("Text being printed"));
    m_picture->setAccessibleName(QStringLiteral("Picture being printed"));
}

void PrintPanel::open(const QRect &photoBox)
{
    const int width = m_stage->designGeometry(this).width();
    m_stage->moveTo(this, QPoint(photoBox.left() + (photoBox.width() - width) / 2,
                                 photoBox.top() + twipsToPixels(5)));
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

void PrintPanel::setPrinted()
{
    m_print->setText(QStringLiteral("Print Again"));
    m_ok->setText(QStringLiteral("Exit"));
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

bool PrintPanel::loadText(QIODevice &device, const QString &name)
{
    return m_text->load(device, name);
}

const QTextDocument &PrintPanel::text() const
{
    return *m_text->document();
}

void PrintPanel::setPicture(const QImage &picture)
{
    m_picture->setPixmap(QPixmap::fromImage(picture));
}

} // namespace gallerion
