#include "utilities/makerinfo.h"

namespace gallerion {

QString makerHost()
{
    return QStringLiteral(GALLERION_MAKER_HOST);
}

QUrl makerPage(const QString &path)
{
    return QUrl(QStringLiteral("https://") + makerHost() + path);
}

QStringList makerAddress()
{
    return {QStringLiteral("Quillon Software"), QStringLiteral("1200 Cedar Ridge Drive"),
            QStringLiteral("Millbrook, NY 12545")};
}

} // namespace gallerion
