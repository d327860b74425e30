#include "platform/photodecoder.h"
#include "platform/photoloader.h"

#include <QFile>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <algorithm>
#include <thread>

using namespace gallerion;

namespace {

// Decodes for real and records every decode; can hold one photo's decode until
// released, so that a test knows what the worker is busy with.
struct Recorder
{
    QMutex mutex;
    QStringList started;
    int finished = 0;
    QString held;
    QSemaphore begun;
    QSemaphore release;

    PhotoLoader::Decoder decoder()
    {
        return [this](const QString &path, const QSize &box) {
            if (begin(path))
                release.acquire();
            const QImage image = readImageFitting(path, box);
            QMutexLocker lock(&mutex);
            ++finished;
            return image;
        };
    }
    bool begin(const QString &path)
    {
        QMutexLocker lock(&mutex);
        started.append(path);
        begun.release();
        return std::exchange(held, QString()) == path;
    }
    QStringList decoded()
    {
        QMutexLocker lock(&mutex);
        return started;
    }
};

QStringList spied(const QSignalSpy &spy)
{
    QStringList paths;
    for (const QList<QVariant> &arguments : spy)
        paths.append(arguments.at(0).toString());
    return paths;
}

} // namespace

class TestPhotoLoader : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void fitsTheBox_data();
    void fitsTheBox();
    void unreadableIsNull();
    void preloadedPhotoIsTakenWithoutDecoding();
    void runningDecodeIsAwaitedNotRepeated();
    void keepsThePhotoOnViewAndTwoNeighbours();
    void boxChangeDropsEverything();
    void newerPreloadReplacesTheQueue();
    void destroyingWaitsForTheRunningDecode();

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QString write(const QString &name, QSize size, QColor colour);

    QTemporaryDir m_dir;
    QStringList m_steps; // photos of one entry, each its own colour
    const QSize m_box{200, 200};
};

QString TestPhotoLoader::write(const QString &name, QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    const QString file = path(name);
    if (!image.save(file, nullptr, 95))
        qFatal("cannot write %s", qPrintable(file));
    return file;
}

void TestPhotoLoader::initTestCase()
{
    QVERIFY(m_dir.isValid());
    for (int i = 0; i < 5; ++i)
        m_steps.append(write(QStringLiteral("step%1.jpg").arg(i), {800, 600},
                             QColor::fromHsv(i * 70, 255, 200)));
    write(QStringLiteral("tall.png"), {300, 600}, Qt::blue);
    write(QStringLiteral("big.jpg"), {4000, 3000}, Qt::darkGreen);
    QFile corrupt(path(QStringLiteral("corrupt.jpg")));
    QVERIFY(corrupt.open(QIODevice::WriteOnly));
    corrupt.write(QByteArray("\xff\xd8\xff\xe0 not a photo at all", 24));
    corrupt.close();
    QFile empty(path(QStringLiteral("empty.jpg")));
    QVERIFY(empty.open(QIODevice::WriteOnly));
}

void TestPhotoLoader::fitsTheBox_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("box");
    QTest::addColumn<QSize>("fitted");
    QTest::newRow("landscape jpeg") << "step0.jpg" << QSize(200, 200) << QSize(200, 150);
    QTest::newRow("portrait png") << "tall.png" << QSize(100, 100) << QSize(50, 100);
    QTest::newRow("smaller than the box: enlarged")
        << "step0.jpg" << QSize(1000, 1000) << QSize(1000, 750);
    QTest::newRow("big jpeg, odd box") << "big.jpg" << QSize(333, 500) << QSize(333, 249);
}

void TestPhotoLoader::fitsTheBox()
{
    QFETCH(QString, name);
    QFETCH(QSize, box);
    QFETCH(QSize, fitted);
    PhotoLoader loader;
    QCOMPARE(loader.photo(path(name), box).size(), fitted);
    QVERIFY(loader.isReady(path(name), box));
}

void TestPhotoLoader::unreadableIsNull()
{
    PhotoLoader loader;
    const QStringList unreadable{path(QStringLiteral("missing.jpg")),
                                 path(QStringLiteral("corrupt.jpg")),
                                 path(QStringLiteral("empty.jpg"))};
    for (const QString &file : unreadable)
        QVERIFY2(loader.photo(file, m_box).isNull(), qPrintable(file));
    // The worker takes them in order, so once the last is ready the others were tried.
    loader.preload({unreadable.at(1), m_steps.at(1)}, m_box);
    QTRY_VERIFY(loader.isReady(m_steps.at(1), m_box));
    QVERIFY(!loader.isReady(unreadable.at(1), m_box));
    QVERIFY(loader.photo(unreadable.at(1), m_box).isNull());
}

void TestPhotoLoader::preloadedPhotoIsTakenWithoutDecoding()
{
    Recorder recorder;
    PhotoLoader loader(recorder.decoder());
    QSignalSpy spy(&loader, &PhotoLoader::preloaded);
    loader.photo(m_steps.at(0), m_box);
    loader.preload({m_steps.at(2), m_steps.at(1)}, m_box);
    QTRY_COMPARE(spy.count(), 2);
    QCOMPARE(spied(spy), (QStringList{m_steps.at(2), m_steps.at(1)}));

    QCOMPARE(loader.photo(m_steps.at(2), m_box), readImageFitting(m_steps.at(2), m_box));
    QCOMPARE(recorder.decoded(), (QStringList{m_steps.at(0), m_steps.at(2), m_steps.at(1)}));
}

void TestPhotoLoader::runningDecodeIsAwaitedNotRepeated()
{
    Recorder recorder;
    const QString big = path(QStringLiteral("big.jpg"));
    recorder.held = big;
    PhotoLoader loader(recorder.decoder());
    loader.preload({big}, m_box);
    recorder.begun.acquire();
    // Let the worker go on only once photo() is likely waiting for it; either
    // order must give one decode.
    std::thread releaser([&recorder] {
        QThread::msleep(50);
        recorder.release.release();
    });
    const QImage image = loader.photo(big, m_box);
    releaser.join();
    QCOMPARE(image.size(), QSize(200, 150));
    QCOMPARE(recorder.decoded(), QStringList{big});
    QVERIFY(loader.isReady(big, m_box));
}

void TestPhotoLoader::keepsThePhotoOnViewAndTwoNeighbours()
{
    Recorder recorder;
    PhotoLoader loader(recorder.decoder());
    for (int i = 0; i < m_steps.size(); ++i) {
        QVERIFY(!loader.photo(m_steps.at(i), m_box).isNull());
        QStringList neighbours = m_steps.mid(i + 1, 1);
        if (i > 0)
            neighbours.append(m_steps.at(i - 1));
        loader.preload(neighbours, m_box);
        for (const QString &neighbour : std::as_const(neighbours))
            QTRY_VERIFY(loader.isReady(neighbour, m_box));
        for (int j = 0; j < m_steps.size(); ++j)
            QCOMPARE(loader.isReady(m_steps.at(j), m_box), qAbs(i - j) <= 1);
    }
    // Stepping on, the photo left behind is the previous neighbour: none is decoded twice.
    QCOMPARE(recorder.decoded(), m_steps);

    // A jump away while both neighbours are ready still keeps no more than three.
    loader.preload({m_steps.at(3), m_steps.at(2)}, m_box);
    QTRY_VERIFY(loader.isReady(m_steps.at(2), m_box));
    const QString jumped = path(QStringLiteral("tall.png"));
    QVERIFY(!loader.photo(jumped, m_box).isNull());
    QVERIFY(loader.isReady(jumped, m_box));
    const auto ready = std::count_if(m_steps.cbegin(), m_steps.cend(), [&](const QString &step) {
        return loader.isReady(step, m_box);
    });
    QCOMPARE(ready, 2);
}

void TestPhotoLoader::boxChangeDropsEverything()
{
    PhotoLoader loader;
    const QSize larger(400, 400);
    loader.photo(m_steps.at(0), m_box);
    loader.preload({m_steps.at(1)}, m_box);
    QTRY_VERIFY(loader.isReady(m_steps.at(1), m_box));

    QCOMPARE(loader.photo(m_steps.at(2), larger).size(), QSize(400, 300));
    QVERIFY(loader.isReady(m_steps.at(2), larger));
    QVERIFY(!loader.isReady(m_steps.at(0), m_box));
    QVERIFY(!loader.isReady(m_steps.at(1), m_box));
    QVERIFY(!loader.isReady(m_steps.at(1), larger));
    // Not the photo decoded for the smaller box.
    QCOMPARE(loader.photo(m_steps.at(1), larger).size(), QSize(400, 300));
}

void TestPhotoLoader::newerPreloadReplacesTheQueue()
{
    Recorder recorder;
    const QString busy = m_steps.at(0);
    recorder.held = busy;
    PhotoLoader loader(recorder.decoder());
    QSignalSpy spy(&loader, &PhotoLoader::preloaded);
    loader.preload({busy, m_steps.at(1)}, m_box);
    recorder.begun.acquire();
    loader.preload({busy, m_steps.at(2)}, m_box);
    recorder.release.release();
    QTRY_COMPARE(spy.count(), 2);
    // The running decode is kept, not restarted; the replaced one never starts.
    QCOMPARE(spied(spy), (QStringList{busy, m_steps.at(2)}));
    QCOMPARE(recorder.decoded(), (QStringList{busy, m_steps.at(2)}));
    QVERIFY(!loader.isReady(m_steps.at(1), m_box));
}

void TestPhotoLoader::destroyingWaitsForTheRunningDecode()
{
    Recorder recorder;
    auto *loader = new PhotoLoader(recorder.decoder());
    const QString big = path(QStringLiteral("big.jpg"));
    // Whole, for a long decode.
    loader->preload({big, m_steps.at(0)}, QSize(4000, 3000));
    recorder.begun.acquire();
    delete loader;
    QMutexLocker lock(&recorder.mutex);
    QCOMPARE(recorder.started.first(), big);
    QCOMPARE(recorder.finished, recorder.started.size());
}

QTEST_GUILESS_MAIN(TestPhotoLoader)
#include "tst_photoloader.moc"
