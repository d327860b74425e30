#include "rtf/rtfcharset.h"

#include "rtf/rtfcodepages.h"

#include <iconv.h>

#include <cerrno>

namespace gallerion::rtf {

namespace {

const iconv_t NoConverter = reinterpret_cast<iconv_t>(-1);

QByteArray iconvName(int codePage)
{
    if (codePage == 10001)
        return QByteArrayLiteral("SHIFT_JIS");
    return "CP" + QByteArray::number(codePage);
}

} // namespace

int codePageForCharset(int charset)
{
    switch (charset) {
    case 0:
        return 1252;
    case 77:
        return 10000;
    case 78:
        return 10001;
    case 128:
        return 932;
    case 129:
        return 949;
    case 130:
        return 1361;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    case 254:
        return 437;
    case 255:
        return 850;
    default:
        return 0; // 1 (default), 2 (symbol) and unknown ones
    }
}

CodePageDecoder::~CodePageDecoder()
{
    for (void *converter : std::as_const(m_converters)) {
        if (converter != NoConverter)
            iconv_close(static_cast<iconv_t>(converter));
    }
}

QString CodePageDecoder::decode(int codePage, QByteArrayView bytes)
{
    if (codePage == 65001)
        return QString::fromUtf8(bytes);
    const char16_t *upper = singleByteTable(codePage);
    if (!upper && codePage != 0) {
        QString text = decodeMultiByte(codePage, bytes);
        if (!text.isNull())
            return text;
    }
    if (!upper)
        upper = singleByteTable(DefaultCodePage);
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *out++ = b < 0x80 ? QChar(b) : QChar(upper[b - 0x80]);
    }
    return text;
}

// Null when the C library does not know the code page.
QString CodePageDecoder::decodeMultiByte(int codePage, QByteArrayView bytes)
{
    auto found = m_converters.find(codePage);
    if (found == m_converters.end()) {
        iconv_t converter = iconv_open("UTF-16LE", iconvName(codePage).constData());
        found = m_converters.insert(codePage, converter);
    }
    const auto converter = static_cast<iconv_t>(found.value());
    if (converter == NoConverter)
        return {};
    iconv(converter, nullptr, nullptr, nullptr, nullptr);

    QString text(2 * bytes.size() + 4, Qt::Uninitialized);
    char *in = const_cast<char *>(bytes.data());
    size_t inLeft = size_t(bytes.size());
    char *out = reinterpret_cast<char *>(text.data());
    size_t outLeft = size_t(text.size()) * 2;
    while (inLeft > 0 && outLeft >= 4) {
        if (iconv(converter, &in, &inLeft, &out, &outLeft) != size_t(-1))
            break;
        if (errno == E2BIG)
            break;
        // A byte the code page does not define, or a lead byte cut off at the end.
        const char16_t replacement = 0xfffd;
        memcpy(out, &replacement, 2);
        out += 2;
        outLeft -= 2;
        ++in;
        --inLeft;
    }
    text.truncate(qsizetype(text.size() - qsizetype(outLeft / 2)));
    return text;
}

} // namespace gallerion::rtf
