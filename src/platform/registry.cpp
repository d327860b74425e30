#include "platform/registry.h"

#include "platform/trace.h"

#ifdef Q_OS_WIN
#include <QSettings>
#endif

namespace gallerion {

namespace {

std::optional<QString> readValue([[maybe_unused]] const QString &key,
                                 [[maybe_unused]] const QString &name)
{
#ifdef Q_OS_WIN
    const QSettings registry(QStringLiteral("HKEY_LOCAL_MACHINE\\") + key, QSettings::NativeFormat);
    const QVariant value = registry.value(name);
    if (!value.isValid())
        return std::nullopt;
    if (value.typeId() == QMetaType::Int || value.typeId() == QMetaType::UInt)
        return QStringLiteral("&h") + QString::number(value.toUInt(), 16).toUpper();
    return value.toString();
#else
    return std::nullopt;
#endif
}

} // namespace

std::optional<QString> readMachineRegistryValue(const QString &key, const QString &name)
{
    const std::optional<QString> value = readValue(key, name);
    trace::write({{QStringLiteral("kind"), QStringLiteral("registry")},
                  {QStringLiteral("key"), key},
                  {QStringLiteral("name"), name},
                  {QStringLiteral("value"), value.value_or(QString())},
                  {QStringLiteral("found"), value.has_value()}});
    return value;
}

} // namespace gallerion
