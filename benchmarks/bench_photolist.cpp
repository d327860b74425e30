// Times BuildPhotoList over a full photo directory against listing and
// sorting the same directory with the shell's tools.

#include "catalogue/contentpaths.h"
#include "catalogue/entries.h"
#include "catalogue/photolist.h"
#include "measure.h"
#include "platform/filesystem.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <functional>

using namespace gallerion;
using namespace gallerion::bench;

namespace {

constexpr int runs = 7;

QStringList entryCodes()
{
    QStringList codes;
    for (int button = 1; button <= YearButtonCount; ++button)
        codes.append(EntryCodeOf(YearCaptionOfButton(button)));
    for (const Collection &collection : collectionTable())
        codes.append(collection.code);
    return codes;
}

// Code + 6 characters + ".jpg", spread over every entry, in shuffled order.
QStringList photoNames(int count)
{
    const QStringList codes = entryCodes();
    QStringList names;
    for (int i = 0; i < count; ++i) {
        names.append(codes.at(i % codes.size()) +
                     QStringLiteral("%1.jpg").arg(i / codes.size(), 6, 10, QLatin1Char('0')));
    }
    std::shuffle(names.begin(), names.end(), *QRandomGenerator::global());
    return names;
}

bool createFiles(const QString &dir, const QStringList &names)
{
    if (!QDir().mkpath(dir))
        return false;
    for (const QString &name : names) {
        QFile file(dir + QLatin1Char('/') + name);
        if (!file.open(QIODevice::WriteOnly))
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir disc;
    const QString photoDir = disc.path() + QStringLiteral("/zarvicks");
    if (!disc.isValid() || !createFiles(photoDir, photoNames(MaxListCount))) {
        out << "could not create the photo directory\n";
        return 1;
    }
    const FileSystem files(DriveTable::parse(QStringLiteral("E=") + disc.path()), disc.path(),
                           disc.path());

    int count = 0;
    const double ours = medianMilliseconds(
        runs, [&] { count = BuildPhotoList(files, QStringLiteral("E:")).count; });
    // Where the time goes: the platform's listing and the sort and numbering here.
    QStringList names;
    const double listing =
        medianMilliseconds(runs, [&] { names = files.list(photoPattern(QStringLiteral("E:"))); });
    const double ordering =
        medianMilliseconds(runs, [&] { photoListFromNames(names, QStringLiteral("E:")); });
    const QString shell = QStringLiteral("ls -f '%1' | LC_ALL=C sort > /dev/null").arg(photoDir);
    const double tools = medianMilliseconds(runs, [&] {
        QProcess process;
        process.start(QStringLiteral("sh"), {QStringLiteral("-c"), shell});
        process.waitForFinished(-1);
    });

    out << "photos listed:          " << count << '\n';
    out << "BuildPhotoList:         " << ours << " ms (median of " << runs << ")\n";
    out << "  of which listing:     " << listing << " ms\n";
    out << "  of which sort+number: " << ordering << " ms\n";
    out << "ls -f | LC_ALL=C sort:  " << tools << " ms (median of " << runs << ")\n";
    out << "ratio:                  " << ours / tools << '\n';
    return 0;
}
