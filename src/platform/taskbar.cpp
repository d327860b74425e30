#include "platform/taskbar.h"

#include "platform/trace.h"

namespace gallerion {

void Taskbar::setVisible(bool visible)
{
    m_visible = visible;
    trace::write(
        {{QStringLiteral("kind"), QStringLiteral("taskbar")},
         {QStringLiteral("action"), visible ? QStringLiteral("show") : QStringLiteral("hide")}});
}

} // namespace gallerion
