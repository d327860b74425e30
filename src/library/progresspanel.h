#pragma once

#include <QFrame>

class QLabel;
class QLineEdit;
class QPushButton;

namespace gallerion {

class DesignStage;
class Gauge;

// pnlProgress: the copy's progress over the main window's photo, hidden until
// a copy is asked for. It only shows what the copy tells it.
class ProgressPanel : public QFrame
{
    Q_OBJECT
public:
    explicit ProgressPanel(DesignStage *stage);

    // Centred over the photo, a little below its top edge.
    void placeOver(const QRect &photoBox);
    void prepare(const QString &task, const QString &copyCaption);
    void setButtonsEnabled(bool enabled);
    void showFile(const QString &source, double fileFill, double wholeFill);
    void showWholeDone();

    QPushButton *cmdCopy() const { return m_copy; }
    QPushButton *cmdCancel() const { return m_cancel; }

private:
    QPushButton *button(const char *name, const QString &caption, const QRect &design);

    DesignStage *m_stage;
    QLabel *m_task;
    QLineEdit *m_file;
    Gauge *m_fileGauge;
    Gauge *m_wholeGauge;
    QPushButton *m_copy;
    QPushButton *m_cancel;
};

} // namespace gallerion
