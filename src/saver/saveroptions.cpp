#include "saver/saveroptions.h"

namespace gallerion {

namespace {

QString withoutDashes(QString argument)
{
    if (argument.startsWith(QLatin1String("--")))
        return argument.mid(2);
    if (argument.startsWith(QLatin1Char('-')))
        return argument.mid(1);
    return QString();
}

std::optional<quint64> windowIdOf(const QString &text)
{
    bool ok = false;
    const quint64 id = text.trimmed().toULongLong(&ok, 0);
    if (!ok || id == 0)
        return std::nullopt;
    return id;
}

std::optional<SaverOptions> embeddedIn(const QString &id)
{
    const std::optional<quint64> window = windowIdOf(id);
    if (!window)
        return std::nullopt;
    return SaverOptions{SaverMode::Embedded, *window};
}

} // namespace

std::optional<SaverOptions> parseSaverOptions(const QStringList &arguments,
                                              const QString &xscreensaverWindow)
{
    if (arguments.isEmpty())
        return SaverOptions{};
    const QString option = withoutDashes(arguments.first());
    if (arguments.size() == 1 && option == QLatin1String("window"))
        return SaverOptions{SaverMode::InWindow, 0};
    if (arguments.size() == 1 && option == QLatin1String("root")) {
        if (xscreensaverWindow.isEmpty())
            return SaverOptions{};
        return embeddedIn(xscreensaverWindow);
    }
    if (arguments.size() == 2 && option == QLatin1String("window-id"))
        return embeddedIn(arguments.at(1));
    return std::nullopt;
}

QString saverUsage()
{
    return QStringLiteral(
        "Usage: Zarvick2001.scr [--window | -root | -window-id ID]\n"
        "  (nothing)       full screen until a key is pressed or the mouse moves\n"
        "  --window        in a normal window, as a preview\n"
        "  -root           inside the window the X screen saver gives it\n"
        "  -window-id ID   inside the window ID (decimal or 0x hexadecimal)\n");
}

} // namespace gallerion
