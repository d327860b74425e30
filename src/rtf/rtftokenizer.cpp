#include "rtf/rtftokenizer.h"

#include <limits>

namespace gallerion::rtf {

namespace {

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool endsTextRun(char c)
{
    return c == '\\' || c == '{' || c == '}' || (static_cast<unsigned char>(c) < 0x20 && c != '\t');
}

} // namespace

Token Tokenizer::next()
{
    while (m_pos < m_data.size()) {
        const char c = m_data[m_pos];
        if (c == '{' || c == '}') {
            ++m_pos;
            return Token::of(c == '{' ? Token::GroupStart : Token::GroupEnd);
        }
        if (c == '\\')
            return controlWord();
        if (!endsTextRun(c))
            return textRun();
        ++m_pos; // CR, LF and stray control bytes carry no text
    }
    return Token{};
}

Token Tokenizer::controlWord()
{
    ++m_pos; // the backslash
    if (m_pos >= m_data.size())
        return Token{};
    if (!isLetter(m_data[m_pos]))
        return controlSymbol();
    const qsizetype start = m_pos;
    while (m_pos < m_data.size() && isLetter(m_data[m_pos]))
        ++m_pos;
    Token token = Token::of(Token::ControlWord, m_data.sliced(start, m_pos - start));
    const bool negative =
        m_pos + 1 < m_data.size() && m_data[m_pos] == '-' && isDigit(m_data[m_pos + 1]);
    if (negative || (m_pos < m_data.size() && isDigit(m_data[m_pos]))) {
        if (negative)
            ++m_pos;
        token.parameter = int(number(negative));
        token.hasParameter = true;
    }
    if (m_pos < m_data.size() && m_data[m_pos] == ' ')
        ++m_pos; // the delimiting space belongs to the control word
    return token;
}

// Reads all digits, saturating at the int range so that absurd values stay harmless.
qint64 Tokenizer::number(bool negative)
{
    constexpr qint64 limit = std::numeric_limits<int>::max();
    qint64 value = 0;
    while (m_pos < m_data.size() && isDigit(m_data[m_pos])) {
        value = qMin(limit, value * 10 + (m_data[m_pos] - '0'));
        ++m_pos;
    }
    return negative ? -value : value;
}

Token Tokenizer::controlSymbol()
{
    const char c = m_data[m_pos++];
    if (c == '\'') {
        const int high = m_pos < m_data.size() ? hexValue(m_data[m_pos]) : -1;
        const int low = m_pos + 1 < m_data.size() ? hexValue(m_data[m_pos + 1]) : -1;
        Token token = Token::of(Token::ControlSymbol);
        token.symbol = '\''; // a broken escape, which shows nothing
        if (high < 0 || low < 0)
            return token;
        m_pos += 2;
        token.type = Token::HexByte;
        token.symbol = static_cast<unsigned char>(high * 16 + low);
        return token;
    }
    Token token = Token::of(Token::ControlSymbol);
    // A backslash before a line break is an old way of writing \par.
    token.symbol = (c == '\r' || c == '\n') ? '\n' : static_cast<unsigned char>(c);
    return token;
}

Token Tokenizer::textRun()
{
    const qsizetype start = m_pos;
    while (m_pos < m_data.size() && !endsTextRun(m_data[m_pos]))
        ++m_pos;
    return Token::of(Token::Text, m_data.sliced(start, m_pos - start));
}

QByteArrayView Tokenizer::takeBinary(qint64 count)
{
    const qsizetype length = qsizetype(qBound<qint64>(0, count, m_data.size() - m_pos));
    const QByteArrayView bytes = m_data.sliced(m_pos, length);
    m_pos += length;
    return bytes;
}

void Tokenizer::skipGroup()
{
    int depth = 1;
    while (depth > 0) {
        const Token token = next();
        switch (token.type) {
        case Token::End:
            return;
        case Token::GroupStart:
            ++depth;
            break;
        case Token::GroupEnd:
            --depth;
            break;
        case Token::ControlWord:
            if (token.text == "bin" && token.hasParameter)
                takeBinary(token.parameter);
            break;
        default:
            break;
        }
    }
}

} // namespace gallerion::rtf
