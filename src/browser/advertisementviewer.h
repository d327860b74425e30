#pragma once

#include <QObject>

namespace gallerion {

class Platform;
class ProgramState;
struct MainControls;

// cmdAd: the period advertisement of the open year, full screen in the
// large-photo viewer, or an apology when the disc has none.
class AdvertisementViewer : public QObject
{
    Q_OBJECT
public:
    AdvertisementViewer(MainControls &controls, ProgramState &state, Platform &platform,
                        QObject *parent);

    // Returns when the viewer has been closed.
    void cmdAd_Click();

private:
    void apologise();

    MainControls &m_controls;
    ProgramState &m_state;
    Platform &m_platform;
};

} // namespace gallerion
