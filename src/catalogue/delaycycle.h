#pragma once

namespace gallerion {

// The delays a slide spinner offers, in milliseconds: 1, 2, 3, 4 and 5 seconds,
// then every 5 seconds up to 60, as a closed cycle that wraps both ways.
inline constexpr int ShortestSlideDelay = 1000;
inline constexpr int LongestSlideDelay = 60000;

// One step of the cycle: up to the next longer delay, down to the next shorter.
int stepSlideDelay(int delay, bool up);

} // namespace gallerion
