#include "media/soundmodel.h"

namespace gallerion {

SoundModel::SoundModel(QString startupSound, QObject *parent)
    : QObject(parent), m_path(std::move(startupSound))
{
    setObjectName(QStringLiteral("sounds"));
}

void SoundModel::handOver(const QString &path)
{
    if (path == m_path)
        return;
    m_path = path;
    emit soundFilePathChanged(path);
}

} // namespace gallerion
