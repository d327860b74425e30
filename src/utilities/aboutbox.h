#pragma once

#include "widgets/designeddialog.h"

class QLabel;
class QPushButton;

namespace gallerion {

// frmAbout: the maker, its site, and the versions of the program and of Qt.
class AboutBox : public DesignedDialog
{
    Q_OBJECT
public:
    AboutBox(double scale, QWidget *parent);

    QLabel *panQuillon = nullptr;
    QLabel *SSPanel2 = nullptr;
    QLabel *lblVersion = nullptr;
    QPushButton *SSCommand1 = nullptr;

private:
    QLabel *panel(const QString &name, const QString &text, const QRect &twips);
};

} // namespace gallerion
