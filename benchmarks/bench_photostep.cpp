// Times what the user waits for in one photo step of the main window
// (ShowNextPhoto and the repaint of Image4, with the next photo already decoded
// ahead while the current one was on view) against decoding the same JPEG
// whole, in process with QImageReader and with djpeg. Run on the sample disc's
// photos and on large photos made here.

#include "browser/entrybrowser.h"
#include "browser/mainwindow.h"
#include "browser/photoview.h"
#include "catalogue/entries.h"
#include "catalogue/photolist.h"
#include "mainwindowsession.h"
#include "measure.h"
#include "platform/photodecoder.h"
#include "platform/photoloader.h"
#include "platform/platform.h"
#include "startup/contentlists.h"
#include "startup/programstate.h"
#include "support/scriptedmessageboxes.h"
#include "platform/webbrowser.h"
#include "platform/filesystem.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImageReader>
#include <QLinearGradient>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

#include <algorithm>
#include <functional>
#include <memory>

using namespace gallerion;
using namespace gallerion::bench;

namespace {

constexpr int stepCount = 200;
constexpr int bigWidth = 3000;
constexpr int bigHeight = 2000;
constexpr int bigEntries = 4;
constexpr int bigPhotosPerEntry = 6;

// Counts the paints of one widget, to show that every step really repainted it.
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

// The main window with a counter of Image4's paints.
struct Session : MainWindowSession
{
    Session(const QString &discDir, const QSize &windowSize)
        : MainWindowSession(discDir, windowSize)
    {
        window.controls().Image4->installEventFilter(&counter);
    }

    PaintCounter counter;
};

int photosOfEntry(const EntryModel &entries, const QString &code)
{
    int photos = 0;
    for (int i = 0; i < entries.photoCount(); ++i)
        photos += entryCodeAt(entries.photoList().at(i), entries.codePosition()) == code ? 1 : 0;
    return photos;
}

struct YearEntry
{
    int button = 0;
    int photos = 0;
};

QList<YearEntry> yearsWithPhotos(const ProgramState &state)
{
    QList<YearEntry> years;
    for (int button = 1; button <= YearButtonCount; ++button) {
        const int photos = photosOfEntry(state.entries(), EntryCodeOf(YearCaptionOfButton(button)));
        if (photos > 1)
            years.append({button, photos});
    }
    return years;
}

struct StepRun
{
    QList<double> stepMs;
    // The same steps in their parts: the operation, Image4's paint, the rest.
    QList<double> operationMs;
    QList<double> paintMs;
    QList<double> restMs;
    QList<double> preloadMs; // waited for the neighbours before the step
    QStringList files;       // the native file each step showed
    int paints = 0;
    int messages = 0;
};

// The user looks at a photo for a moment before the next step: long enough
// for the loader to decode both neighbours. Returns how long that took.
double waitForNeighbours(Session &session)
{
    const EntryModel &entries = session.state.entries();
    const QSize box = session.window.controls().Image4->size();
    const auto ready = [&](bool forward) {
        const QString path = entries.photoList().value(entries.peek(forward) - 1);
        return session.window.photoLoader().isReady(session.platform.files().nativePath(path), box);
    };
    QElapsedTimer timer;
    timer.start();
    while (!(ready(true) && ready(false)) && timer.elapsed() < 5000) {
        QCoreApplication::processEvents();
        QThread::usleep(200);
    }
    return timer.nsecsElapsed() / 1e6;
}

void timeOneStep(Session &session, StepRun &run)
{
    run.preloadMs.append(waitForNeighbours(session));
    PhotoView *image4 = session.window.controls().Image4;
    const int paintsBefore = session.counter.paints;
    QElapsedTimer timer;
    timer.start();
    session.window.browser().ShowNextPhoto();
    const qint64 operation = timer.nsecsElapsed();
    image4->repaint();
    const qint64 painted = timer.nsecsElapsed();
    // The photo is on screen now. The events that follow (the photo number, the
    // focus, starting the next preload) are timed apart.
    QCoreApplication::processEvents();
    const qint64 total = timer.nsecsElapsed();
    run.stepMs.append(painted / 1e6);
    run.operationMs.append(operation / 1e6);
    run.paintMs.append((painted - operation) / 1e6);
    run.restMs.append((total - painted) / 1e6);
    run.paints += session.counter.paints - paintsBefore;
    run.files.append(session.platform.files().nativePath(session.state.entries().photoPath()));
}

// Opens one year after the other and steps once round each, until enough steps.
StepRun stepThroughYears(Session &session)
{
    StepRun run;
    const QList<YearEntry> years = yearsWithPhotos(session.state);
    if (years.isEmpty())
        return run;
    for (qsizetype next = 0; run.stepMs.size() < stepCount; ++next) {
        const YearEntry &year = years.at(next % years.size());
        session.window.browser().yearClicked(year.button);
        QCoreApplication::processEvents();
        for (int i = 0; i < year.photos && run.stepMs.size() < stepCount; ++i)
            timeOneStep(session, run);
    }
    run.messages = int(session.boxes->shown().size());
    return run;
}

QList<double> timeEach(const QStringList &files, const std::function<void(const QString &)> &work)
{
    QList<double> times;
    for (const QString &file : files)
        times.append(millisecondsOf([&] { work(file); }));
    return times;
}

void runDjpeg(const QString &file)
{
    QProcess process;
    process.start(QStringLiteral("djpeg"),
                  {QStringLiteral("-outfile"), QStringLiteral("/dev/null"), file});
    process.waitForFinished(-1);
}

void decodeWhole(const QString &file)
{
    QImageReader reader(file);
    const QImage image = reader.read();
    if (image.isNull())
        out() << "cannot decode " << file << '\n';
}

bool djpegRuns()
{
    QProcess process;
    process.start(QStringLiteral("djpeg"), {QStringLiteral("-version")});
    return process.waitForFinished(-1) && process.exitStatus() == QProcess::NormalExit;
}

// djpeg on an 8x8 photo: the cost of starting the process, for reading its figures.
double djpegStartupMs(const QString &dir)
{
    const QString tiny = dir + QStringLiteral("/tiny.jpg");
    QImage pixel(8, 8, QImage::Format_RGB32);
    pixel.fill(Qt::gray);
    pixel.save(tiny, "JPG", 85);
    return median(timeEach(QStringList(20, tiny), runDjpeg));
}

void printRow(const char *label, double ms, const QString &note = {})
{
    out() << qSetFieldWidth(34) << Qt::left << label << qSetFieldWidth(0)
          << QString::number(ms, 'f', 3) << " ms" << note << '\n';
}

void printRatio(const char *label, double ratio)
{
    out() << qSetFieldWidth(34) << Qt::left << label << qSetFieldWidth(0)
          << QString::number(ratio, 'f', 2) << '\n';
}

void measureSet(const QString &title, const QString &discDir, const QSize &windowSize,
                double startupMs)
{
    Session session(discDir, windowSize);
    const StepRun run = stepThroughYears(session);
    out() << "== " << title << " ==\n";
    if (run.stepMs.isEmpty()) {
        out() << "no year with photos under " << discDir << "/zarvicks\n\n";
        return;
    }
    const QSize box = session.window.controls().Image4->size();
    const QSize natural = QImageReader(run.files.first()).size();
    out() << "photos listed " << session.state.entries().photoCount() << ", photo "
          << natural.width() << 'x' << natural.height() << ", Image4 " << box.width() << 'x'
          << box.height() << ", steps " << run.stepMs.size() << ", Image4 paints " << run.paints
          << ", message boxes " << run.messages << '\n';
    const double step = median(run.stepMs);
    const double scaled =
        median(timeEach(run.files, [&](const QString &f) { readImageFitting(f, box); }));
    const double whole = median(timeEach(run.files, decodeWhole));
    const double djpeg = median(timeEach(run.files, runDjpeg));
    printRow("step, next photo ready", step,
             QStringLiteral("  median: ShowNextPhoto + paint, what the user waits for"));
    printRow("  ShowNextPhoto", median(run.operationMs), QStringLiteral("  median"));
    printRow("  Image4->repaint()", median(run.paintMs), QStringLiteral("  median"));
    printRow("then processEvents()", median(run.restMs),
             QStringLiteral("  median: labels, focus, preload start"));
    printRow("readImageFitting alone", scaled,
             QStringLiteral("  median, same files (a step without preloading)"));
    printRow("waited for the preload", median(run.preloadMs),
             QStringLiteral("  median, while the photo was on view"));
    printRow("full decode, QImageReader", whole, QStringLiteral("  median, same files"));
    printRow("djpeg -outfile /dev/null", djpeg,
             QStringLiteral("  median, same files; start-up %1 ms not subtracted")
                 .arg(startupMs, 0, 'f', 3));
    // The photo on view is decoded ahead at the shown size; in a large window a
    // step is a larger copy, which may cost up to one decode.
    const QString target = windowSize.width() > 800 ? QStringLiteral("1") : QStringLiteral("0.25");
    printRatio(qPrintable(QStringLiteral("step / full decode (target <= %1)").arg(target)),
               step / whole);
    printRatio("step / djpeg", step / djpeg);
    printRatio("readImageFitting / full decode", scaled / whole);
    out() << '\n';
}

void addNoise(QImage &image, QRandomGenerator &random)
{
    const auto shift = [](int channel, quint32 bits) {
        return std::clamp(channel + int(bits & 31) - 16, 0, 255);
    };
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const quint32 bits = random.generate();
            line[x] = qRgb(shift(qRed(line[x]), bits), shift(qGreen(line[x]), bits >> 5),
                           shift(qBlue(line[x]), bits >> 10));
        }
    }
}

QColor randomColor(QRandomGenerator &random, int alpha)
{
    return QColor::fromRgb(random.bounded(256), random.bounded(256), random.bounded(256), alpha);
}

void drawShapes(QPainter &painter, QRandomGenerator &random)
{
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 80; ++i) {
        const QRect area(random.bounded(bigWidth), random.bounded(bigHeight),
                         40 + random.bounded(900), 40 + random.bounded(700));
        painter.setPen(QPen(randomColor(random, 255), 1 + random.bounded(12)));
        painter.setBrush(randomColor(random, 60 + random.bounded(160)));
        if (i % 3 == 0)
            painter.drawEllipse(area.translated(-area.width() / 2, -area.height() / 2));
        else if (i % 3 == 1)
            painter.drawRect(area.translated(-area.width() / 2, -area.height() / 2));
        else
            painter.drawLine(area.topLeft(), area.bottomRight());
    }
}

// Gradients, shapes and noise, so that the JPEG is about as dense as a photograph.
QImage makePhoto(quint32 seed)
{
    QRandomGenerator random(seed);
    QImage image(bigWidth, bigHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, bigWidth, bigHeight);
    gradient.setColorAt(0, randomColor(random, 255));
    gradient.setColorAt(0.5, randomColor(random, 255));
    gradient.setColorAt(1, randomColor(random, 255));
    painter.fillRect(image.rect(), gradient);
    drawShapes(painter, random);
    painter.end();
    addNoise(image, random);
    return image;
}

// A disc with only a photo folder: a few years with several large photos each.
bool makeLargePhotoDisc(const QString &discDir)
{
    const QString photoDir = discDir + QStringLiteral("/zarvicks");
    if (!QDir().mkpath(photoDir))
        return false;
    for (int entry = 0; entry < bigEntries; ++entry) {
        const QString code = EntryCodeOf(YearCaptionOfButton(entry + 1));
        for (int n = 1; n <= bigPhotosPerEntry; ++n) {
            const QString name =
                code + QStringLiteral("AAAA%1.jpg").arg(n, 2, 10, QLatin1Char('0'));
            if (!makePhoto(quint32(entry * 100 + n))
                     .save(photoDir + QLatin1Char('/') + name, "JPG", 85))
                return false;
        }
    }
    return true;
}

// Keeps the run's settings and data away from the user's own.
void isolateUserFolders(const QString &dir)
{
    for (const char *name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        qputenv(name, QDir(dir).filePath(QString::fromLatin1(name)).toLocal8Bit());
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir scratch;
    isolateUserFolders(scratch.path());
    QApplication app(argc, argv);
    const QString sampleDisc = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                        : QStringLiteral(GALLERION_SAMPLE_DISC_DIR "/disc");
    if (!scratch.isValid() || !djpegRuns()) {
        out() << "needs a temporary folder and djpeg (libjpeg-turbo-progs)\n";
        return 1;
    }
    const double startup = djpegStartupMs(scratch.path());
    const QSize designed(800, 600);
    const QSize fullHd(1920, 1080);
    measureSet(QStringLiteral("(a) sample disc photos: ") + sampleDisc, sampleDisc, designed,
               startup);
    measureSet(QStringLiteral("(a') the same in a 1920x1080 window"), sampleDisc, fullHd, startup);
    const QString largeDisc = scratch.path() + QStringLiteral("/large");
    if (!makeLargePhotoDisc(largeDisc)) {
        out() << "could not write the large photos\n";
        return 1;
    }
    const QString large =
        QStringLiteral("(b) %1x%2 photos, quality 85").arg(bigWidth).arg(bigHeight);
    measureSet(large, largeDisc, designed, startup);
    measureSet(large + QStringLiteral(", 1920x1080 window"), largeDisc, fullHd, startup);
    return 0;
}
