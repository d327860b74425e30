#pragma once

// One main window on a disc at drive E:, as the program builds it, for the
// benchmarks that drive it directly.

#include "browser/mainwindow.h"
#include "platform/platform.h"
#include "startup/contentlists.h"
#include "startup/programstate.h"
#include "support/scriptedmessageboxes.h"
#include "platform/filesystem.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <memory>

namespace gallerion::bench {

struct MainWindowSession
{
    MainWindowSession(const QString &discDir, const QSize &windowSize)
        : platform(FileSystem(DriveTable::parse(QStringLiteral("E=") + discDir), home.path(),
                              home.path()),
                   nullptr),
          window(state, platform)
    {
        auto scripted = std::make_unique<test::ScriptedMessageBoxes>();
        boxes = scripted.get();
        platform.setMessages(std::move(scripted));
        state.ProgramDir = home.path();
        state.PhotoRoot = QStringLiteral("E:");
        state.DiscRoot = QStringLiteral("E:");
        window.resize(windowSize);
        window.show();
        QCoreApplication::processEvents();
        loadPhotoList(state, platform);
    }

    QString nativePath(const QString &path) { return platform.files().nativePath(path); }

    QTemporaryDir home;
    ProgramState state;
    Platform platform;
    MainWindow window;
    test::ScriptedMessageBoxes *boxes = nullptr;
};

} // namespace gallerion::bench
