#include "media/soundtable.h"

namespace gallerion {

const std::array<SoundEffect, SoundEffectCount> &soundEffects()
{
    static const std::array<SoundEffect, SoundEffectCount> effects{{
        {QLatin1String("Backfiring"), QLatin1String("backfrng.wav")},
        {QLatin1String("Car Door"), QLatin1String("car_door.wav")},
        {QLatin1String("Car Horns"), QLatin1String("carhorns.wav")},
        {QLatin1String("Traffic"), QLatin1String("horns.wav")},
        {QLatin1String("Police Car"), QLatin1String("cop-car.wav")},
        {QLatin1String("Taxi Horns"), QLatin1String("taxi.wav")},
        {QLatin1String("Sport Car"), QLatin1String("sportcar.wav")},
        {QLatin1String("18 Wheeler"), QLatin1String("18wheelr.wav")},
        {QLatin1String("Race Car Takeoff"), QLatin1String("peel-out.wav")},
        {QLatin1String("At the Track"), QLatin1String("Track2.wav")},
        {QLatin1String("Race Car Passby"), QLatin1String("nascar.wav")},
        {QLatin1String("Race Car 1"), QLatin1String("racecar.wav")},
        {QLatin1String("Race Car 2"), QLatin1String("indy-car.wav")},
        {QLatin1String("Motorcycle"), QLatin1String("mcycle.wav")},
        {QLatin1String("Batmobile"), QLatin1String("batmoble.wav")},
        {QLatin1String("Zarvick"), QLatin1String("62vanor.wav")},
        {QLatin1String("Camaro"), QLatin1String("63vanor.wav")},
        {QLatin1String("Cars Starting"), QLatin1String("vanstart.wav")},
        {QLatin1String("Passby"), QLatin1String("passby.wav")},
        {QLatin1String("Kelvanor C5"), QLatin1String("kelvanor.wav")},
        {QLatin1String("ZR-1 Starting"), QLatin1String("zr1start.wav")},
        {QLatin1String("Motorcycle 2"), QLatin1String("motorcyc2.wav")},
        {QLatin1String("Hot Rod"), QLatin1String("hot_rod.wav")},
        {QLatin1String("Red Light"), QLatin1String("red_lght.wav")},
        {QLatin1String("Zarvick Mach I"), QLatin1String("porche.wav")},
        {QLatin1String("Vask Cobra"), QLatin1String("stealth.wav")},
        {QLatin1String("Stuck on Ice"), QLatin1String("stuck.wav")},
        {QLatin1String("Rev n' Run"), QLatin1String("revnrun.wav")},
        {QLatin1String("Going By"), QLatin1String("goingby.wav")},
    }};
    return effects;
}

} // namespace gallerion
