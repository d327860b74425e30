#pragma once

#include <QObject>

namespace gallerion {

class EntryBrowser;
class Platform;
class ProgramState;
struct MainControls;
struct PanelDocument;

// The five text buttons of the main window (description, engines or details,
// colours, options, nostalgia) and the per-photo details box over the photo.
class TextPanels : public QObject
{
    Q_OBJECT
public:
    TextPanels(MainControls &controls, EntryBrowser &browser, ProgramState &state,
               Platform &platform, QObject *parent = nullptr);

    void cmdDesc_Click();
    void cmdStats_Click();
    void cmdColors_Click();
    void cmdOptions_Click();
    void cmdNostalgia_Click();
    void rtbDetails_Click();
    // A photo step with the details box showing: the box follows the photo.
    void refreshDetails();

private:
    void connectControls();
    QString selection() const;
    bool nothingOpen() const;
    void openLookedUp(const PanelDocument &document, const QString &errorCode);
    void showDocument(const QString &path, const QString &title, const QString &errorCode,
                      bool bringToFront);
    void showDetails(const QString &fileName);
    bool loadDetails(const QString &path);
    void placeDetails();
    void fail(const QString &errorCode);

    MainControls &m_controls;
    EntryBrowser &m_browser;
    ProgramState &m_state;
    Platform &m_platform;
};

} // namespace gallerion
