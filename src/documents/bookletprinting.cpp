#include "documents/bookletprinting.h"

#include "documents/documentprint.h"
#include "documents/printmessages.h"
#include "documents/printpanel.h"
#include "documents/printpicture.h"
#include "platform/filesystem.h"
#include "platform/platform.h"
#include "platform/printer.h"
#include "platform/screen.h"
#include "startup/errorreporter.h"
#include "startup/mainwindowhost.h"
#include "startup/programstate.h"
#include "widgets/designstage.h"
#include "widgets/printrichtext.h"

namespace gallerion {

namespace {

const QString PrintFailed = QStringLiteral("ER040");

} // namespace

BookletPrinting::BookletPrinting(MainWindowHost &host, ProgramState &state, Platform &platform)
    : QObject(host.stage()), m_host(host), m_state(state), m_platform(platform),
      m_panel(new PrintPanel(host.stage()))
{
    connect(m_panel, &PrintPanel::printRequested, this, &BookletPrinting::print);
    connect(m_panel, &PrintPanel::closeRequested, this, &BookletPrinting::close);
}

void BookletPrinting::open()
{
    m_panel->open(m_host.photoBox());
}

void BookletPrinting::close()
{
    m_host.setMainWindowEnabled(true);
    m_panel->hide();
}

void BookletPrinting::print()
{
    const BookletPlan plan = planBooklet(m_panel->choice(), m_state.DiscRoot);
    m_platform.screen().setBusy(true);
    m_state.ErrorCode = PrintFailed;
    QString error = printPlan(plan);
    // Whatever was sent stays printed, a lone cover page included; but a job
    // that did not end well is no booklet.
    if (!m_platform.printer().endDoc() && error.isEmpty())
        error = PrintFailed;
    m_platform.screen().setBusy(false);
    if (!error.isEmpty()) {
        ReportError(m_state, m_platform, error);
        return;
    }
    tellPrinted(m_state, m_platform, QStringLiteral("Booklet printed!\r\n"));
    m_panel->setPrinted();
}

QString BookletPrinting::printPlan(const BookletPlan &plan)
{
    for (const BookletStep &step : plan.steps) {
        if (!printStep(step))
            return PrintFailed;
    }
    return plan.rangeError;
}

bool BookletPrinting::printStep(const BookletStep &step)
{
    switch (step.kind) {
    case BookletStep::Kind::Picture:
        return printPicture(step);
    case BookletStep::Kind::EndCover:
        return m_platform.printer().newPage();
    case BookletStep::Kind::RichText:
        return printText(step);
    }
    return false;
}

bool BookletPrinting::printPicture(const BookletStep &step)
{
    PrintPicture picture;
    const bool printed = picture.open(m_platform.files(), step.path) &&
                         picture.print(m_platform.printer(), step.position);
    m_panel->setPicture(picture.printed());
    return printed;
}

// Each text is a job of its own, which PrintRichText ends.
bool BookletPrinting::printText(const BookletStep &step)
{
    const std::unique_ptr<QIODevice> device = m_platform.files().open(step.path);
    return device && m_panel->loadText(*device, m_platform.files().displayPath(step.path)) &&
           PrintRichText(m_platform.printer(), m_panel->text(), PrintMarginTwips, PrintMarginTwips,
                         PrintMarginTwips, PrintMarginTwips);
}

} // namespace gallerion
