#pragma once

#include <QObject>
#include <QString>

namespace gallerion {

// SoundFilePath: the sound file last handed to a multimedia device, in the program's
// own path form. The error report reads it (through the program state) for ER032.
class SoundModel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString SoundFilePath READ soundFilePath NOTIFY soundFilePathChanged)

public:
    // Start-up has handed its own sound to a device before any feature is installed.
    SoundModel(QString startupSound, QObject *parent);

    QString soundFilePath() const { return m_path; }
    void handOver(const QString &path);

signals:
    void soundFilePathChanged(const QString &path);

private:
    QString m_path;
};

} // namespace gallerion
