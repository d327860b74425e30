#pragma once

#include <QString>

namespace gallerion {

// Per-user text values by application name, section and key.
class SettingsStore
{
public:
    QString value(const QString &app, const QString &section, const QString &key,
                  const QString &defaultValue) const;
    void setValue(const QString &app, const QString &section, const QString &key,
                  const QString &value);
};

} // namespace gallerion
