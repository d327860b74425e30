#pragma once

#include <QLatin1String>

#include <array>

namespace gallerion {

// One sound effect: the caption beside its button and its file in the disc's
// "\wav\" directory, spelt as on the disc.
struct SoundEffect
{
    QLatin1String caption;
    QLatin1String file;
};

inline constexpr int SoundEffectCount = 29;

const std::array<SoundEffect, SoundEffectCount> &soundEffects();

} // namespace gallerion
