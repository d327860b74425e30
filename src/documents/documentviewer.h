#pragma once

#include "widgets/designeddialog.h"

#include <QDialog>
#include <QSize>
#include <QString>

class QAction;
class QIODevice;
class QKeyEvent;
class QPushButton;
class QTextDocument;

namespace gallerion {

class Platform;
class ProgramState;
class RichTextBox;

// What one opening of the document viewer needs: the program path of the file,
// the caption and the code reported when the file cannot be shown.
struct DocumentRequest
{
    QString path;
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
    // The program path of the shown document, for whoever watches the window.
    Q_PROPERTY(QString documentPath READ documentPath)
public:
    // Drawn at the program's scale (1 for the designed size).
    DocumentViewer(const QString &title, const QSize &screenTwips, double scale = 1.0,
                   QWidget *parent = nullptr);

    // Shows the document read from the device in rtbText; false, and nothing
    // shown, when it cannot be read. The box names the file by its display path.
    bool showDocument(QIODevice &device, const QString &programPath, const QString &displayPath);
    const QTextDocument &document() const;
    const QString &documentPath() const { return m_documentPath; }
    // True once the window was closed by SSCommand1 or Esc (the close box does not count).
    bool closedByButton() const { return m_closedByButton; }

signals:
    // cmdPrint was pressed, or the print command chosen (Ctrl+P).
    void printRequested();

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildControls();
    void buildPrintCommand();
    void describeControls();
    void centreOnScreen(const QSize &screenTwips);
    void prepareButtons();
    void closeByButton();
    void showTextMenu(const QPoint &at);

    RichTextBox *m_text = nullptr;
    QPushButton *m_close = nullptr;
    QPushButton *m_print = nullptr;
    QPushButton *m_hidden[2] = {};
    QAction *m_printCommand = nullptr;
    QString m_documentPath;
    bool m_closedByButton = false;
};

// Opens the document modally over its owner (the main window) and returns once
// the viewer is closed. A file that cannot be loaded stores request.errorCode
// in ErrorCode and reports it; no viewer is shown then. Returns whether the
// viewer was shown.
bool openDocument(const DocumentRequest &request, ProgramState &state, Platform &platform,
                  QWidget *owner = nullptr);

} // namespace gallerion
