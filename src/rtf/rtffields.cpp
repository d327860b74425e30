#include "rtf/rtffields.h"

#include "rtf/rtfcharset.h"

#include <QRegularExpression>

namespace gallerion::rtf {

FieldSymbol symbolField(const QString &instruction, SymbolFont currentFont)
{
    static const QRegularExpression pattern(QStringLiteral(
        R"re(^\s*SYMBOL\s+(0x[0-9a-fA-F]+|\d+)((?:\s+\\[a-z](?:\s+(?:"[^"]*"|[^\s\\]+))?)*))re"));
    const QRegularExpressionMatch match = pattern.match(instruction);
    if (!match.hasMatch())
        return {};
    bool ok = false;
    const uint code = match.captured(1).toUInt(&ok, 0);
    if (!ok || code == 0 || code > 0xffff)
        return {};
    const QString switches = match.captured(2);
    static const QRegularExpression font(QStringLiteral(R"re(\\f\s+(?:"([^"]*)"|([^\s\\]+)))re"));
    static const QRegularExpression size(QStringLiteral(R"(\\s\s+(\d+))"));
    const QRegularExpressionMatch fontMatch = font.match(switches);
    const SymbolFont symbol = fontMatch.hasMatch()
                                  ? symbolFontFor(fontMatch.captured(1) + fontMatch.captured(2))
                                  : currentFont;
    FieldSymbol result;
    if (switches.contains(QLatin1String("\\u")) || symbol == SymbolFont::None)
        result.text = code <= 0xff && !switches.contains(QLatin1String("\\u"))
                          ? CodePageDecoder().decode(DefaultCodePage, QByteArray(1, char(code)))
                          : QString(QChar(char16_t(code)));
    else
        result.text = symbolCharacter(symbol, code);
    if (const QRegularExpressionMatch sizeMatch = size.match(switches); sizeMatch.hasMatch())
        result.points = qBound(2, sizeMatch.captured(1).toInt(), 1638);
    return result;
}

} // namespace gallerion::rtf
