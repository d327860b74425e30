#pragma once

#include <QObject>

class QLabel;
class QLineEdit;

namespace gallerion {

class EntryModel;

// panYear, panPhoto and txtFile show the open entry and the photo on view.
class EntryLabels : public QObject
{
    Q_OBJECT
public:
    EntryLabels(const EntryModel &entries, QLabel *panYear, QLabel *panPhoto, QLineEdit *txtFile,
                QObject *parent);

private:
    void showEntry();
    void showPhoto();

    const EntryModel &m_entries;
    QLabel *m_panYear;
    QLabel *m_panPhoto;
    QLineEdit *m_txtFile;
};

} // namespace gallerion
