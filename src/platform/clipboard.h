#pragma once

#include <QImage>
#include <QString>

namespace gallerion::clipboard {

void clear();
void setText(const QString &text);
void setImage(const QImage &image);

} // namespace gallerion::clipboard
