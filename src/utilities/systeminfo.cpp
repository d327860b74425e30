#include "utilities/systeminfo.h"

#include "platform/platform.h"
#include "platform/registry.h"
#include "platform/messagebox.h"
#include "platform/processes.h"

#include <QFileInfo>

namespace gallerion {

namespace {

QString systemInfoPath()
{
    if (const auto path = readMachineRegistryValue(
            QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"), QStringLiteral("PATH")))
        return *path;
    const auto folder = readMachineRegistryValue(
        QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"), QStringLiteral("MSINFO"));
    if (!folder)
        return {};
    const QString program = *folder + QStringLiteral("\\MSINFO32.EXE");
    return QFileInfo::exists(program) ? program : QString();
}

} // namespace

void runSystemInfo(Platform &platform)
{
    const QString program = systemInfoPath();
    if (!program.isEmpty() && platform.processes().startDetached(program))
        return;
    MessageRequest request;
    request.title = QStringLiteral("The Zarvick Gallerion");
    request.text = QStringLiteral("System Information Is Unavailable At This Time");
    platform.messages().ask(request);
}

} // namespace gallerion
