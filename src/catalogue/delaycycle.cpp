#include "catalogue/delaycycle.h"

namespace gallerion {

namespace {
// Below this the delay moves by whole seconds, from it on by five.
constexpr int FineStepsEnd = 5000;
constexpr int FineStep = 1000;
constexpr int CoarseStep = 5000;
} // namespace

int stepSlideDelay(int delay, bool up)
{
    if (up) {
        if (delay >= LongestSlideDelay)
            return ShortestSlideDelay;
        return delay + (delay < FineStepsEnd ? FineStep : CoarseStep);
    }
    if (delay <= ShortestSlideDelay)
        return LongestSlideDelay;
    return delay - (delay <= FineStepsEnd ? FineStep : CoarseStep);
}

} // namespace gallerion
