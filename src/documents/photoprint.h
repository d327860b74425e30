#pragma once

#include <QString>

namespace gallerion {

class Platform;
class ProgramState;

// Print Photo: after the question, a page with the program's title, the
// entry's caption and the photo on view (its program path). A photo that
// cannot be read or a printer failure is reported as ER040.
void printPhoto(const QString &photoPath, const QString &caption, ProgramState &state,
                Platform &platform);

} // namespace gallerion
