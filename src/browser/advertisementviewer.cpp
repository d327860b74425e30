#include "browser/advertisementviewer.h"

#include "browser/artworkfiles.h"
#include "browser/maincontrols.h"
#include "browser/scrollviewer.h"
#include "platform/platform.h"
#include "startup/programstate.h"
#include "startup/screensaverlistclose.h"
#include "platform/messagebox.h"
#include "platform/screen.h"
#include "platform/filesystem.h"

#include <QLabel>
#include <QPushButton>

namespace gallerion {

AdvertisementViewer::AdvertisementViewer(MainControls &controls, ProgramState &state,
                                         Platform &platform, QObject *parent)
    : QObject(parent), m_controls(controls), m_state(state), m_platform(platform)
{
    connect(controls.cmdAd, &QPushButton::clicked, this, &AdvertisementViewer::cmdAd_Click);
}

void AdvertisementViewer::cmdAd_Click()
{
    closeScreenSaverList();
    const QString caption = m_state.entries().caption();
    ScrollViewer viewer(m_controls.window, caption, m_platform.screen().pixels());
    const QString path = m_state.DiscRoot + advertisementFile(caption);
    if (!viewer.loadPicture(m_platform.files().nativePath(path), path)) {
        apologise();
        return;
    }
    viewer.showScrollView(m_controls.window->size());
    viewer.setWindowTitle(advertisementTitle(caption));
    // Ending the program leaves the viewer's own event loop first.
    connect(&m_state, &ProgramState::endRequested, &viewer, &QDialog::reject);
    viewer.exec();
}

void AdvertisementViewer::apologise()
{
    m_platform.messages().ask({advertisementApology(), QStringLiteral("The Zarvick Gallerion"),
                               MessageIcon::Exclamation, MessageButtons::Ok});
    m_controls.window->setEnabled(true);
}

} // namespace gallerion
