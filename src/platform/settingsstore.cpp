#include "platform/settingsstore.h"

#include "platform/trace.h"

#include <QSettings>

namespace gallerion {

namespace {

QString settingsKey(const QString &section, const QString &key)
{
    return section + QLatin1Char('/') + key;
}

void traceSettings(const char *action, const QString &app, const QString &section,
                   const QString &key, const QString &value)
{
    trace::write({{QStringLiteral("kind"), QStringLiteral("settings")},
                  {QStringLiteral("action"), QLatin1String(action)},
                  {QStringLiteral("app"), app},
                  {QStringLiteral("section"), section},
                  {QStringLiteral("key"), key},
                  {QStringLiteral("value"), value}});
}

QSettings openStore(const QString &app)
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope,
                     QStringLiteral("zarvick-gallerion"), app);
}

} // namespace

QString SettingsStore::value(const QString &app, const QString &section, const QString &key,
                             const QString &defaultValue) const
{
    const QSettings store = openStore(app);
    const QString value = store.value(settingsKey(section, key), defaultValue).toString();
    traceSettings("read", app, section, key, value);
    return value;
}

void SettingsStore::setValue(const QString &app, const QString &section, const QString &key,
                             const QString &value)
{
    QSettings store = openStore(app);
    store.setValue(settingsKey(section, key), value);
    store.sync();
    traceSettings("write", app, section, key, value);
}

} // namespace gallerion
