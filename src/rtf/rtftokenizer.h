#pragma once

#include <QByteArrayView>

namespace gallerion::rtf {

struct Token
{
    enum Type
    {
        End,
        GroupStart,
        GroupEnd,
        ControlWord,
        ControlSymbol,
        Text,
        HexByte
    };

    static Token of(Type type, QByteArrayView text = {})
    {
        Token token;
        token.type = type;
        token.text = text;
        return token;
    }

    Type type = End;
    // The control word's letters, or the bytes of a text run.
    QByteArrayView text;
    // Numeric parameter of a control word, clamped to the int range.
    int parameter = 0;
    bool hasParameter = false;
    // The character of a control symbol, or the value of a \'hh escape.
    unsigned char symbol = 0;
};

// Splits RTF into tokens without interpreting them. Line breaks between
// tokens are dropped, as are other control bytes outside \bin data.
class Tokenizer
{
public:
    explicit Tokenizer(QByteArrayView data) : m_data(data) {}

    Token next();
    // The raw bytes that follow \binN; never more than what is left.
    QByteArrayView takeBinary(qint64 count);
    // Reads up to and including the '}' closing the group just opened.
    void skipGroup();

    qsizetype position() const { return m_pos; }

private:
    Token controlWord();
    Token controlSymbol();
    Token textRun();
    qint64 number(bool negative);

    QByteArrayView m_data;
    qsizetype m_pos = 0;
};

} // namespace gallerion::rtf
