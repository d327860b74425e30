#pragma once

#include "documents/bookletplan.h"

#include <QFrame>

#include <array>

class QCheckBox;
class QIODevice;
class QLabel;
class QListWidget;
class QPushButton;
class QTextDocument;

namespace gallerion {

class DesignStage;
class RichTextBox;

// pnlPrint: the booklet's choices over the main window's photo: the sections
// Check1(0) ... Check1(7) and the year range List1(0) (from) to List1(1) (to).
// Hidden until the booklet is asked for. It only shows and tells: what is
// printed, and in which order, is the booklet's controller's.
class PrintPanel : public QFrame
{
    Q_OBJECT
public:
    explicit PrintPanel(DesignStage *stage);

    // Clears every choice, centres the panel over the photo (design pixels) and shows it.
    void open(const QRect &photoBox);
    BookletChoice choice() const;
    // After a whole booklet the buttons offer to print again or to leave.
    void setPrinted();

    // rtbText and Picture3 hold what is being printed, as on the design.
    bool loadText(QIODevice &device, const QString &name);
    const QTextDocument &text() const;
    void setPicture(const QImage &picture);

signals:
    void printRequested();
    void closeRequested();

private:
    void buildSections();
    void buildYearLists();
    void buildButtons();
    void describeControls();
    void clear();
    void clearYearSelections();
    void updatePrintButton();

    DesignStage *m_stage;
    std::array<QCheckBox *, BookletSectionCount> m_sections{};
    std::array<QListWidget *, 2> m_years{};
    QLabel *m_picture = nullptr;
    RichTextBox *m_text = nullptr;
    QPushButton *m_print = nullptr;
    QPushButton *m_clear = nullptr;
    QPushButton *m_ok = nullptr;
};

} // namespace gallerion
