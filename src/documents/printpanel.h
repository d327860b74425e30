#pragma once

#include "documents/bookletplan.h"

#include <QFrame>

#include <array>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace gallerion {

class MainWindowHost;
class Platform;
class ProgramState;
class RichTextBox;

// pnlPrint: the booklet's choices over the main window's photo: the sections
// Check1(0) ... Check1(7) and the year range List1(0) (from) to List1(1) (to).
// Hidden until the booklet is asked for; what it prints, and in which order,
// is the booklet plan's.
class PrintPanel : public QFrame
{
    Q_OBJECT
public:
    PrintPanel(MainWindowHost &host, ProgramState &state, Platform &platform);

    // Print Booklet: places the panel, clears every choice and shows it.
    void open();

private:
    void buildSections();
    void buildYearLists();
    void buildButtons();
    void clear();
    void clearYearSelections();
    void updatePrintButton();
    void close();
    BookletChoice choice() const;
    void printBooklet();
    // The error code that stopped the booklet, or empty when it all printed.
    QString printPlan(const BookletPlan &plan);
    bool printStep(const BookletStep &step);

    MainWindowHost &m_host;
    ProgramState &m_state;
    Platform &m_platform;
    std::array<QCheckBox *, BookletSectionCount> m_sections{};
    std::array<QListWidget *, 2> m_years{};
    QLabel *m_picture = nullptr;
    RichTextBox *m_text = nullptr;
    QPushButton *m_print = nullptr;
    QPushButton *m_clear = nullptr;
    QPushButton *m_ok = nullptr;
};

} // namespace gallerion
