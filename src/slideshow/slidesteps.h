#pragma once

#include <QString>

namespace gallerion {

// The arithmetic of the slide show over the whole photo list. Indices are
// 1-based; 0 means no slide.

enum class SlideStep
{
    Forward,
    Backward,
    JumpBackward,
    JumpForward
};

// How a step treats the number panel and which code reports a photo it cannot load.
struct SlideStepRule
{
    QString errorCode;
    bool showsNumber = false;       // makes pnlPhotoNumber visible
    bool numbersBeforeLoad = false; // the caption changes even when the load fails
};

SlideStepRule slideStepRule(SlideStep step);

// The slide a step goes to from this one; both ends wrap.
int stepSlide(SlideStep step, int index, int count);

// The middle slide: half the count, a half rounded to the even neighbour.
int middleSlide(int count);

// One tick of the advance timer while playing.
struct SlideTick
{
    int shown = 0; // the slide to show now, 0 for none this tick
    int next = 0;  // the slide the following tick shows
};
SlideTick tickSlide(int next, int count);

// While playing the index names the next slide; pausing takes it back to the
// one on view.
int pausedSlide(int next, int count);

// The caption Middle shows: "19" and the code for a year, the entry's caption otherwise.
QString middleCaption(const QString &code);

// The panel caption of a delay.
QString delayCaption(int delay);

} // namespace gallerion
