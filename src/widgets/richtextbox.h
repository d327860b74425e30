#pragma once

#include <QIODevice>
#include <QImage>
#include <QTextEdit>

namespace gallerion {

// The read-only rich-text box in which articles are shown: selectable and
// scrollable, loaded from a file with the program's own RTF reader.
class RichTextBox : public QTextEdit
{
    Q_OBJECT

public:
    explicit RichTextBox(QWidget *parent = nullptr);

    // Shows the file (RTF, or plain text) in place of what was shown. When the
    // file cannot be read the box keeps its old content and returns false with
    // the reason in error.
    bool setFileName(const QString &nativePath, QString *error = nullptr);
    // The same for content read from an open device (a file on a disc image has
    // no native path); name is what fileName() answers afterwards.
    bool load(QIODevice &device, const QString &name, QString *error = nullptr);
    // The name of the shown file, as it was given.
    const QString &fileName() const { return m_fileName; }

    // Draws the document larger or smaller as a whole: fonts, indents, tables
    // and pictures together, as the window around it is scaled.
    void setZoom(double zoom);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void applyZoom();
    void fitTabStops();

    QString m_fileName;
    double m_zoom = 1.0;
    // Laying the text out for a device of a higher resolution scales every
    // length of the document at once; it is never painted on.
    QImage m_layoutDevice;
    bool m_pressed = false;
};

} // namespace gallerion
