#pragma once

#include <QPushButton>

namespace gallerion {

// One of the 38 year buttons. Comma and period step through the photos of the
// open entry; Space presses the button like a click, as on every desktop.
// The program moves the focus to the next year after nearly every action, so
// the focused button always shows its style's focus frame, not only after Tab.
class YearButton : public QPushButton
{
    Q_OBJECT
public:
    YearButton(int index, const QString &caption, QWidget *parent = nullptr);
    int index() const { return m_index; }

signals:
    // The original platform's virtual key codes: 188 comma, 190 period.
    void keyCode(int code);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    int m_index;
};

} // namespace gallerion
