#pragma once

#include "catalogue/photolist.h"

#include <QObject>

namespace gallerion {

// The entry open in the main window and the cursor over its photos, without
// any widget: windows show it and change it only through its operations.
class EntryModel : public QObject
{
    Q_OBJECT
public:
    explicit EntryModel(QObject *parent = nullptr);

    // The photos that every entry draws from (PhotoList, PhotoNumbers, PhotoCount).
    void setPhotoList(const PhotoListData &list);
    const QStringList &photoList() const { return m_photos.paths; }
    const QStringList &photoNumbers() const { return m_photos.numbers; }
    int photoCount() const { return m_photos.count; }
    // Where "\zarvicks\" starts in the list's paths (CodePosition).
    int codePosition() const { return m_codePosition; }

    bool isOpen() const { return !m_caption.isEmpty(); }
    // The caption of the open entry ("1967", "Zarvick Cookies "); empty while
    // nothing is open.
    const QString &caption() const { return m_caption; }
    bool openedAsCollection() const { return m_asCollection; }
    // CurrentEntryCode: the code the photo steps look for.
    const QString &code() const { return m_code; }
    void setCode(const QString &code);

    const PhotoCursor &cursor() const { return m_cursor; }
    int shownIndex() const { return m_shownIndex; }
    const QString &photoPath() const { return m_photoPath; }
    // What the photo-number panel shows.
    const QString &photoNumber() const { return m_photoNumber; }

    // Opens an entry: its first photo comes on view and the cursor stands
    // before it. False when the entry has no photo; the shown index is then
    // past the list's end.
    bool open(const QString &caption, bool asCollection);
    // Opens an entry with photo i of the list on view, the cursor standing as
    // though the steps had just reached it.
    void openAt(const QString &caption, bool asCollection, int index);
    // Moves the cursor one photo on or back and returns the index of the photo
    // to show; 0 when nothing is open or the entry has no photo, and then
    // nothing changes. The cursor moves even if that photo fails to show.
    int step(bool forward);
    // The index the next step in that direction would show, without moving; 0 as for step.
    int peek(bool forward) const;
    // Photo i of the list is on view.
    void show(int index);

signals:
    void entryChanged();
    void codeChanged();
    void photoChanged();
    void photoListChanged();

private:
    std::optional<PhotoStep> planStep(bool forward) const;

    PhotoListData m_photos;
    int m_codePosition = 0;
    QString m_caption;
    bool m_asCollection = false;
    QString m_code;
    PhotoCursor m_cursor;
    int m_shownIndex = 0;
    QString m_photoPath;
    QString m_photoNumber;
};

} // namespace gallerion
