#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

namespace gallerion {

// The maker of the program as the about box and the web links name it. The
// host is a reserved example name until the maker has a site of its own.
inline QString makerHost()
{
    return QStringLiteral("quillon-software.example");
}

// A page of the maker's site: "/" is the home page.
inline QUrl makerPage(const QString &path)
{
    return QUrl(QStringLiteral("https://") + makerHost() + path);
}

// Name, street and town, one a line.
inline QStringList makerAddress()
{
    return {QStringLiteral("Quillon Software"), QStringLiteral("1200 Cedar Ridge Drive"),
            QStringLiteral("Millbrook, NY 12545")};
}

} // namespace gallerion
