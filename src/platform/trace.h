#pragma once

#include <QJsonObject>
#include <QString>

namespace gallerion::trace {

// Appends one JSON line to the file named by GALLERION_TRACE, if set.
// Every platform service calls this once per interaction so that tests and
// tools can watch the program from outside.
void write(const QJsonObject &entry);

bool enabled();

} // namespace gallerion::trace
