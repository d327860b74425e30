#pragma once

class QTextDocument;

namespace gallerion {

class Printer;

// Prints the whole text (a rich-text box's document) as one job, page by page between margins
// measured in twips from the paper's edges. False when the printer fails; the
// reason is the printer's lastError(). The job is ended either way.
bool PrintRichText(Printer &printer, const QTextDocument &text, int left, int top, int right,
                   int bottom);

} // namespace gallerion
