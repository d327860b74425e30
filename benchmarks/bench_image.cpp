// Reading the disc from an image file against reading the same files from a
// folder: the photo list, a photo step, copying the photos to the hard disk
// and, when a film is given, a seek in it.

#include "catalogue/photolist.h"
#include "measure.h"
#include "platform/filesystem.h"
#include "support/discimages.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>

using namespace gallerion;
using namespace gallerion::bench;

namespace {

constexpr int Runs = 5;
constexpr int ListedPhotos = 32766;

FileSystem filesOn(const QString &drive, const QString &scratch)
{
    return FileSystem(DriveTable::parse(QStringLiteral("E=") + drive), scratch, scratch);
}

// 8.3 names as the disc spells them, each file a few bytes.
bool writeManyPhotos(const QString &dir)
{
    if (!QDir().mkpath(dir))
        return false;
    for (int i = 0; i < ListedPhotos; ++i) {
        QFile file(
            dir +
            QStringLiteral("/%1%2.jpg").arg(QChar(u'A' + i % 26)).arg(i, 7, 10, QLatin1Char('0')));
        if (!file.open(QIODevice::WriteOnly) || file.write("x") != 1)
            return false;
    }
    return true;
}

bool copyFolder(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    QDirIterator it(from, QDir::Files);
    while (it.hasNext()) {
        it.next();
        if (!QFile::copy(it.filePath(), to + QLatin1Char('/') + it.fileName()))
            return false;
    }
    return true;
}

void row(const char *what, double image, double folder, double ratio, const char *goal)
{
    out() << QStringLiteral("%1 image %2 ms  folder %3 ms  figure %4x  goal %5\n")
                 .arg(QLatin1String(what), -28)
                 .arg(image, 8, 'f', 2)
                 .arg(folder, 8, 'f', 2)
                 .arg(ratio, 5, 'f', 2)
                 .arg(QLatin1String(goal));
}

QString imageOf(const QString &folder, const QString &image)
{
    const QString error = test::makeIso(folder, image, test::IsoNames::JolietRockRidge);
    if (!error.isEmpty())
        out() << error << '\n';
    return error.isEmpty() ? image : QString();
}

int listing(const QTemporaryDir &scratch)
{
    const QString folder = scratch.filePath(QStringLiteral("many"));
    if (!writeManyPhotos(folder + QStringLiteral("/zarvicks")))
        return 1;
    const QString image = imageOf(folder, scratch.filePath(QStringLiteral("many.iso")));
    if (image.isEmpty())
        return 1;
    int fromImage = 0;
    int fromFolder = 0;
    // A fresh file system each time, so the image's directories are read each time too.
    const double imageMs = medianMilliseconds(Runs, [&] {
        fromImage = BuildPhotoList(filesOn(image, scratch.path()), QStringLiteral("E:")).count;
    });
    const double folderMs = medianMilliseconds(Runs, [&] {
        fromFolder = BuildPhotoList(filesOn(folder, scratch.path()), QStringLiteral("E:")).count;
    });
    out() << "photos listed: image " << fromImage << ", folder " << fromFolder << '\n';
    row("photo list (32,766 photos)", imageMs, folderMs, imageMs / folderMs, "<= 1.5x");
    return fromImage == fromFolder ? 0 : 1;
}

double stepMilliseconds(const FileSystem &files, const QStringList &photos)
{
    QList<double> times;
    for (int run = 0; run < Runs; ++run) {
        for (const QString &photo : photos) {
            times.append(millisecondsOf([&] {
                const std::unique_ptr<QIODevice> device =
                    files.open(QStringLiteral("E:\\zarvicks\\") + photo);
                QImageReader reader(device.get());
                reader.setScaledSize(reader.size().scaled(QSize(620, 356), Qt::KeepAspectRatio));
                reader.read();
            }));
        }
    }
    return median(times);
}

double copyMilliseconds(const FileSystem &files, const QStringList &photos, const QString &to)
{
    QDir(to).removeRecursively();
    QDir().mkpath(to);
    return millisecondsOf([&] {
        for (const QString &photo : photos)
            files.copyFile(QStringLiteral("E:\\zarvicks\\") + photo,
                           to + QLatin1Char('\\') + photo);
    });
}

int photos(const QTemporaryDir &scratch, const QString &sampleDisc)
{
    const QString folder = scratch.filePath(QStringLiteral("photos"));
    if (!copyFolder(sampleDisc + QStringLiteral("/zarvicks"), folder + QStringLiteral("/zarvicks")))
        return 1;
    const QString image = imageOf(folder, scratch.filePath(QStringLiteral("photos.iso")));
    if (image.isEmpty())
        return 1;
    const FileSystem fromImage = filesOn(image, scratch.path());
    const FileSystem fromFolder = filesOn(folder, scratch.path());
    const QStringList names = fromFolder.list(QStringLiteral("E:\\zarvicks\\*.jpg"));
    const double imageStep = stepMilliseconds(fromImage, names);
    const double folderStep = stepMilliseconds(fromFolder, names);
    row("photo step", imageStep, folderStep, imageStep / folderStep, "<= 1.2x");

    QList<double> ours;
    QList<double> tools;
    for (int run = 0; run < Runs; ++run) {
        ours.append(copyMilliseconds(fromImage, names, scratch.filePath(QStringLiteral("ours"))));
        QDir(scratch.filePath(QStringLiteral("cp"))).removeRecursively();
        tools.append(millisecondsOf([&] {
            QProcess::execute(QStringLiteral("cp"),
                              {QStringLiteral("-r"), folder + QStringLiteral("/zarvicks"),
                               scratch.filePath(QStringLiteral("cp"))});
        }));
    }
    // The figure is the speed against cp -r from the extracted folder.
    row("copy photos (vs cp -r)", median(ours), median(tools), median(tools) / median(ours),
        ">= 0.8x");
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (test::xorrisoProgram().isEmpty()) {
        out() << "xorriso is not installed\n";
        return 1;
    }
    const QString sampleDisc = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                        : QStringLiteral(GALLERION_SAMPLE_DISC_DIR "/disc");
    QTemporaryDir scratch;
    if (!scratch.isValid())
        return 1;
    const int failed = listing(scratch) + photos(scratch, sampleDisc);
    out().flush();
    return failed == 0 ? 0 : 1;
}
