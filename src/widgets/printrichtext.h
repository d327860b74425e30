#pragma once

namespace gallerion {

class Printer;
class RichTextBox;

// Prints the whole text of the box as one job, page by page between margins
// measured in twips from the paper's edges. False when the printer fails; the
// reason is the printer's lastError(). The job is ended either way.
bool PrintRichText(Printer &printer, const RichTextBox &box, int left, int top, int right,
                   int bottom);

} // namespace gallerion
