#include "rtf/rtffonts.h"

#include <QHash>

namespace gallerion::rtf {

namespace {

// Writers of the time named code-page variants of one font.
QString withoutCodePageSuffix(const QString &name)
{
    static const QStringList suffixes{
        QStringLiteral(" CE"),       QStringLiteral(" Cyr"),
        QStringLiteral(" Greek"),    QStringLiteral(" Tur"),
        QStringLiteral(" Baltic"),   QStringLiteral(" (Hebrew)"),
        QStringLiteral(" (Arabic)"), QStringLiteral(" (Vietnamese)"),
        QStringLiteral(" Western"),  QStringLiteral(" Central European")};
    for (const QString &suffix : suffixes) {
        if (name.endsWith(suffix, Qt::CaseInsensitive))
            return name.chopped(suffix.size()).trimmed();
    }
    return name;
}

// Free families with the same widths, so that lines break where the author saw them.
QString metricCompatible(const QString &name)
{
    static const QHash<QString, QString> families{
        {QStringLiteral("times new roman"), QStringLiteral("Liberation Serif")},
        {QStringLiteral("times"), QStringLiteral("Liberation Serif")},
        {QStringLiteral("ms serif"), QStringLiteral("Liberation Serif")},
        {QStringLiteral("arial"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("helvetica"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("ms sans serif"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("arial narrow"), QStringLiteral("Liberation Sans Narrow")},
        {QStringLiteral("courier new"), QStringLiteral("Liberation Mono")},
        {QStringLiteral("courier"), QStringLiteral("Liberation Mono")},
        {QStringLiteral("calibri"), QStringLiteral("Carlito")},
        {QStringLiteral("cambria"), QStringLiteral("Caladea")},
        {QStringLiteral("tahoma"), QStringLiteral("DejaVu Sans")},
        {QStringLiteral("verdana"), QStringLiteral("DejaVu Sans")},
    };
    return families.value(name.toLower());
}

QStringList genericFamilies(FontKind kind)
{
    switch (kind) {
    case FontKind::Roman:
        return {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")};
    case FontKind::Modern:
        return {QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")};
    case FontKind::Script:
        return {QStringLiteral("URW Chancery L"), QStringLiteral("Liberation Serif")};
    case FontKind::Swiss:
    case FontKind::Decor:
        return {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    default:
        return {};
    }
}

} // namespace

FontKind fontKindFromPanose(QByteArrayView hexDigits)
{
    const QByteArray bytes = QByteArray::fromHex(hexDigits.toByteArray());
    if (bytes.size() < 4)
        return FontKind::Unknown;
    const int family = bytes[0];
    const int serif = bytes[1];
    const int proportion = bytes[3];
    if (family == 3)
        return FontKind::Script;
    if (family == 4 || family == 5)
        return FontKind::Decor;
    if (family != 2)
        return FontKind::Unknown;
    if (proportion == 9)
        return FontKind::Modern;
    return serif >= 11 && serif <= 13 ? FontKind::Swiss : FontKind::Roman;
}

QStringList fontFamiliesFor(const QString &name, FontKind kind)
{
    QStringList families;
    const auto add = [&families](const QString &family) {
        if (!family.isEmpty() && !families.contains(family, Qt::CaseInsensitive))
            families.append(family);
    };
    add(name);
    const QString base = withoutCodePageSuffix(name);
    add(base);
    add(metricCompatible(base));
    for (const QString &family : genericFamilies(kind))
        add(family);
    return families;
}

QFont::StyleHint styleHintFor(FontKind kind)
{
    switch (kind) {
    case FontKind::Roman:
        return QFont::Serif;
    case FontKind::Swiss:
        return QFont::SansSerif;
    case FontKind::Modern:
        return QFont::Monospace;
    case FontKind::Script:
        return QFont::Cursive;
    case FontKind::Decor:
        return QFont::Decorative;
    default:
        return QFont::AnyStyle;
    }
}

} // namespace gallerion::rtf
