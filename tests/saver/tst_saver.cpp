#include "platform/filesystem.h"
#include "platform/settingsstore.h"
#include "saver/saveroptions.h"
#include "saver/saverplan.h"
#include "saver/saverrun.h"
#include "startup/screensaversettings.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace gallerion;

namespace {

// The screen saver's own window once it shows.
QWidget *saverWindow()
{
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (window->objectName() == QLatin1String("ScreenSaver") && window->isVisible())
            return window;
    }
    return nullptr;
}

int runSaver(const QStringList &arguments = {})
{
    QList<QByteArray> storage{QByteArrayLiteral("Zarvick2001.scr")};
    for (const QString &argument : arguments)
        storage.append(argument.toLocal8Bit());
    QList<char *> argv;
    for (QByteArray &argument : storage)
        argv.append(argument.data());
    return runScreenSaver(int(argv.size()), argv.data());
}

// Polls the running saver until done() holds, then presses a key; gives up
// (closing the window) after a while so a failing test does not hang.
void pressKeyWhen(const std::function<bool(QWidget *)> &done)
{
    auto *timer = new QTimer(qApp);
    auto waited = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, waited, done] {
        QWidget *window = saverWindow();
        *waited += 50;
        if (window && (done(window) || *waited > 15000)) {
            QTest::keyClick(window, Qt::Key_Space);
            timer->deleteLater();
        }
    });
    timer->start(50);
}

void writePhoto(const QString &path, QColor colour)
{
    QImage image(160, 120, QImage::Format_RGB32);
    image.fill(colour);
    QVERIFY(image.save(path, "JPEG"));
}

} // namespace

class SaverTest : public QObject
{
    Q_OBJECT

private slots:
    void readsItsCommandLine_data();
    void readsItsCommandLine();
    void showsThePhotosInTurnUntilAKey();
    void saysWhyWhenThereIsNothingToShow();
};

void SaverTest::readsItsCommandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("environment");
    QTest::addColumn<int>("mode"); // -1: refused
    QTest::addColumn<quint64>("window");
    QTest::newRow("nothing") << QStringList{} << "" << int(SaverMode::FullScreen) << 0ull;
    QTest::newRow("preview") << QStringList{"--window"} << "" << int(SaverMode::InWindow) << 0ull;
    QTest::newRow("hex id") << QStringList{"-window-id", "0x2a00007"} << ""
                            << int(SaverMode::Embedded) << 0x2a00007ull;
    QTest::newRow("decimal id") << QStringList{"--window-id", "1234"} << ""
                                << int(SaverMode::Embedded) << 1234ull;
    QTest::newRow("root in xscreensaver")
        << QStringList{"--root"} << "0x1e00004" << int(SaverMode::Embedded) << 0x1e00004ull;
    QTest::newRow("preview of xscreensaver's settings")
        << QStringList{"--root", "--window-id", "0x3a0000c"} << "0x1e00004"
        << int(SaverMode::Embedded) << 0x3a0000cull;
    QTest::newRow("root alone") << QStringList{"-root"} << "" << int(SaverMode::FullScreen) << 0ull;
    QTest::newRow("bad id") << QStringList{"-window-id", "zero"} << "" << -1 << 0ull;
    QTest::newRow("missing id") << QStringList{"-window-id"} << "" << -1 << 0ull;
    QTest::newRow("unknown") << QStringList{"/s"} << "" << -1 << 0ull;
}

void SaverTest::readsItsCommandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, environment);
    QFETCH(int, mode);
    QFETCH(quint64, window);
    const std::optional<SaverOptions> options = parseSaverOptions(arguments, environment);
    QCOMPARE(options.has_value(), mode >= 0);
    if (!options)
        return;
    QCOMPARE(int(options->mode), mode);
    QCOMPARE(options->windowId, window);
}

void SaverTest::showsThePhotosInTurnUntilAKey()
{
    QTemporaryDir photos;
    const QStringList names{"64AAAA01.JPG", "65BBBB01.jpg", "66CCCC01.JPG"};
    const QList<QColor> colours{Qt::red, Qt::green, Qt::blue};
    for (int i = 0; i < names.size(); ++i)
        writePhoto(photos.filePath(names.at(i)), colours.at(i));
    QFile::copy(photos.filePath(names.first()), photos.filePath("notes.txt"));
    SettingsStore store;
    writeScreenSaverSettings(store, {1, photos.path() + QLatin1Char('/')});

    QStringList shown;
    QList<QRgb> centres;
    pressKeyWhen([&](QWidget *window) {
        const QString photo = window->property("photo").toString();
        if (!photo.isEmpty() && (shown.isEmpty() || shown.last() != photo)) {
            shown.append(photo);
            const QImage grab = window->grab().toImage();
            centres.append(grab.pixel(grab.rect().center()));
        }
        return shown.size() == 4;
    });
    QCOMPARE(runSaver(), 0);
    QCOMPARE(saverWindow(), nullptr);
    QStringList expected;
    for (const QString &name : names)
        expected.append(photos.filePath(name));
    expected.append(expected.first());
    QCOMPARE(shown, expected);
    for (int i = 0; i < centres.size(); ++i) {
        const QColor wanted = colours.at(i % 3);
        QVERIFY2(qAbs(qRed(centres.at(i)) - wanted.red()) < 40 &&
                     qAbs(qGreen(centres.at(i)) - wanted.green()) < 40 &&
                     qAbs(qBlue(centres.at(i)) - wanted.blue()) < 40,
                 qPrintable(QString::number(i)));
    }
}

void SaverTest::saysWhyWhenThereIsNothingToShow()
{
    SettingsStore store;
    store.setValue(screenSaverSettingsApp(), "Settings", "Interval", "soon");
    QVERIFY(planScreenSaver(store, FileSystem::fromEnvironment()).why.contains("not set up"));

    QTemporaryDir empty;
    writeScreenSaverSettings(store, {5, empty.path() + QLatin1Char('/')});
    QString line;
    bool photoShown = true;
    QRgb corner = 0;
    pressKeyWhen([&](QWidget *window) {
        line = window->findChild<QLabel *>(QStringLiteral("Why"))->text();
        photoShown = window->findChild<QWidget *>(QStringLiteral("Photo"))->isVisible();
        corner = window->grab().toImage().pixel(2, 2);
        return true;
    });
    QCOMPARE(runSaver({"--window"}), 0);
    QCOMPARE(line, QStringLiteral("There are no Zarvick photos in ") + empty.path());
    QVERIFY(!photoShown);
    QCOMPARE(qGray(corner), 0);
}

QTEST_MAIN(SaverTest)
#include "tst_saver.moc"
