#include "documents/documenttable.h"

#include <array>

namespace gallerion {

using namespace Qt::Literals::StringLiterals;

namespace {

// Most captions push the name right with seven blanks; the notice and the
// credits have one, the registration form names the publisher instead.
// clang-format off
constexpr std::array<DocumentRow, 20> rows{{
    // menu entry, path, caption, error code, bring to front
    {"mnuBooks"_L1,    "\\RichText\\books.rtf"_L1,     "The Zarvick Gallerion       Books"_L1,                "ER004"_L1, false},
    {"mnuCatalogs"_L1, "\\richtext\\catalogs.rtf"_L1,  "The Zarvick Gallerion       Catalogs"_L1,             "ER005"_L1, false},
    {"mnuMag(1)"_L1,   "\\richtext\\magmi.rtf"_L1,     "The Zarvick Gallerion       Magazines"_L1,            "ER008"_L1, true},
    {"mnuMag(2)"_L1,   "\\richtext\\magmm.rtf"_L1,     "The Zarvick Gallerion       Magazines"_L1,            "ER008"_L1, true},
    {"mnuMag(3)"_L1,   "\\richtext\\magmmff.rtf"_L1,   "The Zarvick Gallerion       Magazines"_L1,            "ER008"_L1, true},
    {"mnuMag(4)"_L1,   "\\richtext\\mag4.rtf"_L1,      "The Zarvick Gallerion       Magazines"_L1,            "ER008"_L1, true},
    {"mnuMag(5)"_L1,   "\\richtext\\mag5.rtf"_L1,      "The Zarvick Gallerion       Magazines"_L1,            "ER008"_L1, true},
    {"mnuPR(1)"_L1,    "\\richtext\\PRIntro.rtf"_L1,   "The Zarvick Gallerion       1964 Press Release"_L1,   "ER030"_L1, true},
    {"mnuPR(2)"_L1,    "\\richtext\\PRMarket.rtf"_L1,  "The Zarvick Gallerion       1964 Press Release"_L1,   "ER030"_L1, true},
    {"mnuPR(3)"_L1,    "\\richtext\\PROptions.rtf"_L1, "The Zarvick Gallerion       1964 Press Release"_L1,   "ER030"_L1, true},
    {"mnuMisc(1)"_L1,  "\\richtext\\engines.rtf"_L1,   "The Zarvick Gallerion       Engines"_L1,              "ER009"_L1, true},
    {"mnuMisc(2)"_L1,  "\\richtext\\glossary.rtf"_L1,  "The Zarvick Gallerion       Glossary"_L1,             "ER009"_L1, true},
    {"mnuMisc(3)"_L1,  "\\richtext\\idzarvick.rtf"_L1, "The Zarvick Gallerion       Identification Guide"_L1, "ER009"_L1, true},
    {"mnuMisc(4)"_L1,  "\\richtext\\timeline.rtf"_L1,  "The Zarvick Gallerion       Timeline"_L1,             "ER009"_L1, true},
    {"mnuRegister"_L1, "\\RichText\\Register.rtf"_L1,  "Quillon Software Registration Form"_L1,               "ER008"_L1, false},
    {"mnuWhatsNew"_L1, "\\richtext\\whatsnew.rtf"_L1,  "The Zarvick Gallerion       What's New"_L1,           "ER056"_L1, false},
    {"mnuIntro"_L1,    "\\RichText\\intro.rtf"_L1,     "The Zarvick Gallerion       Introduction"_L1,         "ER007"_L1, false},
    {"mnuNotice"_L1,   "\\richtext\\notice.rtf"_L1,    "The Zarvick Gallerion Notice"_L1,                     "ER025"_L1, false},
    {"mnuCredits"_L1,  "\\richtext\\credits.rtf"_L1,   "The Zarvick Gallerion Credits"_L1,                    "ER010"_L1, false},
    {"mnuContrib"_L1,  "\\richtext\\contrib.rtf"_L1,   "The Zarvick Gallerion       Contributions"_L1,        "ER053"_L1, false},
}};
// clang-format on

} // namespace

std::span<const DocumentRow> DocumentTable()
{
    return rows;
}

const DocumentRow *DocumentRowOfMenu(const QString &menuName)
{
    for (const DocumentRow &row : rows) {
        if (menuName == row.menuName)
            return &row;
    }
    return nullptr;
}

} // namespace gallerion
