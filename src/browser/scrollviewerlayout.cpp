#include "browser/scrollviewerlayout.h"

#include <QStringList>

#include <limits>

namespace gallerion {

namespace {

constexpr int Int16Min = std::numeric_limits<qint16>::min();
constexpr int Int16Max = std::numeric_limits<qint16>::max();

bool fitsScrollValue(qint64 value)
{
    return value >= Int16Min && value <= Int16Max;
}

// Max, enabling and LargeChange of one bar along one direction.
void planAxis(ScrollBarPlan &bar, int picture, int viewport, int currentMaximum, bool sixths)
{
    const qint64 maximum = qint64(picture) - viewport;
    if (fitsScrollValue(maximum))
        bar.maximum = int(maximum);
    bar.enabled = viewport < picture;
    if (!bar.enabled || viewport <= 0)
        return;
    const int ratio = picture / viewport;
    int largeChange = bar.maximum.value_or(currentMaximum) / ratio;
    if (sixths)
        largeChange /= 6;
    // A scroll bar pages by at least one.
    if (largeChange >= 1 && largeChange <= Int16Max)
        bar.largeChange = largeChange;
}

} // namespace

ScrollViewPlan planScrollView(const ScrollViewInput &input)
{
    ScrollViewPlan plan;
    const QSize viewportSize(input.inner.width() - input.verticalBarWidth,
                             input.inner.height() - input.horizontalBarHeight);
    if (viewportSize.width() >= 0 && viewportSize.height() >= 0)
        plan.viewport = QRect(QPoint(0, 0), viewportSize);
    const QRect viewport = plan.viewport.value_or(input.viewport);

    plan.horizontal.geometry =
        QRect(0, viewport.height(), viewport.width(), input.horizontalBarHeight);
    planAxis(plan.horizontal, input.picture.width(), viewport.width(), input.horizontalMaximum,
             input.largeChangeInSixths);
    plan.vertical.geometry = QRect(viewport.width(), 0, input.verticalBarWidth, viewport.height());
    planAxis(plan.vertical, input.picture.height(), viewport.height(), input.verticalMaximum,
             input.largeChangeInSixths);
    plan.corner = QRect(plan.horizontal.geometry.width(), plan.vertical.geometry.height(),
                        plan.vertical.geometry.width(), plan.horizontal.geometry.height());
    return plan;
}

QRect fittedPictureRect(const QString &yearCaption, const QSize &screen, int top)
{
    static const QStringList landscapeYears{QStringLiteral("1979"), QStringLiteral("1980"),
                                            QStringLiteral("1986"), QStringLiteral("1987"),
                                            QStringLiteral("1990"), QStringLiteral("1992"),
                                            QStringLiteral("1993"), QStringLiteral("1994"),
                                            QStringLiteral("1995"), QStringLiteral("1996")};
    const int height = screen.height();
    const int width = landscapeYears.contains(yearCaption) ? screen.width() : qRound(height * 0.77);
    return {(screen.width() - width) / 2, top, width, height};
}

} // namespace gallerion
