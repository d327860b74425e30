#pragma once

#include <QDateTime>
#include <QString>

namespace gallerion {

// The clock row's three captions for a moment: "03:04:05 pm", "06/30/01", "Saturday".
struct ClockCaptions
{
    QString time;
    QString date;
    QString day;
};

ClockCaptions clockCaptions(const QDateTime &now);

// How long until the captions change: the start of the next second.
int msUntilNextSecond(const QTime &now);

} // namespace gallerion
