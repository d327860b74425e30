#pragma once

#include <QString>

namespace gallerion {

class Platform;
class ProgramState;
class RichTextBox;

// Every rich-text print keeps an inch of paper on each side.
inline constexpr int PrintMarginTwips = 1440;

// The document viewer's print button: asks, prints the whole text of the box
// and says so; a printer failure is reported as ER040 instead.
void printShownDocument(const RichTextBox &box, const QString &caption, ProgramState &state,
                        Platform &platform);

} // namespace gallerion
