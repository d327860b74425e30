#include "catalogue/photolist.h"

#include "catalogue/contentpaths.h"
#include "platform/filesystem.h"

#include <algorithm>
#include <string_view>

namespace gallerion {

namespace {

// Beyond the 16-bit limit the first names in sorted order are kept: the list
// stays whole and ordered, and the caller tells the user that it was cut.
bool cutToLimit(QStringList &names)
{
    if (names.size() <= MaxListCount)
        return false;
    names.resize(MaxListCount);
    return true;
}

std::u16string_view unitsOf(const QString &text)
{
    return {reinterpret_cast<const char16_t *>(text.constData()), std::size_t(text.size())};
}

// Ordinal order of UTF-16 code units, as the pairwise exchange of the original
// list gave, in O(n log n). Upper-casing can make names from a case-sensitive
// file system equal; they name one file, so keep one.
void sortUnique(QStringList &names)
{
    std::sort(names.begin(), names.end(),
              [](const QString &a, const QString &b) { return unitsOf(a) < unitsOf(b); });
    names.erase(std::unique(names.begin(), names.end()), names.end());
}

char16_t upperOfUnit(char16_t unit)
{
    if (unit < 128)
        return unit >= u'a' && unit <= u'z' ? char16_t(unit - 32) : unit;
    const char32_t upper = QChar::toUpper(char32_t(unit));
    return QChar::requiresSurrogates(upper) ? unit : char16_t(upper);
}

void upperCaseInPlace(QString &name)
{
    char16_t *text = reinterpret_cast<char16_t *>(name.data());
    const qsizetype size = name.size();
    for (qsizetype i = 0; i < size; ++i) {
        if (!QChar::isHighSurrogate(text[i]) || i + 1 == size ||
            !QChar::isLowSurrogate(text[i + 1])) {
            text[i] = upperOfUnit(text[i]);
            continue;
        }
        const char32_t upper = QChar::toUpper(QChar::surrogateToUcs4(text[i], text[i + 1]));
        if (QChar::requiresSurrogates(upper)) {
            text[i] = QChar::highSurrogate(upper);
            text[i + 1] = QChar::lowSurrogate(upper);
        }
        ++i;
    }
}

void numberAndComplete(PhotoListData &list, const QString &photoRoot)
{
    list.numbers.reserve(list.paths.size() + 1);
    int counter = 0;
    for (qsizetype i = 0; i < list.paths.size(); ++i) {
        const QStringView code = QStringView(list.paths.at(i)).left(2);
        const bool sameEntry = i > 0 && code == QStringView(list.paths.at(i - 1)).left(2);
        counter = sameEntry ? counter + 1 : 1;
        list.numbers.append(QString::number(counter));
    }
    for (QString &name : list.paths)
        name = photoPath(photoRoot, name);
}

QStringView codeView(const QStringList &list, int i, int codePosition)
{
    return i >= 1 && i <= list.size() ? QStringView(list.at(i - 1)).mid(codePosition + 9, 2)
                                      : QStringView();
}

bool belongsTo(const QStringList &list, int count, int codePosition, int i, const QString &code)
{
    return i >= 1 && i <= count && codeView(list, i, codePosition) == code;
}

} // namespace

PhotoListData photoListFromNames(QStringList names, const QString &photoRoot)
{
    PhotoListData list;
    for (QString &name : names)
        upperCaseInPlace(name);
    sortUnique(names);
    list.failed = cutToLimit(names);
    list.count = int(names.size());
    list.paths = std::move(names);
    numberAndComplete(list, photoRoot);
    list.paths.append(QString());
    list.numbers.append(QString());
    return list;
}

PhotoListData BuildPhotoList(const FileSystem &files, const QString &photoRoot)
{
    return photoListFromNames(files.list(photoPattern(photoRoot)), photoRoot);
}

MovieListData BuildMovieList(const FileSystem &files, const QString &discRoot)
{
    MovieListData list;
    list.names = files.list(moviePattern(discRoot));
    list.failed = cutToLimit(list.names);
    list.count = int(list.names.size());
    list.names.append(QString());
    return list;
}

QString upperCasedName(const QString &name)
{
    QString upper = name;
    upperCaseInPlace(upper);
    return upper;
}

int CodePosition(const QStringList &photoList)
{
    if (photoList.isEmpty())
        return 0;
    return int(photoList.first().indexOf(ContentDir::Photos)) + 1;
}

QString entryCodeAt(const QString &element, int codePosition)
{
    return element.mid(codePosition + 9, 2);
}

QString fileNameText(const QString &element, int codePosition)
{
    return element.mid(codePosition + 9, 12);
}

int FindFirstPhoto(const QStringList &photoList, int photoCount, int codePosition,
                   const QString &entryCode)
{
    for (int i = 1; i <= photoCount; ++i) {
        if (belongsTo(photoList, photoCount, codePosition, i, entryCode))
            return i;
    }
    return 0;
}

std::optional<PhotoStep> stepToNextPhoto(const QStringList &photoList, int photoCount,
                                         int codePosition, const QString &entryCode,
                                         PhotoCursor cursor)
{
    if (FindFirstPhoto(photoList, photoCount, codePosition, entryCode) == 0)
        return std::nullopt;
    if (cursor.lastStepBack) {
        cursor.lastStepBack = false;
        ++cursor.currentIndex;
    }
    cursor.lastStepForward = true;
    // The entry has a photo, so at most three passes end here: one from the
    // cursor, one that may only pass over the photo already on display, one
    // that shows it again.
    for (int from = std::max(cursor.currentIndex, 0);; from = 0) {
        for (int i = from; i <= photoCount; ++i) {
            if (!belongsTo(photoList, photoCount, codePosition, i + 1, entryCode))
                continue;
            if (cursor.entryJustOpened) {
                cursor.entryJustOpened = false;
                continue;
            }
            cursor.currentIndex = i + 1;
            return PhotoStep{cursor, i + 1};
        }
    }
}

std::optional<PhotoStep> stepToPreviousPhoto(const QStringList &photoList, int photoCount,
                                             int codePosition, const QString &entryCode,
                                             PhotoCursor cursor)
{
    if (FindFirstPhoto(photoList, photoCount, codePosition, entryCode) == 0)
        return std::nullopt;
    if (cursor.lastStepForward) {
        cursor.lastStepForward = false;
        --cursor.currentIndex;
    }
    cursor.lastStepBack = true;
    // A backward step leaves the first photo, so the next forward step must
    // not pass over one.
    cursor.entryJustOpened = false;
    const int start = cursor.currentIndex < 1 ? photoCount : cursor.currentIndex;
    for (int from = std::min(start, photoCount);; from = photoCount) {
        for (int i = from; i >= 1; --i) {
            if (belongsTo(photoList, photoCount, codePosition, i, entryCode)) {
                cursor.currentIndex = i - 1;
                return PhotoStep{cursor, i};
            }
        }
    }
}

} // namespace gallerion
