#pragma once

#include <QList>
#include <QPoint>
#include <QString>

#include <array>

namespace gallerion {

// The booklet's check boxes Check1(0) ... Check1(7), in their order.
enum class BookletSection
{
    Cover,
    Introduction,
    ClipArt,
    Description,
    Details,
    Engines,
    Options,
    Colors
};
inline constexpr int BookletSectionCount = 8;

// What the booklet panel holds when Print is pressed.
struct BookletChoice
{
    std::array<bool, BookletSectionCount> ticked{};
    QString from; // the selected year of List1(0), empty when none is selected
    QString to;   // the same of List1(1)

    bool isTicked(BookletSection section) const { return ticked[int(section)]; }
};

// One thing the printer does for the booklet, in order.
struct BookletStep
{
    enum class Kind
    {
        Picture,  // a cover picture, drawn at position (twips)
        EndCover, // the cover page is done; the next text continues its job
        RichText, // a rich-text file printed as one job
    };
    Kind kind;
    QString path; // program path of the file
    QPoint position;

    bool operator==(const BookletStep &) const = default;
};

struct BookletPlan
{
    QList<BookletStep> steps;
    // The year range's error (ER034, ER036), reported after the steps that
    // come before the years; empty when the range is fine or not needed.
    QString rangeError;
};

// The year code of a four-digit year of the lists ("1965" gives 65, "2001"
// gives 101); 0 for a text that is not a number.
int bookletYearCode(const QString &yearText);
// The code as file names write it: "65", "A0", "A1".
QString bookletCodeText(int code);

// Every step of the booklet, from the cover to the last year's details.
BookletPlan planBooklet(const BookletChoice &choice, const QString &discRoot);

} // namespace gallerion
