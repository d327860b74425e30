#pragma once

#include <QUrl>
#include <QWidget>

class QLabel;
class QLineEdit;
class QTextBrowser;

namespace gallerion {

// The program's help: its HTML pages in a browser with the contents page,
// back and forward, and a search within the page on view.
class HelpWindow : public QWidget
{
    Q_OBJECT
public:
    HelpWindow(const QUrl &contents, QWidget *parent);

    void showContents();
    // Finds the next place of the text on the page, from the top again after
    // the last; false when the page does not hold it.
    bool findNext(const QString &text);
    QTextBrowser *browser() const { return m_browser; }

private:
    QWidget *buildToolBar();
    void find();

    QUrl m_contents;
    QTextBrowser *m_browser = nullptr;
    QLineEdit *m_findText = nullptr;
    QLabel *m_findResult = nullptr;
};

} // namespace gallerion
