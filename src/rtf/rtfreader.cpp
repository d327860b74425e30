#include "rtf/rtfreader.h"

#include "rtf/rtfbuilder.h"
#include "rtf/rtfcharset.h"
#include "rtf/rtffields.h"
#include "rtf/rtffonts.h"
#include "rtf/rtfkeywords.h"
#include "rtf/rtfpicture.h"
#include "rtf/rtfstate.h"
#include "rtf/rtfsymbolfonts.h"
#include "rtf/rtftokenizer.h"

#include <QColor>
#include <QFile>
#include <QHash>
#include <QStringDecoder>
#include <QTextDocument>
#include <QtEndian>

#include <memory>
#include <utility>
#include <vector>

namespace gallerion::rtf {

namespace {

// Deeper groups are read as if they were part of the group at this depth, so
// that a file of nested braces cannot use up the stack or the memory.
constexpr int MaxGroupDepth = 1024;
constexpr int MaxTabStops = 64;
constexpr int MaxCells = 64;
constexpr int MaxTwips = 31680; // 22 inches, the largest page Word knows
constexpr qint64 MaxFileSize = 256 * 1024 * 1024;

struct FontEntry
{
    QString name;
    int codePage = 0;
    FontKind kind = FontKind::Unknown;
    SymbolFont symbol = SymbolFont::None;
    QStringList families; // best first, for a missing font a like one
};

constexpr int MaxFieldInstruction = 4096;

FontKind fontKindFor(QByteArrayView familyWord)
{
    if (familyWord == "froman")
        return FontKind::Roman;
    if (familyWord == "fswiss")
        return FontKind::Swiss;
    if (familyWord == "fmodern")
        return FontKind::Modern;
    if (familyWord == "fscript")
        return FontKind::Script;
    if (familyWord == "fdecor")
        return FontKind::Decor;
    return FontKind::Unknown;
}

int clampTwips(int value)
{
    return qBound(-MaxTwips, value, MaxTwips);
}

bool switchedOn(const Token &token)
{
    return !token.hasParameter || token.parameter != 0;
}

class Reader
{
public:
    Reader(QByteArrayView data, QTextDocument *document)
        : m_tokens(data), m_builder(document), m_out(&m_builder), m_stack(1)
    {}

    void run();

private:
    GroupState &state() { return m_stack.back(); }
    CharacterProperties &chars() { return m_stack.back().chars; }
    ParagraphProperties &paragraph() { return m_stack.back().paragraph; }

    void openGroup();
    bool closeGroup();
    void controlWord(const Token &token);
    bool destinationWord(Keyword keyword, bool starred);
    bool characterWord(Keyword keyword, const Token &token);
    bool paragraphWord(Keyword keyword, const Token &token);
    bool breakWord(Keyword keyword);
    bool specialCharacterWord(Keyword keyword, const Token &token);
    bool tableWord(Keyword keyword, const Token &token);
    bool cellWord(Keyword keyword, const Token &token);
    bool borderWord(Keyword keyword, const Token &token);
    bool borderLineWord(Keyword keyword, const Token &token);
    BorderLine *currentBorder();
    void updateTextWidth();
    bool pictureWord(Keyword keyword, const Token &token);
    void documentWord(Keyword keyword, const Token &token);
    void controlSymbol(unsigned char symbol);
    void text(QByteArrayView bytes);
    void textBytes(QByteArrayView bytes);
    void fontTableText(QByteArrayView bytes);
    void colourTableText(QByteArrayView bytes);
    void appendCharacter(char16_t c);
    void appendString(const QString &text);
    SymbolFont currentSymbolFont() const;
    void finishFieldInstruction();
    void beginFootnote();
    void endFootnote();

    void prepareText();
    void flushBytes();
    void place();
    int currentCodePage() const;
    QTextCharFormat charFormat() const;
    QColor colour(int index) const;
    void commitFont();
    void finishPicture(bool hidden);
    bool showsPicture() const;
    void endParagraph();
    void setUnderline(const Token &token, QTextCharFormat::UnderlineStyle style);
    void setVerticalAlignment(const Token &token, QTextCharFormat::VerticalAlignment alignment);
    void addTabStop(int twips);

    Tokenizer m_tokens;
    DocumentBuilder m_builder;
    DocumentBuilder *m_out; // the text's builder, or the notes' inside a footnote
    std::unique_ptr<QTextDocument> m_notes;
    std::unique_ptr<DocumentBuilder> m_notesBuilder;
    int m_footnotes = 0;
    CodePageDecoder m_decoder;
    std::vector<GroupState> m_stack;
    int m_flattened = 0;
    bool m_starred = false;
    int m_fallbackToSkip = 0;
    bool m_done = false;

    int m_documentCodePage = DefaultCodePage;
    int m_defaultFont = -1;
    QHash<int, FontEntry> m_fonts;
    int m_fontBeingRead = -1;
    FontEntry m_fontEntry;
    QByteArray m_fontName;
    QList<QColor> m_colours;
    QColor m_colour;
    bool m_colourGiven = false;
    Picture m_picture;
    RowDefinition m_row;
    CellDefinition m_cell; // the cell whose \cellx is still to come
    int m_borderSide = -1; // 0-3 a side of m_cell, 4-9 a side of m_row
    int m_paperWidth = 12240;
    int m_marginLeft = 1800;
    int m_marginRight = 1800;
    QByteArray m_shapePropertyName;
    QByteArray m_fieldInstruction;
    bool m_fieldResultShown = false; // a SYMBOL field showed its character itself
    QByteArray m_panose;
    bool m_shapeShown = false; // the current shape showed its picture or text

    QByteArray m_bytes; // text not yet decoded, all of one code page
    int m_bytesCodePage = 0;
    bool m_formatChanged = true;
    bool m_placeChanged = true;
};

void Reader::run()
{
    while (!m_done) {
        const Token token = m_tokens.next();
        if (token.type == Token::End)
            break;
        if (token.type == Token::GroupStart) {
            openGroup();
            continue;
        }
        if (token.type == Token::GroupEnd) {
            m_done = closeGroup();
            continue;
        }
        if (token.type == Token::ControlWord && token.text == "bin") {
            // Raw bytes follow whatever the state, so they are taken before anything else.
            const QByteArrayView bytes = m_tokens.takeBinary(token.parameter);
            if (state().destination == Destination::Picture)
                m_picture.binary.append(bytes);
            continue;
        }
        if (m_fallbackToSkip > 0 && token.type != Token::Text) {
            --m_fallbackToSkip;
            continue;
        }
        switch (token.type) {
        case Token::ControlWord:
            controlWord(token);
            break;
        case Token::ControlSymbol:
            controlSymbol(token.symbol);
            break;
        case Token::Text:
            text(token.text);
            break;
        case Token::HexByte:
            textBytes(QByteArrayView(&token.symbol, 1));
            break;
        default:
            break;
        }
    }
    flushBytes();
    if (m_notesBuilder)
        m_notesBuilder->finish(QTextBlockFormat());
    m_builder.finish(blockFormat(paragraph()), m_notes.get());
}

void Reader::openGroup()
{
    m_fallbackToSkip = 0;
    if (m_stack.size() > MaxGroupDepth) {
        ++m_flattened;
        return;
    }
    m_stack.push_back(m_stack.back());
}

// True when the outermost group has closed, which ends the document.
bool Reader::closeGroup()
{
    m_fallbackToSkip = 0;
    m_starred = false;
    if (m_flattened > 0) {
        --m_flattened;
        return false;
    }
    if (m_stack.size() <= 1)
        return true;
    const GroupState closed = std::move(m_stack.back());
    m_stack.pop_back();
    if (closed.destination == Destination::FontTable)
        commitFont();
    if (closed.footnote && !state().footnote)
        endFootnote();
    if (closed.destination == Destination::FieldInstruction &&
        state().destination != Destination::FieldInstruction)
        finishFieldInstruction();
    if (closed.destination == Destination::Picture && state().destination != Destination::Picture)
        finishPicture(closed.chars.hidden);
    m_formatChanged = m_formatChanged || !(closed.chars == chars());
    m_placeChanged = m_placeChanged || closed.paragraph.inTable != paragraph().inTable;
    return m_stack.size() <= 1;
}

void Reader::controlWord(const Token &token)
{
    const Keyword keyword = keywordFor(token.text);
    const bool starred = std::exchange(m_starred, false);
    if (destinationWord(keyword, starred))
        return;
    if (state().destination == Destination::FontTable && keyword == Keyword::Font) {
        commitFont();
        m_fontBeingRead = token.parameter;
        return;
    }
    if (characterWord(keyword, token) || paragraphWord(keyword, token) || breakWord(keyword) ||
        specialCharacterWord(keyword, token) || tableWord(keyword, token) ||
        pictureWord(keyword, token))
        return;
    documentWord(keyword, token);
}

// Destinations are groups with text of their own; those the box does not
// show are skipped whole.
bool Reader::destinationWord(Keyword keyword, bool starred)
{
    Destination &destination = state().destination;
    switch (keyword) {
    case Keyword::FontTable:
        destination = Destination::FontTable;
        return true;
    case Keyword::ColourTable:
        destination = Destination::ColourTable;
        return true;
    case Keyword::UnicodePair:
        destination = Destination::IgnoreText;
        return true;
    case Keyword::UnicodeText:
        destination = Destination::Text;
        return true;
    case Keyword::Transparent:
        return true;
    case Keyword::Picture:
        destination = Destination::Picture;
        m_picture = Picture();
        return true;
    case Keyword::Shape:
        m_shapeShown = false;
        return true;
    case Keyword::Field:
        m_fieldResultShown = false;
        return true;
    case Keyword::FieldInstruction:
        destination = Destination::FieldInstruction;
        m_fieldInstruction.clear();
        return true;
    case Keyword::FieldResult:
        if (std::exchange(m_fieldResultShown, false))
            break;
        return true;
    case Keyword::Panose:
        destination = Destination::Panose;
        m_panose.clear();
        return true;
    case Keyword::ShapeInstructions:
        destination = Destination::ShapeInstructions;
        return true;
    case Keyword::ShapePropertyName:
        destination = Destination::ShapePropertyName;
        m_shapePropertyName.clear();
        return true;
    case Keyword::ShapeText:
        if (m_shapeShown)
            break; // a picture frame's text repeats its picture
        destination = Destination::Text;
        m_shapeShown = true;
        return true;
    case Keyword::ShapeResult:
        if (m_shapeShown)
            break; // what older readers show in place of the shape
        return true;
    case Keyword::Footnote:
        if (state().footnote || state().destination != Destination::Text)
            break; // a note in a note
        beginFootnote();
        return true;
    case Keyword::Skip:
        break;
    default:
        if (!starred)
            return false;
        break;
    }
    m_tokens.skipGroup();
    m_done = closeGroup();
    return true;
}

bool Reader::characterWord(Keyword keyword, const Token &token)
{
    CharacterProperties before = chars();
    CharacterProperties &c = chars();
    switch (keyword) {
    case Keyword::Plain:
        c = CharacterProperties();
        c.font = m_defaultFont;
        break;
    case Keyword::Font:
        c.font = token.parameter;
        break;
    case Keyword::FontSize:
        // Qt shrinks raised text by a third in whole points; below 2 points that is none.
        c.halfPoints = token.hasParameter ? qBound(4, token.parameter, 3276) : 24;
        break;
    case Keyword::Bold:
        c.bold = switchedOn(token);
        break;
    case Keyword::Italic:
        c.italic = switchedOn(token);
        break;
    case Keyword::Strike:
        c.strike = switchedOn(token);
        break;
    case Keyword::Hidden:
        c.hidden = switchedOn(token);
        break;
    case Keyword::Caps:
        c.capitalization = switchedOn(token) ? QFont::AllUppercase : QFont::MixedCase;
        break;
    case Keyword::SmallCaps:
        c.capitalization = switchedOn(token) ? QFont::SmallCaps : QFont::MixedCase;
        break;
    case Keyword::Underline:
        setUnderline(token, QTextCharFormat::SingleUnderline);
        break;
    case Keyword::UnderlineDotted:
        setUnderline(token, QTextCharFormat::DotLine);
        break;
    case Keyword::UnderlineDashed:
        setUnderline(token, QTextCharFormat::DashUnderline);
        break;
    case Keyword::UnderlineWave:
        setUnderline(token, QTextCharFormat::WaveUnderline);
        break;
    case Keyword::UnderlineNone:
        c.underline = QTextCharFormat::NoUnderline;
        break;
    case Keyword::Superscript:
        setVerticalAlignment(token, QTextCharFormat::AlignSuperScript);
        break;
    case Keyword::Subscript:
        setVerticalAlignment(token, QTextCharFormat::AlignSubScript);
        break;
    case Keyword::Up:
        setVerticalAlignment(token, QTextCharFormat::AlignSuperScript);
        break;
    case Keyword::Down:
        setVerticalAlignment(token, QTextCharFormat::AlignSubScript);
        break;
    case Keyword::NoSuperSub:
        c.verticalAlignment = QTextCharFormat::AlignNormal;
        break;
    case Keyword::Foreground:
        c.foreground = token.hasParameter ? token.parameter : -1;
        break;
    case Keyword::Background:
        c.background = token.hasParameter ? token.parameter : -1;
        break;
    default:
        return false;
    }
    m_formatChanged = m_formatChanged || !(before == c);
    return true;
}

void Reader::setUnderline(const Token &token, QTextCharFormat::UnderlineStyle style)
{
    chars().underline = switchedOn(token) ? style : QTextCharFormat::NoUnderline;
}

// \up and \dn with a parameter of 0, like \super0, switch the shift off.
void Reader::setVerticalAlignment(const Token &token, QTextCharFormat::VerticalAlignment alignment)
{
    chars().verticalAlignment = switchedOn(token) ? alignment : QTextCharFormat::AlignNormal;
}

bool Reader::paragraphWord(Keyword keyword, const Token &token)
{
    ParagraphProperties &p = paragraph();
    const int twips = clampTwips(token.parameter);
    switch (keyword) {
    case Keyword::ParagraphDefault:
        m_borderSide = -1;
        m_placeChanged = m_placeChanged || p.inTable;
        p = ParagraphProperties();
        break;
    case Keyword::AlignLeft:
        p.alignment = Qt::AlignLeft;
        break;
    case Keyword::AlignCenter:
        p.alignment = Qt::AlignHCenter;
        break;
    case Keyword::AlignRight:
        p.alignment = Qt::AlignRight;
        break;
    case Keyword::AlignJustify:
        p.alignment = Qt::AlignJustify;
        break;
    case Keyword::LeftIndent:
        p.leftIndent = twips;
        break;
    case Keyword::RightIndent:
        p.rightIndent = twips;
        break;
    case Keyword::FirstIndent:
        p.firstIndent = twips;
        break;
    case Keyword::SpaceBefore:
        p.spaceBefore = qMax(0, twips);
        break;
    case Keyword::SpaceAfter:
        p.spaceAfter = qMax(0, twips);
        break;
    case Keyword::LineSpacing:
        p.lineSpacing = twips;
        break;
    case Keyword::LineMultiple:
        p.lineMultiple = switchedOn(token);
        break;
    case Keyword::TabRight:
        p.nextTabType = QTextOption::RightTab;
        break;
    case Keyword::TabCenter:
        p.nextTabType = QTextOption::CenterTab;
        break;
    case Keyword::TabDecimal:
        p.nextTabType = QTextOption::DelimiterTab;
        break;
    case Keyword::TabStop:
        addTabStop(twips);
        break;
    case Keyword::TabLeaderDots:
        p.nextLeader = TabLeader::Dots;
        break;
    case Keyword::TabLeaderHyphens:
        p.nextLeader = TabLeader::Hyphens;
        break;
    case Keyword::TabLeaderLine:
        p.nextLeader = TabLeader::Line;
        break;
    case Keyword::TabLeaderEquals:
        p.nextLeader = TabLeader::Equals;
        break;
    case Keyword::InTable:
        m_placeChanged = m_placeChanged || !p.inTable;
        p.inTable = true;
        break;
    default:
        return false;
    }
    return true;
}

void Reader::addTabStop(int twips)
{
    ParagraphProperties &p = paragraph();
    if (p.tabs.size() < MaxTabStops)
        p.tabs.append(TabStop{qMax(0, twips), p.nextTabType, p.nextLeader});
    p.nextTabType = QTextOption::LeftTab;
    p.nextLeader = TabLeader::None;
}

bool Reader::breakWord(Keyword keyword)
{
    switch (keyword) {
    case Keyword::Paragraph:
        endParagraph();
        return true;
    case Keyword::Page:
        flushBytes();
        place();
        m_out->pageBreak(blockFormat(paragraph()));
        return true;
    case Keyword::Cell:
        flushBytes();
        m_out->endCell(blockFormat(paragraph()), m_row);
        m_placeChanged = true;
        return true;
    case Keyword::Row:
        flushBytes();
        m_out->endRow(m_row);
        m_placeChanged = true;
        return true;
    case Keyword::NestedRow:
        endParagraph();
        return true;
    default:
        return false;
    }
}

void Reader::endParagraph()
{
    if (state().destination != Destination::Text)
        return;
    flushBytes();
    place();
    m_out->endParagraph(blockFormat(paragraph()));
    m_placeChanged = true;
}

bool Reader::specialCharacterWord(Keyword keyword, const Token &token)
{
    switch (keyword) {
    case Keyword::Tab:
        appendCharacter(u'\t');
        break;
    case Keyword::NestedCell:
        appendCharacter(u'\t');
        break;
    case Keyword::Line:
        appendCharacter(QChar::LineSeparator);
        break;
    case Keyword::EmDash:
        appendCharacter(u'\u2014');
        break;
    case Keyword::EnDash:
        appendCharacter(u'\u2013');
        break;
    case Keyword::Bullet:
        appendCharacter(u'\u2022');
        break;
    case Keyword::LeftQuote:
        appendCharacter(u'\u2018');
        break;
    case Keyword::RightQuote:
        appendCharacter(u'\u2019');
        break;
    case Keyword::LeftDoubleQuote:
        appendCharacter(u'\u201c');
        break;
    case Keyword::RightDoubleQuote:
        appendCharacter(u'\u201d');
        break;
    case Keyword::EmSpace:
        appendCharacter(u'\u2003');
        break;
    case Keyword::EnSpace:
        appendCharacter(u'\u2002');
        break;
    case Keyword::QuarterEmSpace:
        appendCharacter(u'\u2005');
        break;
    case Keyword::ZeroWidthJoiner:
        appendCharacter(u'\u200d');
        break;
    case Keyword::ZeroWidthNonJoiner:
        appendCharacter(u'\u200c');
        break;
    case Keyword::LeftToRightMark:
        appendCharacter(u'\u200e');
        break;
    case Keyword::RightToLeftMark:
        appendCharacter(u'\u200f');
        break;
    case Keyword::Unicode: {
        const int value =
            qBound(0, token.parameter < 0 ? token.parameter + 0x10000 : token.parameter, 0xffff);
        const SymbolFont symbol = currentSymbolFont();
        // Word writes a symbol font's characters at their private-use codes.
        if (symbol != SymbolFont::None && value >= 0xf020 && value <= 0xf0ff)
            appendString(symbolCharacter(symbol, uint(value)));
        else
            appendCharacter(char16_t(value));
        m_fallbackToSkip = state().unicodeSkip;
        break;
    }
    case Keyword::FootnoteMark:
        // In the text the mark of the note that follows; in the note its own.
        appendString(QString::number(state().footnote ? m_footnotes : m_footnotes + 1));
        break;
    case Keyword::UnicodeSkip:
        state().unicodeSkip = qBound(0, token.parameter, 16);
        break;
    default:
        return false;
    }
    return true;
}

bool Reader::tableWord(Keyword keyword, const Token &token)
{
    switch (keyword) {
    case Keyword::RowDefaults:
        m_row = RowDefinition();
        m_cell = CellDefinition();
        m_borderSide = -1;
        return true;
    case Keyword::CellEdge:
        m_cell.rightEdge = clampTwips(token.parameter);
        if (m_row.cells.size() < MaxCells)
            m_row.cells.append(m_cell);
        m_cell = CellDefinition();
        m_borderSide = -1;
        return true;
    case Keyword::RowGap:
        m_row.gap = clampTwips(token.parameter);
        return true;
    case Keyword::RowLeft:
        m_row.left = clampTwips(token.parameter);
        return true;
    default:
        break;
    }
    return cellWord(keyword, token) || borderWord(keyword, token);
}

bool Reader::cellWord(Keyword keyword, const Token &token)
{
    switch (keyword) {
    case Keyword::CellMergeFirst:
        m_cell.mergeFirst = true;
        break;
    case Keyword::CellMerge:
        m_cell.merged = true;
        break;
    case Keyword::CellVerticalMergeFirst:
        m_cell.verticalFirst = true;
        break;
    case Keyword::CellVerticalMerge:
        m_cell.verticallyMerged = true;
        break;
    case Keyword::CellShading:
        m_cell.shading = colour(token.parameter);
        break;
    case Keyword::CellShadingPercent:
        m_cell.shadingPercent = qBound(0, token.parameter, 10000);
        break;
    case Keyword::CellAlignTop:
        m_cell.verticalAlignment = Qt::AlignTop;
        break;
    case Keyword::CellAlignMiddle:
        m_cell.verticalAlignment = Qt::AlignVCenter;
        break;
    case Keyword::CellAlignBottom:
        m_cell.verticalAlignment = Qt::AlignBottom;
        break;
    default:
        return false;
    }
    return true;
}

// A border word names a side; the \brdr words after it describe its line.
bool Reader::borderWord(Keyword keyword, const Token &token)
{
    switch (keyword) {
    case Keyword::CellBorderTop:
    case Keyword::CellBorderLeft:
    case Keyword::CellBorderBottom:
    case Keyword::CellBorderRight:
        m_borderSide = int(keyword) - int(Keyword::CellBorderTop);
        break;
    case Keyword::RowBorder:
        m_borderSide = 4 + int(QByteArrayView("tlbrhv").indexOf(token.text.back()));
        break;
    default:
        if (m_borderSide < 0)
            return false;
        return borderLineWord(keyword, token);
    }
    if (BorderLine *line = currentBorder())
        *line = BorderLine{true, 0, {}};
    return true;
}

bool Reader::borderLineWord(Keyword keyword, const Token &token)
{
    BorderLine *line = currentBorder();
    if (!line)
        return false;
    switch (keyword) {
    case Keyword::BorderNone:
        line->present = false;
        break;
    case Keyword::BorderStyle:
        break;
    case Keyword::BorderWidth:
        line->width = qBound(0, token.parameter, 255);
        break;
    case Keyword::BorderColour:
        line->colour = colour(token.parameter);
        break;
    default:
        return false;
    }
    return true;
}

BorderLine *Reader::currentBorder()
{
    if (m_borderSide >= 0 && m_borderSide < 4)
        return &m_cell.borders[m_borderSide];
    if (m_borderSide >= 4 && m_borderSide < 10)
        return &m_row.rowBorders[m_borderSide - 4];
    return nullptr;
}

bool Reader::pictureWord(Keyword keyword, const Token &token)
{
    Picture &p = m_picture;
    const int value = qBound(0, token.parameter, 1 << 24);
    switch (keyword) {
    case Keyword::PictPng:
        p.format = Picture::Png;
        break;
    case Keyword::PictJpeg:
        p.format = Picture::Jpeg;
        break;
    case Keyword::PictBitmap:
        p.format = Picture::Dib;
        break;
    case Keyword::PictDdb:
        p.format = Picture::Ddb;
        break;
    case Keyword::PictWindowsMeta:
        p.format = Picture::WindowsMeta;
        break;
    case Keyword::PictEnhancedMeta:
        p.format = Picture::EnhancedMeta;
        break;
    case Keyword::PictOtherMeta:
        p.format = Picture::OtherMetafile;
        break;
    case Keyword::PictCropLeft:
        p.cropLeft = clampTwips(token.parameter);
        break;
    case Keyword::PictCropRight:
        p.cropRight = clampTwips(token.parameter);
        break;
    case Keyword::PictCropTop:
        p.cropTop = clampTwips(token.parameter);
        break;
    case Keyword::PictCropBottom:
        p.cropBottom = clampTwips(token.parameter);
        break;
    case Keyword::PictBitsPerPixel:
        p.bitsPerPixel = qBound(1, token.parameter, 32);
        break;
    case Keyword::PictWidthBytes:
        p.widthBytes = value;
        break;
    case Keyword::PictWidth:
        p.width = value;
        break;
    case Keyword::PictHeight:
        p.height = value;
        break;
    case Keyword::PictGoalWidth:
        p.goalWidth = value;
        break;
    case Keyword::PictGoalHeight:
        p.goalHeight = value;
        break;
    case Keyword::PictScaleX:
        p.scaleX = value;
        break;
    case Keyword::PictScaleY:
        p.scaleY = value;
        break;
    default:
        return false;
    }
    return true;
}

void Reader::documentWord(Keyword keyword, const Token &token)
{
    switch (keyword) {
    case Keyword::Ansi:
        m_documentCodePage = 1252;
        break;
    case Keyword::Mac:
        m_documentCodePage = 10000;
        break;
    case Keyword::Pc:
        m_documentCodePage = 437;
        break;
    case Keyword::Pca:
        m_documentCodePage = 850;
        break;
    case Keyword::AnsiCodePage:
        m_documentCodePage = token.parameter > 0 ? token.parameter : DefaultCodePage;
        break;
    case Keyword::DefaultFont:
        m_defaultFont = token.parameter;
        chars().font = token.parameter;
        m_formatChanged = true;
        break;
    case Keyword::FontCharset:
        m_fontEntry.codePage = codePageForCharset(token.parameter);
        break;
    case Keyword::FontFamily:
        m_fontEntry.kind = fontKindFor(token.text);
        break;
    case Keyword::FontCodePage:
        m_fontEntry.codePage = qMax(0, token.parameter);
        break;
    case Keyword::DefaultTab:
        m_out->setDefaultTabStop(qBound(60, token.parameter, MaxTwips));
        break;
    case Keyword::PaperWidth:
        m_paperWidth = qBound(1440, token.parameter, MaxTwips);
        updateTextWidth();
        break;
    case Keyword::MarginLeft:
        m_marginLeft = qBound(0, token.parameter, MaxTwips);
        updateTextWidth();
        break;
    case Keyword::MarginRight:
        m_marginRight = qBound(0, token.parameter, MaxTwips);
        updateTextWidth();
        break;
    case Keyword::Red:
        m_colour.setRed(qBound(0, token.parameter, 255));
        m_colourGiven = true;
        break;
    case Keyword::Green:
        m_colour.setGreen(qBound(0, token.parameter, 255));
        m_colourGiven = true;
        break;
    case Keyword::Blue:
        m_colour.setBlue(qBound(0, token.parameter, 255));
        m_colourGiven = true;
        break;
    default:
        break;
    }
}

void Reader::updateTextWidth()
{
    m_out->setTextWidth(qMax(720, m_paperWidth - m_marginLeft - m_marginRight));
}

void Reader::controlSymbol(unsigned char symbol)
{
    switch (symbol) {
    case '*':
        m_starred = true;
        break;
    case '~':
        appendCharacter(u'\u00a0');
        break;
    case '-':
        appendCharacter(u'\u00ad');
        break;
    case '_':
        appendCharacter(u'\u2011');
        break;
    case '\n':
        endParagraph();
        break;
    case '{':
    case '}':
    case '\\':
        text(QByteArrayView(reinterpret_cast<const char *>(&symbol), 1));
        break;
    default:
        break;
    }
}

void Reader::text(QByteArrayView bytes)
{
    if (m_fallbackToSkip > 0) {
        const qsizetype skipped = qMin<qsizetype>(m_fallbackToSkip, bytes.size());
        m_fallbackToSkip -= int(skipped);
        bytes = bytes.sliced(skipped);
    }
    if (!bytes.isEmpty())
        textBytes(bytes);
}

void Reader::textBytes(QByteArrayView bytes)
{
    switch (state().destination) {
    case Destination::Text:
        if (chars().hidden)
            return;
        if (const SymbolFont symbol = currentSymbolFont(); symbol != SymbolFont::None) {
            appendString(symbolText(symbol, bytes));
            return;
        }
        prepareText();
        if (currentCodePage() != m_bytesCodePage) {
            flushBytes();
            m_bytesCodePage = currentCodePage();
        }
        m_bytes.append(bytes);
        break;
    case Destination::FontTable:
        fontTableText(bytes);
        break;
    case Destination::ColourTable:
        colourTableText(bytes);
        break;
    case Destination::Picture:
        m_picture.hex.append(bytes);
        break;
    case Destination::FieldInstruction:
        if (m_fieldInstruction.size() < MaxFieldInstruction)
            m_fieldInstruction.append(bytes.first(
                qMin<qsizetype>(bytes.size(), MaxFieldInstruction - m_fieldInstruction.size())));
        break;
    case Destination::Panose:
        m_panose.append(bytes.first(qMin<qsizetype>(bytes.size(), 64)));
        break;
    case Destination::ShapePropertyName:
        m_shapePropertyName.append(bytes.trimmed());
        break;
    case Destination::IgnoreText:
    case Destination::ShapeInstructions:
        break;
    }
}

void Reader::fontTableText(QByteArrayView bytes)
{
    for (const char c : bytes) {
        if (c == ';')
            commitFont();
        else
            m_fontName.append(c);
    }
}

void Reader::colourTableText(QByteArrayView bytes)
{
    for (const char c : bytes) {
        if (c != ';')
            continue;
        m_colours.append(m_colourGiven ? m_colour : QColor());
        m_colour = QColor(0, 0, 0);
        m_colourGiven = false;
    }
}

void Reader::commitFont()
{
    const QString name =
        m_decoder
            .decode(m_fontEntry.codePage ? m_fontEntry.codePage : m_documentCodePage, m_fontName)
            .trimmed();
    if (m_fontBeingRead >= 0 && (!name.isEmpty() || !m_fonts.contains(m_fontBeingRead))) {
        FontEntry entry = m_fontEntry;
        entry.name = name;
        if (entry.kind == FontKind::Unknown)
            entry.kind = fontKindFromPanose(m_panose);
        entry.symbol = symbolFontFor(name);
        // Symbol fonts' characters are shown as Unicode, from a font that has them.
        entry.families = entry.symbol != SymbolFont::None
                             ? QStringList{name, QStringLiteral("DejaVu Sans")}
                             : fontFamiliesFor(name, entry.kind);
        m_fonts.insert(m_fontBeingRead, entry);
        m_formatChanged = true;
    }
    m_fontName.clear();
    m_panose.clear();
    m_fontEntry = FontEntry();
}

void Reader::appendString(const QString &text)
{
    if (state().destination != Destination::Text || chars().hidden)
        return;
    prepareText();
    flushBytes();
    m_out->appendText(text);
}

SymbolFont Reader::currentSymbolFont() const
{
    const auto font = m_fonts.constFind(m_stack.back().chars.font);
    return font != m_fonts.cend() ? font->symbol : SymbolFont::None;
}

// Footnotes are collected in a document of their own and shown after the text.
void Reader::beginFootnote()
{
    flushBytes();
    if (!m_notesBuilder) {
        m_notes = std::make_unique<QTextDocument>();
        m_notesBuilder = std::make_unique<DocumentBuilder>(m_notes.get(), m_builder.document(),
                                                           QStringLiteral("rtfnote:"));
    } else {
        m_notesBuilder->endParagraph(QTextBlockFormat());
    }
    ++m_footnotes;
    state().footnote = true;
    paragraph() = ParagraphProperties();
    m_out = m_notesBuilder.get();
    m_placeChanged = m_formatChanged = true;
}

void Reader::endFootnote()
{
    flushBytes();
    m_out = &m_builder;
    m_placeChanged = m_formatChanged = true;
}

void Reader::finishFieldInstruction()
{
    const FieldSymbol symbol =
        symbolField(QString::fromLatin1(m_fieldInstruction), currentSymbolFont());
    if (symbol.text.isEmpty() || state().destination != Destination::Text || chars().hidden)
        return;
    prepareText();
    flushBytes();
    if (symbol.points > 0) {
        QTextCharFormat format = charFormat();
        format.setFontPointSize(symbol.points);
        m_out->setCharFormat(format);
        m_formatChanged = true;
    }
    m_out->appendText(symbol.text);
    m_fieldResultShown = true;
}

void Reader::appendCharacter(char16_t c)
{
    if (state().destination != Destination::Text || chars().hidden)
        return;
    prepareText();
    flushBytes();
    m_out->appendText(QString(QChar(c)));
}

// Pictures show in text and, as the shape's picture, in a shape's properties.
bool Reader::showsPicture() const
{
    const Destination destination = m_stack.back().destination;
    if (destination == Destination::ShapeInstructions)
        return !m_shapeShown && m_shapePropertyName == "pib";
    return destination == Destination::Text;
}

void Reader::finishPicture(bool hidden)
{
    if (hidden || !showsPicture())
        return;
    if (state().destination == Destination::ShapeInstructions)
        m_shapeShown = true;
    flushBytes();
    place();
    prepareText();
    const QImage image = decodePicture(m_picture);
    m_out->insertImage(image, displaySize(m_picture, image));
    m_picture = Picture();
}

void Reader::prepareText()
{
    place();
    if (!m_formatChanged)
        return;
    flushBytes();
    m_out->setCharFormat(charFormat());
    m_formatChanged = false;
}

void Reader::place()
{
    if (!m_placeChanged)
        return;
    flushBytes();
    m_out->beginContent(paragraph().inTable, m_row);
    m_placeChanged = false;
}

void Reader::flushBytes()
{
    if (m_bytes.isEmpty())
        return;
    m_out->appendText(m_decoder.decode(m_bytesCodePage, m_bytes));
    m_bytes.clear();
}

int Reader::currentCodePage() const
{
    const auto font = m_fonts.constFind(m_stack.back().chars.font);
    if (font != m_fonts.cend() && font->codePage != 0)
        return font->codePage;
    return m_documentCodePage;
}

QColor Reader::colour(int index) const
{
    return index >= 0 && index < m_colours.size() ? m_colours[index] : QColor();
}

QTextCharFormat Reader::charFormat() const
{
    const CharacterProperties &c = m_stack.back().chars;
    QTextCharFormat format;
    const auto font = m_fonts.constFind(c.font);
    if (font != m_fonts.cend() && !font->name.isEmpty()) {
        format.setFontFamilies(font->families);
        format.setFontStyleHint(styleHintFor(font->kind));
    }
    format.setFontPointSize(c.halfPoints / 2.0);
    if (c.bold)
        format.setFontWeight(QFont::Bold);
    if (c.italic)
        format.setFontItalic(true);
    if (c.strike)
        format.setFontStrikeOut(true);
    if (c.underline != QTextCharFormat::NoUnderline)
        format.setUnderlineStyle(c.underline);
    if (c.verticalAlignment != QTextCharFormat::AlignNormal)
        format.setVerticalAlignment(c.verticalAlignment);
    if (c.capitalization != QFont::MixedCase)
        format.setFontCapitalization(c.capitalization);
    if (const QColor foreground = colour(c.foreground); foreground.isValid())
        format.setForeground(foreground);
    if (const QColor background = colour(c.background); background.isValid())
        format.setBackground(background);
    return format;
}

// Where the rich text starts: files may begin with a byte-order mark, blanks
// or a few stray bytes that a mail program or an editor left.
qsizetype richTextStart(const QByteArray &data)
{
    constexpr qsizetype MaxLeadingBytes = 1024;
    const qsizetype start = data.indexOf("{\\rtf");
    return start >= 0 && start <= MaxLeadingBytes ? start : -1;
}

// Rich text saved as UTF-16 is plain ASCII underneath.
QByteArray withoutUtf16(const QByteArray &data)
{
    const bool little = data.startsWith("\xff\xfe");
    if (!little && !data.startsWith("\xfe\xff"))
        return data;
    const QByteArrayView body = QByteArrayView(data).sliced(2);
    const auto *units = reinterpret_cast<const char16_t *>(body.data());
    QByteArray bytes;
    bytes.reserve(body.size() / 2);
    for (qsizetype i = 0; i < body.size() / 2; ++i) {
        const char16_t unit = little ? qFromLittleEndian(units[i]) : qFromBigEndian(units[i]);
        bytes.append(unit < 0x100 ? char(unit) : '?');
    }
    return richTextStart(bytes) >= 0 ? bytes : data;
}

QString plainText(const QByteArray &data)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(data);
    if (!utf8.hasError())
        return text;
    CodePageDecoder decoder;
    return decoder.decode(DefaultCodePage, data);
}

} // namespace

ReadResult readRtf(const QByteArray &data, QTextDocument *into)
{
    const bool undo = into->isUndoRedoEnabled();
    into->setUndoRedoEnabled(false);
    into->clear();
    ReadResult result{true, {}};
    const QByteArray bytes = withoutUtf16(data);
    if (const qsizetype start = richTextStart(bytes); start >= 0) {
        Reader(QByteArrayView(bytes).sliced(start), into).run();
    } else if (data.left(4096).contains('\0')) {
        result = ReadResult{false, QStringLiteral("The file is neither rich text nor plain text.")};
    } else {
        into->setPlainText(plainText(data));
    }
    into->setUndoRedoEnabled(undo);
    return result;
}

bool readRtfDevice(QIODevice &device, QTextDocument *into, QString *reason)
{
    const auto fail = [reason](const QString &why) {
        if (reason)
            *reason = why;
        return false;
    };
    if (!device.isReadable())
        return fail(device.errorString());
    if (!device.isSequential() && device.size() > MaxFileSize)
        return fail(QStringLiteral("The file is too large."));
    // A sequential device has no size: reading one byte past the limit tells.
    const QByteArray data = device.read(MaxFileSize + 1);
    if (data.size() > MaxFileSize)
        return fail(QStringLiteral("The file is too large."));
    const ReadResult result = readRtf(data, into);
    return result.ok || fail(result.error);
}

bool readRtfFile(const QString &nativePath, QTextDocument *into, QString *error)
{
    QFile file(nativePath);
    QString reason;
    if (!file.open(QIODevice::ReadOnly))
        reason = file.errorString();
    else if (readRtfDevice(file, into, &reason))
        return true;
    if (error)
        *error = QStringLiteral("%1: %2").arg(nativePath, reason);
    return false;
}

} // namespace gallerion::rtf
