#include "browser/entrylabels.h"

#include "catalogue/entrymodel.h"

#include <QLabel>
#include <QLineEdit>

namespace gallerion {

EntryLabels::EntryLabels(const EntryModel &entries, QLabel *panYear, QLabel *panPhoto,
                         QLineEdit *txtFile, QObject *parent)
    : QObject(parent), m_entries(entries), m_panYear(panYear), m_panPhoto(panPhoto),
      m_txtFile(txtFile)
{
    connect(&entries, &EntryModel::entryChanged, this, &EntryLabels::showEntry);
    connect(&entries, &EntryModel::photoChanged, this, &EntryLabels::showPhoto);
    showEntry();
}

void EntryLabels::showEntry()
{
    // The panel's design caption stands for "nothing open yet".
    m_panYear->setText(m_entries.isOpen() ? m_entries.caption() : QStringLiteral("panYear"));
}

void EntryLabels::showPhoto()
{
    m_panPhoto->setText(m_entries.photoNumber());
    // The name box shows the file name of the photo on view whenever it is shown.
    const QString &path = m_entries.photoPath();
    m_txtFile->setText(fileNameText(path, CodePosition({path})));
}

} // namespace gallerion
