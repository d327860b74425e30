#pragma once

#include <QSize>

namespace gallerion {

// The screen the layout rules see: the primary screen, or GALLERION_SCREEN ("800x600").
class Screen
{
public:
    QSize pixels() const;
    QSize twips() const;

    // The whole-screen hourglass. Setting it twice needs only one restore.
    void setBusy(bool busy);
    bool isBusy() const { return m_busy; }

    // The one scale at which every window draws its designed layout: the main
    // window's, which fits the window the user gives it. GALLERION_SCALE=1 keeps
    // the designed size.
    bool scalingEnabled() const;
    double designScale() const { return m_designScale; }
    void setDesignScale(double scale) { m_designScale = scale; }

private:
    bool m_busy = false;
    double m_designScale = 1.0;
};

// Parses "WIDTHxHEIGHT"; an invalid size for anything else.
QSize parseScreenSize(const QString &text);

} // namespace gallerion
