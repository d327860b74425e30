#pragma once

#include "widgets/designeddialog.h"

#include <QDialog>
#include <QSize>
#include <QString>

class QPushButton;

namespace gallerion {

class Platform;
class ProgramState;
class RichTextBox;

// What one opening of the document viewer needs: the program path of the file
// (it becomes WorkPath), the caption (DocumentTitle) and the code reported when
// the file cannot be shown.
struct DocumentRequest
{
    QString workPath;
    QString title;
    QString errorCode;
    // The miscellaneous, magazine and press-release documents come to the front.
    bool bringToFront = false;
};

// txtForm: one rich-text document, a close button and a print button. It is
// made afresh for every opening, so nothing of the last document survives.
class DocumentViewer : public DesignedDialog
{
    Q_OBJECT
public:
    // Drawn at the program's scale (1 for the designed size).
    DocumentViewer(const QString &title, const QSize &screenTwips, double scale = 1.0,
                   QWidget *parent = nullptr);

    // Shows the file in rtbText; false when it cannot be read.
    bool loadFile(const QString &nativePath);
    RichTextBox *text() const { return m_text; }
    // True once SSCommand1 closed the window (the close box does not count).
    bool closedByButton() const { return m_closedByButton; }

signals:
    // cmdPrint was pressed.
    void printRequested();

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildControls();
    void centreOnScreen(const QSize &screenTwips);
    void prepareButtons();

    RichTextBox *m_text = nullptr;
    QPushButton *m_close = nullptr;
    QPushButton *m_print = nullptr;
    QPushButton *m_hidden[2] = {};
    bool m_closedByButton = false;
};

// Opens the document modally over its owner (the main window) and returns once
// the viewer is closed. A file that cannot be loaded stores request.errorCode
// in ErrorCode and reports it; no viewer is shown then. Returns whether the
// viewer was shown.
bool openDocument(const DocumentRequest &request, ProgramState &state, Platform &platform,
                  QWidget *owner = nullptr);

} // namespace gallerion
