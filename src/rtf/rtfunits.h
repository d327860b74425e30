#pragma once

namespace gallerion {

// Documents measure in twips, 1440 to the inch; laid out on a 96-dpi page that is 15 to the
// pixel.
inline constexpr int RtfTwipsPerPixel = 1440 / 96;

} // namespace gallerion
