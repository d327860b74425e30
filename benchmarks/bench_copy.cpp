// Times the program's copy (the copy job, chunk accounting and gauges'
// signals included) against `cp -r` of the same files: 2,000 photos of 20 to
// 200 KB and six films of 70 MB. Before every timed copy the sources are read
// once and the file system is synced, so both copies start equally warm, with
// the sources in the page cache and no writes pending.

#include "library/copyjob.h"
#include "library/copytally.h"
#include "platform/filesystem.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>

using namespace gallerion;

namespace {

constexpr int Runs = 5;

struct Sample
{
    double ours = 0; // MB/s
    double cp = 0;   // MB/s
    double updatesPerSecond = 0;
    double longestGapMs = 0;
};

bool writeRandomFile(const QString &path, qint64 size)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray block(1 << 20, Qt::Uninitialized);
    for (qint64 left = size; left > 0; left -= block.size()) {
        QRandomGenerator::global()->fillRange(reinterpret_cast<quint32 *>(block.data()),
                                              block.size() / 4);
        if (file.write(block.constData(), std::min<qint64>(left, block.size())) < 0)
            return false;
    }
    return true;
}

qint64 makeSet(const QString &dir, int count, qint64 minSize, qint64 maxSize)
{
    QDir().mkpath(dir);
    qint64 total = 0;
    for (int i = 0; i < count; ++i) {
        const qint64 size = QRandomGenerator::global()->bounded(minSize, maxSize + 1);
        if (!writeRandomFile(dir + QStringLiteral("/%1.bin").arg(i, 6, 10, QLatin1Char('0')), size))
            return -1;
        total += size;
    }
    return total;
}

void warm(const QString &source)
{
    for (const QString &name : QDir(source).entryList(QDir::Files)) {
        QFile file(source + QLatin1Char('/') + name);
        if (file.open(QIODevice::ReadOnly))
            while (!file.read(1 << 20).isEmpty()) {
            }
    }
    QProcess::execute(QStringLiteral("sync"), {});
}

double seconds(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e9;
}

double timeCp(const QString &source, const QString &target)
{
    warm(source);
    QElapsedTimer timer;
    timer.start();
    QProcess::execute(QStringLiteral("cp"), {QStringLiteral("-r"), source, target});
    return seconds(timer);
}

// Runs the copy job on the event loop, as the program does, and counts how
// often the gauges would repaint.
double timeJob(const QString &source, const QString &target, Sample &sample)
{
    warm(source);
    const FileSystem files(DriveTable(), target, target);
    QList<CopyItem> items;
    for (const QString &name : QDir(source).entryList(QDir::Files))
        items.append({source + QStringLiteral("\\") + name, target + QStringLiteral("\\") + name});
    QElapsedTimer timer;
    timer.start();
    QDir().mkpath(target);
    CopyJob job(files, items, MovieCopyTotal, nullptr);
    QEventLoop loop;
    int updates = 0;
    qint64 last = 0;
    qint64 longest = 0;
    QObject::connect(&job, &CopyJob::progressed, [&] {
        ++updates;
        longest = std::max(longest, timer.nsecsElapsed() - last);
        last = timer.nsecsElapsed();
    });
    QObject::connect(&job, &CopyJob::finished, &loop, &QEventLoop::quit);
    job.start();
    loop.exec();
    const double elapsed = seconds(timer);
    sample.updatesPerSecond = updates / elapsed;
    sample.longestGapMs = double(longest) / 1e6;
    return elapsed;
}

Sample measure(const QString &source, const QString &scratch, qint64 bytes, int run)
{
    Sample sample;
    QDir().mkpath(scratch);
    const double mb = double(bytes) / 1e6;
    // Fresh folders each run: ext4 searches longer for a free inode while
    // files deleted within the last minute hold theirs, which would favour
    // whichever copy ran later after a clean-up.
    const QString ourTarget = scratch + QStringLiteral("/ours-%1").arg(run);
    const QString cpTarget = scratch + QStringLiteral("/cp-%1").arg(run);
    // Alternate which copy goes first, so neither always follows the other's writes.
    if (run % 2 == 0) {
        sample.ours = mb / timeJob(source, ourTarget, sample);
        sample.cp = mb / timeCp(source, cpTarget);
    } else {
        sample.cp = mb / timeCp(source, cpTarget);
        sample.ours = mb / timeJob(source, ourTarget, sample);
    }
    return sample;
}

Sample median(QList<Sample> samples)
{
    std::sort(samples.begin(), samples.end(),
              [](const Sample &a, const Sample &b) { return a.ours / a.cp < b.ours / b.cp; });
    return samples.at(samples.size() / 2);
}

void report(QTextStream &out, const QString &name, const Sample &s)
{
    out << name << ": copy job " << s.ours << " MB/s, cp -r " << s.cp << " MB/s, ratio "
        << s.ours / s.cp << ", gauge updates " << s.updatesPerSecond << "/s (longest gap "
        << s.longestGapMs << " ms)\n";
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir root;
    const QString photos = root.path() + QStringLiteral("/photos");
    const QString films = root.path() + QStringLiteral("/films");
    const qint64 photoBytes = makeSet(photos, 2000, 20000, 200000);
    const qint64 filmBytes = makeSet(films, 6, 70000000, 70000000);
    if (!root.isValid() || photoBytes < 0 || filmBytes < 0) {
        out << "could not create the files to copy\n";
        return 1;
    }
    QList<Sample> photoSamples;
    QList<Sample> filmSamples;
    for (int run = 0; run < Runs; ++run) {
        photoSamples.append(
            measure(photos, root.path() + QStringLiteral("/photo-copies"), photoBytes, run));
        filmSamples.append(
            measure(films, root.path() + QStringLiteral("/film-copies"), filmBytes, run));
    }
    out << "sources warm in the page cache, synced before each copy, fresh target folders; "
        << "median of " << Runs << " runs\n";
    report(out, QStringLiteral("2,000 photos"), median(photoSamples));
    report(out, QStringLiteral("6 films     "), median(filmSamples));
    return 0;
}
