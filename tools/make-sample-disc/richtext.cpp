#include "richtext.h"

#include "scene.h"

#include <QPainter>
#include <QStringList>

#include <random>

namespace sampledisc {

namespace {

const QStringList words{
    "Zarvick",  "coupé",   "fastback", "convertible", "engine",  "V8",       "horsepower", "chrome",
    "grille",   "bucket",  "seats",    "café",        "racer",   "déjà",     "vu",         "Genève",
    "show",     "model",   "year",     "dealer",      "option",  "package",  "stripes",    "manual",
    "gearbox",  "naïve",   "design",   "Vask",        "factory", "assembly", "collector",  "rare",
    "original", "paint",   "interior", "wheels",      "power",   "steering", "disc",       "brakes",
    "the",      "a",       "with",     "and",         "of",      "for",      "every",      "was",
    "were",     "offered", "built",    "new",         "classic", "touring",  "señor",      "über"};

const char *fontTable = "{\\fonttbl{\\f0\\froman\\fcharset0 Times New Roman;}"
                        "{\\f1\\fswiss\\fcharset0 Arial;}{\\f2\\fmodern\\fcharset0 Courier New;}"
                        "{\\f3\\fswiss\\fcharset0 MS Sans Serif;}{\\f4\\froman\\fcharset2 "
                        "Symbol;}}\r\n";

const char *colourTable = "{\\colortbl ;\\red0\\green0\\blue0;\\red128\\green0\\blue0;"
                          "\\red0\\green0\\blue128;\\red0\\green128\\blue0;"
                          "\\red192\\green0\\blue0;}\r\n";

// FNV-1a, because qHash is salted per process and the disc must come out the same every run.
quint32 stableHash(const QString &text)
{
    quint32 h = 2166136261u;
    for (QChar c : text) {
        h ^= c.unicode();
        h *= 16777619u;
    }
    return h;
}

class Prose
{
public:
    explicit Prose(quint32 seed) : random(seed) {}

    QString sentence()
    {
        const int length = 8 + int(random() % 10);
        QStringList picked;
        for (int i = 0; i < length; ++i)
            picked.append(words[int(random() % words.size())]);
        QString s = picked.join(QLatin1Char(' '));
        s[0] = s[0].toUpper();
        return s + QLatin1Char('.');
    }

    // A paragraph with a bold, an italic and an underlined run among plain sentences.
    QByteArray paragraph(const QString &title)
    {
        QByteArray out = rtfEscape(sentence() + QLatin1Char(' '));
        out += "{\\b " + rtfEscape(title) + "} " + rtfEscape(sentence()) + ' ';
        out += "{\\i " + rtfEscape(sentence()) + "} ";
        out += "\\ul " + rtfEscape(sentence()) + "\\ulnone  ";
        for (int i = 0; i < 3; ++i)
            out += rtfEscape(sentence() + QLatin1Char(' '));
        return out;
    }

    quint32 next() { return random(); }

private:
    std::mt19937 random;
};

QByteArray number(int value)
{
    return QByteArray::number(value);
}

QByteArray titleBlock(const QString &title)
{
    return "\\viewkind4\\uc1\\pard\\qc\\f1\\fs36\\b\\cf3 " + rtfEscape(title) +
           "\\cf0\\b0\\par\r\n\\pard\\qc\\i\\fs20 The Zarvick Gallerion 2001 " +
           rtfEscape(QStringLiteral("\u2192 ")) + rtfEscape(title) + "\\i0\\par\\par\r\n";
}

QByteArray bodyParagraph(Prose &prose, const QString &title, int style)
{
    constexpr const char *layouts[] = {"\\pard\\qj\\fi360", "\\pard\\qj\\li720\\ri720",
                                       "\\pard\\ql\\fi-360\\li360", "\\pard\\qr"};
    constexpr const char *fonts[] = {"\\f0\\fs24", "\\f1\\fs20", "\\f0\\fs22\\cf2", "\\f3\\fs18"};
    return QByteArray(layouts[style % 4]) + fonts[(style / 4) % 4] + ' ' + prose.paragraph(title) +
           "\\cf0\\par\r\n";
}

QByteArray tabbedList(Prose &prose)
{
    QByteArray out = "\\pard\\tx2880\\tx5760\\f2\\fs20\\b Item\\tab Year\\tab Code\\b0\\par\r\n";
    for (int i = 0; i < 4; ++i)
        out += rtfEscape(prose.sentence().section(QLatin1Char(' '), 0, 1)) + "\\tab " +
               number(1964 + int(prose.next() % 38)) + "\\tab Z" + number(int(prose.next() % 900)) +
               "\\par\r\n";
    return out;
}

QByteArray tableRow(const QList<QByteArray> &cells, bool header)
{
    QByteArray out = "\\trowd\\trgaph108\\trleft-108\\cellx2600\\cellx5200\\cellx7800\r\n";
    out += "\\pard\\intbl\\f1\\fs20";
    out += header ? "\\b " : " ";
    for (const QByteArray &cell : cells)
        out += cell + "\\cell ";
    out += header ? "\\b0\\row\r\n" : "\\row\r\n";
    return out;
}

QByteArray specificationTable(Prose &prose)
{
    QByteArray out = tableRow({"Engine", "Power", "Price"}, true);
    for (int i = 0; i < 3; ++i)
        out += tableRow({number(200 + int(prose.next() % 230)) + " cu. in.",
                         number(120 + int(prose.next() % 300)) + " hp",
                         "$" + number(2300 + int(prose.next() % 3000))},
                        false);
    return out + "\\pard\\par\r\n";
}

QByteArray picture(int variant)
{
    QImage image = blankImage(QSize(96, 48), Qt::white);
    QPainter painter(&image);
    paintCar(painter, QRectF(4, 6, 88, 36), variantColor(variant));
    painter.end();
    const QByteArray png = encodeImage(image, QStringLiteral("png"));
    QByteArray out = "\\pard\\qc{\\pict\\pngblip\\picw96\\pich48\\picwgoal1440\\pichgoal720\r\n";
    const QByteArray hex = png.toHex();
    for (qsizetype i = 0; i < hex.size(); i += 128)
        out += hex.mid(i, 128) + "\r\n";
    return out + "}\\par\r\n";
}

} // namespace

QByteArray rtfEscape(const QString &text)
{
    QByteArray out;
    for (QChar c : text) {
        const ushort u = c.unicode();
        if (u == '\\' || u == '{' || u == '}') {
            out += '\\';
            out += char(u);
        } else if (u < 0x80) {
            out += char(u);
        } else if (u >= 0xa0 && u <= 0xff) {
            out += "\\'" + QByteArray::number(u, 16);
        } else {
            out += "\\u" + QByteArray::number(qint16(u)) + '?';
        }
    }
    return out;
}

QByteArray richTextFile(const DiscFile &file)
{
    Prose prose(stableHash(file.path));
    const int paragraphsPerPage = 7;
    QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033";
    out += fontTable;
    out += colourTable;
    out += titleBlock(file.title);
    const int paragraphs = qMax(1, file.number) * paragraphsPerPage;
    for (int p = 0; p < paragraphs; ++p) {
        out += bodyParagraph(prose, file.title, file.variant + p);
        // Tables, tab stops and pictures turn up in different places in different files.
        if (p == 1 && file.variant % 3 == 0)
            out += specificationTable(prose);
        if (p == 2 && file.variant % 4 == 1)
            out += tabbedList(prose);
        if (p == 3 && file.variant % 2 == 0)
            out += picture(file.variant);
    }
    out += "\\pard\\ql\\f0\\fs16 " + rtfEscape(file.title) + " \\'a9 2001\\par\r\n}\r\n";
    return out;
}

} // namespace sampledisc
