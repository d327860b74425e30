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

private:
    bool m_busy = false;
};

// Parses "WIDTHxHEIGHT"; an invalid size for anything else.
QSize parseScreenSize(const QString &text);

} // namespace gallerion
