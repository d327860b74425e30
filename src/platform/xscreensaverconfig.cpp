#include "platform/xscreensaverconfig.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringList>

#include <optional>

namespace gallerion {

namespace {

const QString Continuation = QStringLiteral("\\");
const QString EntryEnd = QStringLiteral("\\n");

// The lines of one resource value: the line with its key and the lines that
// continue it.
struct Span
{
    qsizetype first = 0;
    qsizetype last = 0;
};

bool continues(const QString &line)
{
    return line.endsWith(Continuation);
}

std::optional<Span> findResource(const QStringList &lines, const QRegularExpression &key)
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!key.match(lines.at(i)).hasMatch())
            continue;
        Span span{i, i};
        while (span.last + 1 < lines.size() && continues(lines.at(span.last)))
            ++span.last;
        return span;
    }
    return std::nullopt;
}

const QRegularExpression &settingsKey()
{
    static const QRegularExpression key(QStringLiteral("^\\s*programs:"));
    return key;
}

// Whatever a line holds besides its key, blanks, entry ends and continuation.
QString contentOf(QString line, bool keyLine)
{
    if (keyLine)
        line.remove(QRegularExpression(QStringLiteral("^\\s*\\*?programs:")));
    line.remove(EntryEnd);
    line.remove(Continuation);
    return line.trimmed();
}

QString quoted(const QString &program)
{
    if (!program.contains(QRegularExpression(QStringLiteral("[\\s'\"\\\\$`]"))))
        return program;
    QString text = program;
    text.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    return QLatin1Char('\'') + text + QLatin1Char('\'');
}

QString entryLine(const XScreenSaverEntry &entry, const QString &tail)
{
    return QStringLiteral("\t\t\t\t\"") + entry.name + QStringLiteral("\"  ") +
           quoted(entry.program) + QLatin1Char(' ') + entry.arguments + QStringLiteral("\t    ") +
           tail;
}

// The line in the list that runs the same program, if any.
std::optional<qsizetype> lineOfProgram(const QStringList &lines, const Span &span,
                                       const XScreenSaverEntry &entry)
{
    const QString name = QFileInfo(entry.program).fileName();
    for (qsizetype i = span.first; i <= span.last; ++i) {
        if (contentOf(lines.at(i), i == span.first).contains(name))
            return i;
    }
    return std::nullopt;
}

void replaceEntry(QStringList &lines, qsizetype at, bool keyLine, const XScreenSaverEntry &entry)
{
    static const QRegularExpression tail(QStringLiteral("\\s*(\\\\n)*\\\\?$"));
    static const QRegularExpression key(QStringLiteral("^\\s*\\*?programs:"));
    const QString &line = lines.at(at);
    const QString keep = keyLine ? key.match(line).captured() : QString();
    lines[at] = keep + entryLine(entry, tail.match(line).captured().trimmed());
}

// After the last entry, so that no entry before it moves.
void appendEntry(QStringList &lines, const Span &span, const XScreenSaverEntry &entry)
{
    qsizetype last = span.first;
    for (qsizetype i = span.first; i <= span.last; ++i) {
        if (!contentOf(lines.at(i), i == span.first).isEmpty())
            last = i;
    }
    QString &line = lines[last];
    const bool more = last < span.last;
    if (more) {
        if (last != span.first && !line.endsWith(EntryEnd + Continuation))
            line.insert(line.size() - 1, EntryEnd);
        lines.insert(last + 1, entryLine(entry, EntryEnd + Continuation));
        return;
    }
    while (!line.isEmpty() && line.back().isSpace())
        line.chop(1);
    if (last != span.first && !line.endsWith(EntryEnd))
        line += QLatin1Char(' ') + EntryEnd;
    line += Continuation;
    lines.insert(last + 1, entryLine(entry, EntryEnd));
}

} // namespace

QString programsResource(const QString &resources)
{
    static const QRegularExpression key(QStringLiteral("^\\*programs:"));
    const QStringList lines = resources.split(QLatin1Char('\n'));
    const std::optional<Span> span = findResource(lines, key);
    if (!span)
        return QString();
    QStringList value = lines.mid(span->first, span->last - span->first + 1);
    value.first().remove(0, 1);
    return value.join(QLatin1Char('\n'));
}

QString withXScreenSaverEntry(const QString &config, const QString &defaultPrograms,
                              const XScreenSaverEntry &entry)
{
    QStringList lines = config.split(QLatin1Char('\n'));
    std::optional<Span> span = findResource(lines, settingsKey());
    if (!span) {
        if (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
        const QString list =
            defaultPrograms.isEmpty() ? QStringLiteral("programs:") : defaultPrograms;
        lines.append(list.split(QLatin1Char('\n')));
        lines.append(QString());
        span = findResource(lines, settingsKey());
    }
    if (const std::optional<qsizetype> at = lineOfProgram(lines, *span, entry))
        replaceEntry(lines, *at, *at == span->first, entry);
    else
        appendEntry(lines, *span, entry);
    return lines.join(QLatin1Char('\n'));
}

bool registerWithXScreenSaver(const QString &configPath, const QString &appDefaultsPath,
                              const XScreenSaverEntry &entry, QString *error)
{
    QString config;
    QFile current(configPath);
    const bool existed = current.exists();
    if (existed) {
        if (!current.open(QIODevice::ReadOnly)) {
            *error = current.errorString();
            return false;
        }
        config = QString::fromLocal8Bit(current.readAll());
        current.close();
    }
    QString defaults;
    QFile appDefaults(appDefaultsPath);
    if (appDefaults.open(QIODevice::ReadOnly))
        defaults = programsResource(QString::fromLocal8Bit(appDefaults.readAll()));
    const QString updated = withXScreenSaverEntry(config, defaults, entry);
    if (existed && updated == config)
        return true;
    const QString backup = configPath + QStringLiteral(".bak");
    if (existed &&
        ((QFile::exists(backup) && !QFile::remove(backup)) || !QFile::copy(configPath, backup))) {
        *error = QStringLiteral("The copy %1 could not be written.").arg(backup);
        return false;
    }
    QSaveFile file(configPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(updated.toLocal8Bit()) < 0 ||
        !file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace gallerion
