#pragma once

#include "documents/bookletplan.h"

#include <QObject>

namespace gallerion {

class MainWindowHost;
class Platform;
class PrintPanel;
class ProgramState;

// Print Booklet: opens the booklet panel over the photo and, when its Print
// is pressed, carries the booklet's plan out step by step. A step that fails,
// a job that does not end well or a wrong year range is reported (ER040,
// ER034, ER036) instead of the completion message.
class BookletPrinting : public QObject
{
    Q_OBJECT
public:
    BookletPrinting(MainWindowHost &host, ProgramState &state, Platform &platform);

    void open();

private:
    void print();
    void close();
    // The error code that stopped the booklet, or empty when it all printed.
    QString printPlan(const BookletPlan &plan);
    bool printStep(const BookletStep &step);
    bool printPicture(const BookletStep &step);
    bool printText(const BookletStep &step);

    MainWindowHost &m_host;
    ProgramState &m_state;
    Platform &m_platform;
    PrintPanel *m_panel;
};

} // namespace gallerion
