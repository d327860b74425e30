#include "documents/bookletplan.h"

namespace gallerion {

namespace {

struct CoverPicture
{
    const char *path;
    int x;
    int y;
};

constexpr CoverPicture coverPictures[] = {
    {"\\graphics\\logo.jpg", 1600, 1600},
    {"\\graphics\\66red.jpg", 2600, 4300},
    {"\\graphics\\bklettxt.jpg", 500, 8800},
    {"\\graphics\\quillon3.jpg", 2800, 12000},
};

QString richTextPath(const QString &discRoot, const QString &name)
{
    return discRoot + QStringLiteral("\\RichText\\") + name;
}

// Clip art, engines, options and colours have no pages of their own, but
// still ask for a year range.
bool anyYearSection(const BookletChoice &choice)
{
    for (int i = int(BookletSection::ClipArt); i < BookletSectionCount; ++i) {
        if (choice.ticked[i])
            return true;
    }
    return false;
}

QString rangeError(int start, int end)
{
    if (start == 0 || end == 0)
        return QStringLiteral("ER034");
    if (end < start)
        return QStringLiteral("ER036");
    return {};
}

} // namespace

int bookletYearCode(const QString &yearText)
{
    bool number = false;
    const int year = yearText.toInt(&number);
    if (!number)
        return 0;
    if (year > 1999)
        return 100 + yearText.mid(3, 1).toInt();
    return yearText.mid(2, 2).toInt();
}

QString bookletCodeText(int code)
{
    if (code >= 100)
        return QStringLiteral("A%1").arg(code - 100);
    return QString::number(code);
}

BookletPlan planBooklet(const BookletChoice &choice, const QString &discRoot)
{
    using Kind = BookletStep::Kind;
    BookletPlan plan;
    QList<BookletStep> &steps = plan.steps;
    if (choice.isTicked(BookletSection::Cover)) {
        for (const CoverPicture &picture : coverPictures)
            steps.append({Kind::Picture, discRoot + QLatin1String(picture.path),
                          QPoint(picture.x, picture.y)});
        steps.append({Kind::EndCover, {}, {}});
    }
    if (choice.isTicked(BookletSection::Introduction))
        steps.append({Kind::RichText, richTextPath(discRoot, QStringLiteral("intro.rtf")), {}});
    if (!anyYearSection(choice))
        return plan;
    const int start = bookletYearCode(choice.from);
    const int end = bookletYearCode(choice.to);
    plan.rangeError = rangeError(start, end);
    if (!plan.rangeError.isEmpty())
        return plan;
    for (int code = start; code <= end; ++code) {
        const QString text = bookletCodeText(code);
        if (choice.isTicked(BookletSection::Description))
            steps.append(
                {Kind::RichText, richTextPath(discRoot, text + QStringLiteral("desc.rtf")), {}});
        if (choice.isTicked(BookletSection::Details))
            steps.append(
                {Kind::RichText, richTextPath(discRoot, text + QStringLiteral(".rtf")), {}});
    }
    return plan;
}

} // namespace gallerion
