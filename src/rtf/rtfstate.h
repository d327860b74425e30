#pragma once

#include <QList>
#include <QTextCharFormat>
#include <QTextOption>

#include "rtf/rtftabs.h"

namespace gallerion::rtf {

// Where the text of the current group goes.
enum class Destination
{
    Text,
    FontTable,
    ColourTable,
    Picture,
    IgnoreText,
    ShapeInstructions, // text is ignored; the shape's picture is shown
    ShapePropertyName,
    FieldInstruction,
    Panose,
};

struct CharacterProperties
{
    int font = -1;
    int halfPoints = 24;
    bool bold = false;
    bool italic = false;
    bool strike = false;
    bool hidden = false;
    QTextCharFormat::UnderlineStyle underline = QTextCharFormat::NoUnderline;
    QTextCharFormat::VerticalAlignment verticalAlignment = QTextCharFormat::AlignNormal;
    QFont::Capitalization capitalization = QFont::MixedCase;
    int foreground = -1; // colour table indices, -1 for automatic
    int background = -1;

    bool operator==(const CharacterProperties &) const = default;
};

struct ParagraphProperties
{
    Qt::Alignment alignment = Qt::AlignLeft;
    int leftIndent = 0; // twips
    int rightIndent = 0;
    int firstIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    int lineSpacing = 0; // \sl: > 0 at least, < 0 exactly, 0 single
    bool lineMultiple = false;
    bool inTable = false;
    QList<TabStop> tabs;
    QTextOption::TabType nextTabType = QTextOption::LeftTab;
    TabLeader nextLeader = TabLeader::None;
};

// Everything a group restores when it closes.
struct GroupState
{
    Destination destination = Destination::Text;
    CharacterProperties chars;
    ParagraphProperties paragraph;
    int unicodeSkip = 1; // \uc
    bool footnote = false;
};

QTextBlockFormat blockFormat(const ParagraphProperties &paragraph);

} // namespace gallerion::rtf
