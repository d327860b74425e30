#pragma once

#include <QByteArrayView>
#include <QHash>
#include <QString>

namespace gallerion::rtf {

inline constexpr int DefaultCodePage = 1252;

// The code page that a font's \fcharset stands for; 0 when the charset says
// "use the document's code page".
int codePageForCharset(int charset);

// Turns bytes of a code page into text. Single-byte pages come from tables;
// the East Asian multibyte pages go through the C library's iconv, whose
// handles are kept for the decoder's lifetime.
class CodePageDecoder
{
public:
    CodePageDecoder() = default;
    ~CodePageDecoder();
    CodePageDecoder(const CodePageDecoder &) = delete;
    CodePageDecoder &operator=(const CodePageDecoder &) = delete;

    QString decode(int codePage, QByteArrayView bytes);

private:
    QString decodeMultiByte(int codePage, QByteArrayView bytes);

    QHash<int, void *> m_converters;
};

} // namespace gallerion::rtf
