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

// The options given, in any order; nothing for one it does not know.
struct CommandLine
{
    bool root = false;
    bool window = false;
    std::optional<QString> windowId;
};

std::optional<CommandLine> readCommandLine(const QStringList &arguments)
{
    CommandLine line;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString option = withoutDashes(arguments.at(i));
        if (option == QLatin1String("root"))
            line.root = true;
        else if (option == QLatin1String("window"))
            line.window = true;
        else if (option == QLatin1String("window-id") && i + 1 < arguments.size())
            line.windowId = arguments.at(++i);
        else
            return std::nullopt;
    }
    return line;
}

} // namespace

std::optional<SaverOptions> parseSaverOptions(const QStringList &arguments,
                                              const QString &xscreensaverWindow)
{
    const std::optional<CommandLine> line = readCommandLine(arguments);
    if (!line)
        return std::nullopt;
    if (line->windowId)
        return embeddedIn(*line->windowId);
    if (line->root && !xscreensaverWindow.isEmpty())
        return embeddedIn(xscreensaverWindow);
    if (line->window)
        return SaverOptions{SaverMode::InWindow, 0};
    return SaverOptions{};
}

QString saverUsage()
{
    return QStringLiteral(
        "Usage: Zarvick2001.scr [--window | -root | -window-id ID | --help]\n"
        "  (nothing)       full screen until a key is pressed or the mouse moves\n"
        "  --window        in a normal window, as a preview\n"
        "  -root           inside the window the X screen saver gives it\n"
        "  -window-id ID   inside the window ID (decimal or 0x hexadecimal)\n"
        "  --help          print this text and end\n");
}

} // namespace gallerion
