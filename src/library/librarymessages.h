#pragma once

#include <QString>

namespace gallerion {

// Which content the copy panel and the removals deal with.
enum class CopyContent
{
    Photos,
    Movies
};

// A number in the pattern "###,###,###": thousands separated by commas
// whatever the locale, no leading zeros.
QString formatThousands(qint64 value);

// The texts the hard-disk copies show; a line break is CR LF.
QString notEnoughSpaceText(qint64 available, qint64 needed);
QString copyAgainQuestion();
QString copyDoneText(CopyContent content, int failures);
QString removeQuestion(CopyContent content);
QString removedText(CopyContent content);
QString removeFailedText(CopyContent content, const QString &folder);
QString folderFailedText(const QString &folder);

} // namespace gallerion
