#include "documents/documenttable.h"

#include <array>

namespace gallerion {

using namespace Qt::Literals::StringLiterals;
using E = MenuEntry;

namespace {

// Most captions push the name right with seven blanks; the notice and the
// credits have one, the registration form names the publisher instead.
// clang-format off
constexpr std::array<DocumentRow, 20> rows{{
    // menu entry, path, caption, error code, bring to front
    {E::Books,                "\\RichText\\books.rtf"_L1,      "The Zarvick Gallerion       Books"_L1,                "ER004"_L1, false},
    {E::Catalogs,             "\\richtext\\catalogs.rtf"_L1,   "The Zarvick Gallerion       Catalogs"_L1,             "ER005"_L1, false},
    {E::Magazine1,            "\\richtext\\magmi.rtf"_L1,      "The Zarvick Gallerion       Magazines"_L1,            "ER008"_L1, true},
    {E::Magazine2,            "\\richtext\\magmm.rtf"_L1,      "The Zarvick Gallerion       Magazines"_L1,            "ER008"_L1, true},
    {E::Magazine3,            "\\richtext\\magmmff.rtf"_L1,    "The Zarvick Gallerion       Magazines"_L1,            "ER008"_L1, true},
    {E::Magazine4,            "\\richtext\\mag4.rtf"_L1,       "The Zarvick Gallerion       Magazines"_L1,            "ER008"_L1, true},
    {E::Magazine5,            "\\richtext\\mag5.rtf"_L1,       "The Zarvick Gallerion       Magazines"_L1,            "ER008"_L1, true},
    {E::PressRelease1,        "\\richtext\\PRIntro.rtf"_L1,    "The Zarvick Gallerion       1964 Press Release"_L1,   "ER030"_L1, true},
    {E::PressRelease2,        "\\richtext\\PRMarket.rtf"_L1,   "The Zarvick Gallerion       1964 Press Release"_L1,   "ER030"_L1, true},
    {E::PressRelease3,        "\\richtext\\PROptions.rtf"_L1,  "The Zarvick Gallerion       1964 Press Release"_L1,   "ER030"_L1, true},
    {E::Engines,              "\\richtext\\engines.rtf"_L1,    "The Zarvick Gallerion       Engines"_L1,              "ER009"_L1, true},
    {E::Glossary,             "\\richtext\\glossary.rtf"_L1,   "The Zarvick Gallerion       Glossary"_L1,             "ER009"_L1, true},
    {E::IdentificationGuide,  "\\richtext\\idzarvick.rtf"_L1,  "The Zarvick Gallerion       Identification Guide"_L1, "ER009"_L1, true},
    {E::Timeline,             "\\richtext\\timeline.rtf"_L1,   "The Zarvick Gallerion       Timeline"_L1,             "ER009"_L1, true},
    {E::RegistrationForm,     "\\RichText\\Register.rtf"_L1,   "Quillon Software Registration Form"_L1,               "ER008"_L1, false},
    {E::WhatsNew,             "\\richtext\\whatsnew.rtf"_L1,   "The Zarvick Gallerion       What's New"_L1,           "ER056"_L1, false},
    {E::Introduction,         "\\RichText\\intro.rtf"_L1,      "The Zarvick Gallerion       Introduction"_L1,         "ER007"_L1, false},
    {E::Notice,               "\\richtext\\notice.rtf"_L1,     "The Zarvick Gallerion Notice"_L1,                     "ER025"_L1, false},
    {E::Credits,              "\\richtext\\credits.rtf"_L1,    "The Zarvick Gallerion Credits"_L1,                    "ER010"_L1, false},
    {E::Contributions,        "\\richtext\\contrib.rtf"_L1,    "The Zarvick Gallerion       Contributions"_L1,        "ER053"_L1, false},
}};
// clang-format on

} // namespace

std::span<const DocumentRow> documentTable()
{
    return rows;
}

const DocumentRow *documentRowOfMenu(const QString &menuName)
{
    for (const DocumentRow &row : rows) {
        if (menuName == menuEntryName(row.menu))
            return &row;
    }
    return nullptr;
}

} // namespace gallerion
