#include "platform/clipboard.h"

#include "platform/trace.h"

#include <QClipboard>
#include <QGuiApplication>

namespace gallerion::clipboard {

namespace {
void traceClipboard(const QString &type, const QString &value)
{
    trace::write({{QStringLiteral("kind"), QStringLiteral("clipboard")},
                  {QStringLiteral("type"), type},
                  {QStringLiteral("value"), value}});
}
} // namespace

void clear()
{
    QGuiApplication::clipboard()->clear();
}

void setText(const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
    traceClipboard(QStringLiteral("text"), text);
}

void setImage(const QImage &image)
{
    QGuiApplication::clipboard()->setImage(image);
    traceClipboard(QStringLiteral("image"),
                   QStringLiteral("%1x%2").arg(image.width()).arg(image.height()));
}

} // namespace gallerion::clipboard
