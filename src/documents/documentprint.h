#pragma once

#include <QString>

class QTextDocument;

namespace gallerion {

class Platform;
class ProgramState;

// Every rich-text print keeps an inch of paper on each side.
inline constexpr int PrintMarginTwips = 1440;

// The document viewer's print button: asks, prints the whole text and says
// so; a job that did not end well is reported as ER040 instead.
void printShownDocument(const QTextDocument &text, const QString &caption, ProgramState &state,
                        Platform &platform);

} // namespace gallerion
