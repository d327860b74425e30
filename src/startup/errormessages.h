#pragma once

#include <QString>

namespace gallerion {

// The message of an error code, with its leading blank; empty for a code the
// program does not know. ER032 names the sound file that failed.
QString errorMessageOf(const QString &code, const QString &soundFilePath);

// The whole text of the error box for a code.
QString composeErrorText(const QString &code, const QString &soundFilePath);

// Codes whose box offers Retry and Cancel instead of OK.
bool isRetryCancelCode(const QString &code);

} // namespace gallerion
