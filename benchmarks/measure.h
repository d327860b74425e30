#pragma once

// What every benchmark measures with: standard output, medians and timings.

#include <QElapsedTimer>
#include <QList>
#include <QTextStream>

#include <algorithm>
#include <functional>

namespace gallerion::bench {

inline QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

inline double median(QList<double> values)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

inline double millisecondsOf(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e6;
}

// The median of several runs of the same work.
inline double medianMilliseconds(int runs, const std::function<void()> &work)
{
    QList<double> times;
    for (int run = 0; run < runs; ++run)
        times.append(millisecondsOf(work));
    return median(times);
}

} // namespace gallerion::bench
