#pragma once

#include <QString>

#include <optional>

namespace gallerion {

// Reads a value of a key under the machine-wide root of the system registry:
// a string as it is, a 32-bit number as "&h" and its hexadecimal digits.
// Nothing when the key or value cannot be read, and always nothing on systems
// without a registry.
std::optional<QString> readMachineRegistryValue(const QString &key, const QString &name);

} // namespace gallerion
