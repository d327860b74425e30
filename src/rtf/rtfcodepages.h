#pragma once

namespace gallerion::rtf {

// The characters for bytes 0x80-0xff of a single-byte Windows, DOS or Mac
// code page, or nullptr when the page is not one of the tabled ones.
const char16_t *singleByteTable(int codePage);

} // namespace gallerion::rtf
