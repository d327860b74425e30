#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

namespace gallerion {

// The maker of the program as the about box and the web links name it. The
// host comes from the build (GALLERION_MAKER_HOST), which also writes it into
// the package and its metainfo.
QString makerHost();

// A page of the maker's site: "/" is the home page.
QUrl makerPage(const QString &path);

// Name, street and town, one a line.
QStringList makerAddress();

} // namespace gallerion
