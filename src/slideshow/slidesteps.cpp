#include "slideshow/slidesteps.h"

#include "catalogue/entries.h"

namespace gallerion {

namespace {
constexpr int JumpLength = 10;
} // namespace

SlideStepRule slideStepRule(SlideStep step)
{
    switch (step) {
    case SlideStep::Forward:
        return {QStringLiteral("ER014"), true, true};
    case SlideStep::Backward:
        return {QStringLiteral("ER015"), true, true};
    case SlideStep::JumpBackward:
        return {QStringLiteral("ER013"), true, false};
    case SlideStep::JumpForward:
        return {QStringLiteral("ER018"), false, true};
    }
    return {};
}

int stepSlide(SlideStep step, int index, int count)
{
    switch (step) {
    case SlideStep::Forward:
        return index >= count ? 1 : index + 1;
    case SlideStep::Backward:
        return index > 1 && index <= count + 1 ? index - 1 : count;
    case SlideStep::JumpBackward:
        return index - JumpLength < 1 ? count : index - JumpLength;
    case SlideStep::JumpForward:
        // A jump that would land on the last slide starts again at the first.
        return index + JumpLength > count - 1 ? 1 : index + JumpLength;
    }
    return index;
}

int middleSlide(int count)
{
    int middle = count / 2;
    if (count % 2 != 0 && middle % 2 != 0)
        ++middle;
    // One photo has no middle to round to.
    return count > 0 ? qMax(middle, 1) : 0;
}

SlideTick tickSlide(int next, int count)
{
    const int index = next == 0 ? 1 : next;
    if (index < count + 1)
        return {index, index + 1};
    // After the last slide one tick passes before the first comes back.
    return {0, 1};
}

int pausedSlide(int next, int count)
{
    return next == 0 ? count : next - 1;
}

QString middleCaption(const QString &code)
{
    return isNumericCode(code) ? QStringLiteral("19") + code : CaptionOfCode(code);
}

QString delayCaption(int delay)
{
    return QString::number(delay / 1000) + QStringLiteral(" seconds");
}

} // namespace gallerion
