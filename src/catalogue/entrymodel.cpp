#include "catalogue/entrymodel.h"

#include "catalogue/entries.h"

namespace gallerion {

EntryModel::EntryModel(QObject *parent) : QObject(parent) {}

void EntryModel::setPhotoList(const PhotoListData &list)
{
    m_photos = list;
    m_codePosition = CodePosition(m_photos.paths);
    emit photoListChanged();
}

void EntryModel::setCode(const QString &code)
{
    if (code == m_code)
        return;
    m_code = code;
    emit codeChanged();
}

bool EntryModel::open(const QString &caption, bool asCollection)
{
    m_caption = caption;
    m_asCollection = asCollection;
    setCode(EntryCodeOf(caption));
    m_cursor = PhotoCursor{0, true, false, false};
    const int first = FindFirstPhoto(m_photos.paths, m_photos.count, m_codePosition, m_code);
    m_shownIndex = first > 0 ? first : m_photos.count + 1;
    if (first > 0)
        m_photoPath = m_photos.paths.at(first - 1);
    m_photoNumber = QStringLiteral("1");
    emit entryChanged();
    emit photoChanged();
    return first > 0;
}

void EntryModel::openAt(const QString &caption, bool asCollection, int index)
{
    m_caption = caption;
    m_asCollection = asCollection;
    setCode(EntryCodeOf(caption));
    // The next step passes over the photo on view, as it does after opening.
    m_cursor = PhotoCursor{index - 1, true, false, false};
    emit entryChanged();
    show(index);
}

std::optional<PhotoStep> EntryModel::planStep(bool forward) const
{
    if (!isOpen())
        return std::nullopt;
    const auto stepTo = forward ? stepToNextPhoto : stepToPreviousPhoto;
    return stepTo(m_photos.paths, m_photos.count, m_codePosition, m_code, m_cursor);
}

int EntryModel::peek(bool forward) const
{
    const std::optional<PhotoStep> next = planStep(forward);
    return next ? next->shownIndex : 0;
}

int EntryModel::step(bool forward)
{
    const std::optional<PhotoStep> next = planStep(forward);
    if (!next)
        return 0;
    m_cursor = next->cursor;
    emit photoChanged();
    return next->shownIndex;
}

void EntryModel::show(int index)
{
    m_shownIndex = index;
    m_photoPath = m_photos.paths.value(index - 1);
    m_photoNumber = m_photos.numbers.value(index - 1);
    emit photoChanged();
}

} // namespace gallerion
