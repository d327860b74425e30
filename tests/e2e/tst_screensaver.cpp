#include "platform/settingsstore.h"
#include "startup/programstate.h"
#include "startup/screensaversettings.h"
#include "support/e2e.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace gallerion;
using namespace gallerion::test;

namespace {

const QString ProgramName = QStringLiteral("Zarvick2001.scr");

QString setting(const char *key)
{
    return SettingsStore().value(screenSaverSettingsApp(), QStringLiteral("Settings"),
                                 QLatin1String(key), QStringLiteral("(none)"));
}

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString installedProgram()
{
    return QDir(qEnvironmentVariable("XDG_DATA_HOME"))
        .filePath(QStringLiteral("zarvick-gallerion/") + ProgramName);
}

QPushButton *listButton(const char *name)
{
    return controlOf<QPushButton>(QStringLiteral("frmSSPhoto"), QLatin1String(name));
}

// Enabled states of Add, Remove and Remove all.
QString listButtons()
{
    QString states;
    for (const char *name : {"SSCommand7", "SSCommand8", "SSCommand2"})
        states += listButton(name)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
    return states;
}

// The copy ends with a box over the window as it now stands.
bool answered(const BoxAnswerer &boxes, int count)
{
    return boxes.texts().size() == count;
}

QString photoOnView()
{
    return programState()->entries().photoPath().section(QLatin1Char('\\'), -1);
}

void rightClickPhoto()
{
    QTest::mouseClick(control(QStringLiteral("Image4")), Qt::RightButton);
}

// Opens the installation panel, steps the spinner up as often as asked and
// clicks Install.
void installWithSteps(int upSteps)
{
    menuEntry(QStringLiteral("mnuSaver"))->trigger();
    QWidget *spin = control(QStringLiteral("SpinInterval"));
    for (int i = 0; i < upSteps; ++i)
        QMetaObject::invokeMethod(spin, "spinUp");
    click(QStringLiteral("SSCommand4"));
}

} // namespace

class ScreenSaverTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void photoListAddsAndRemoves();
    void failedAddAndRemoveKeepTheButtons();
    void installsTwiceAndRegistersOnce();
    void missingProgramKeepsTheSettings();

private:
    QTemporaryDir m_home;
};

void ScreenSaverTest::initTestCase()
{
    qputenv("GALLERION_SCREEN", "800x600");
    qputenv("HOME", m_home.path().toLocal8Bit());
}

void ScreenSaverTest::photoListAddsAndRemoves()
{
    DiscFixture fixture;
    const QString list = fixture.programDir() + QStringLiteral("/sszarvicks");
    BoxAnswerer boxes(
        {QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Yes, QMessageBox::Ok});
    QStringList states;
    QStringList afterAdd;
    QStringList afterRemoveAll;
    QString photo;
    bool listClosedBySlideShow = false;
    runWithMainWindow(fixture, [&](Script &script) {
        script
            .then([&] {
                clickYear(4);
                rightClickPhoto();
                photo = photoOnView();
                states << listButtons();
                listButton("SSCommand7")->click();
            })
            .then([&] { return answered(boxes, 1); },
                  [&] {
                      states << listButtons();
                      afterAdd = QDir(list).entryList(QDir::Files);
                      listButton("SSCommand8")->click();
                      states << listButtons();
                      listButton("SSCommand7")->click();
                  })
            .then([&] { return answered(boxes, 3); },
                  [&] {
                      listButton("SSCommand2")->click();
                      states << listButtons();
                      afterRemoveAll = QDir(list).entryList(QDir::Files);
                  })
            .thenStart([] { menuEntry(QStringLiteral("mnuSlideShow"))->trigger(); })
            .then([] { return windowShown(QStringLiteral("frmSlide")); },
                  [&] { listClosedBySlideShow = !windowShown(QStringLiteral("frmSSPhoto")); });
    });
    QCOMPARE(states, (QStringList{"100", "011", "100", "100"}));
    QCOMPARE(afterAdd, QStringList{photo});
    QCOMPARE(afterRemoveAll, QStringList());
    QCOMPARE(boxes.texts().mid(0, 4),
             (QStringList{"Photo Successfully Copied!", "Photo Successfully Removed!",
                          "Photo Successfully Copied!",
                          "Would you like to remove all photos from the Zarvick Gallerion Screen "
                          "Saver list?"}));
    QVERIFY(boxes.texts().at(4).startsWith("All Photos Successfully Removed!\r\n"));
    QVERIFY(listClosedBySlideShow);
}

// A list that cannot take the photo, or give it up, says so and leaves the
// buttons as they were.
void ScreenSaverTest::failedAddAndRemoveKeepTheButtons()
{
    DiscFixture fixture;
    const QString list = fixture.programDir() + QStringLiteral("/sszarvicks");
    writeFile(list, "a file where the list's folder should be");
    BoxAnswerer boxes({QMessageBox::Ok, QMessageBox::Ok});
    QStringList states;
    bool kept = false;
    runWithMainWindow(fixture, [&](Script &script) {
        script
            .then([&] {
                clickYear(4);
                rightClickPhoto();
                states << listButtons();
                listButton("SSCommand7")->click();
            })
            .then([&] { return answered(boxes, 1); },
                  [&] {
                      states << listButtons();
                      // The photo's copy is now a folder, which removing a file cannot take.
                      const QString copy = list + QLatin1Char('/') + photoOnView();
                      QFile::remove(list);
                      QDir().mkpath(copy + QStringLiteral("/kept"));
                      clickYear(5);
                      clickYear(4);
                      states << listButtons();
                      listButton("SSCommand8")->click();
                      states << listButtons();
                      kept = QFileInfo::exists(copy + QStringLiteral("/kept"));
                  });
    });
    QCOMPARE(states, (QStringList{"100", "100", "010", "010"}));
    QVERIFY(kept);
    QCOMPARE(boxes.texts().size(), 2);
    QVERIFY(boxes.texts().at(0).startsWith("The photo could not be added"));
    QVERIFY(boxes.texts().at(1).startsWith("The photo could not be removed"));
}

// The second installation finds an older program and the X screen saver's
// settings file with our entry from the first.
void ScreenSaverTest::installsTwiceAndRegistersOnce()
{
    DiscFixture fixture;
    const QString config = m_home.filePath(QStringLiteral(".xscreensaver"));
    writeFile(config, "mode:\t\trandom\nprograms:\t\t\\\n\t\tmaze --root\t\\n\\\n"
                      "- GL:\t\tcubicgrid --root\t\\n\n\nlock:\t\tFalse\n");
    // The fixture's program file links to the shared sample disc: replace the link, not its target.
    fixture.removeProgramFile(ProgramName);
    writeFile(fixture.programDir() + QLatin1Char('/') + ProgramName, "first");
    BoxAnswerer boxes({QMessageBox::No, QMessageBox::Ok, QMessageBox::No, QMessageBox::Ok});
    bool selectedEnabled = true;
    QStringList first;
    QString exitCaption;
    runWithMainWindow(fixture, [&](Script &script) {
        script.then([&] {
            installWithSteps(0);
            selectedEnabled = control(QStringLiteral("Option1(1)"))->isEnabled();
            first = {setting("Interval"), setting("ZarvicksDir"),
                     QString::fromLatin1(readFile(installedProgram()))};
            writeFile(fixture.programDir() + QLatin1Char('/') + ProgramName, "second");
            installWithSteps(1);
            exitCaption = control<QPushButton>(QStringLiteral("SSCommand6"))->text();
        });
    });
    const QString discPhotos = QDir(fixture.discDir()).filePath(QStringLiteral("zarvicks/"));
    QVERIFY(!selectedEnabled);
    QCOMPARE(first, (QStringList{"1", discPhotos, "first"}));
    QCOMPARE(setting("Interval"), QStringLiteral("2"));
    QCOMPARE(setting("ZarvicksDir"), discPhotos);
    QCOMPARE(readFile(installedProgram()), QByteArray("second"));
    QVERIFY(QFileInfo(installedProgram()).isExecutable());
    QCOMPARE(exitCaption, QStringLiteral("Exit"));
    QCOMPARE(boxes.texts().size(), 4);
    QVERIFY(boxes.texts().at(3).contains("Choose Zarvick Gallerion"));
    const QString written = QString::fromLocal8Bit(readFile(config));
    QCOMPARE(written.count(installedProgram()), 1);
    QVERIFY(written.contains("- GL:\t\tcubicgrid --root\t\\n\\\n"));
    QVERIFY(written.endsWith("\n\nlock:\t\tFalse\n"));
    QVERIFY(readFile(config + QStringLiteral(".bak")).startsWith("mode:\t\trandom\n"));
}

void ScreenSaverTest::missingProgramKeepsTheSettings()
{
    DiscFixture fixture;
    fixture.removeProgramFile(ProgramName);
    QFile::remove(installedProgram());
    BoxAnswerer boxes({QMessageBox::No, QMessageBox::Ok});
    QString code;
    QString exitCaption;
    runOnMainWindow(fixture, [&] {
        installWithSteps(2);
        code = programState()->ErrorCode;
        exitCaption = control<QPushButton>(QStringLiteral("SSCommand6"))->text();
    });
    QCOMPARE(code, QStringLiteral("ER049"));
    QCOMPARE(boxes.texts().size(), 2);
    QVERIFY(boxes.texts().at(1).contains(" Unable to find Screen Saver."));
    QCOMPARE(setting("Interval"), QStringLiteral("3"));
    QVERIFY(!QFileInfo::exists(installedProgram()));
    QCOMPARE(exitCaption, QStringLiteral("Cancel"));
}

QTEST_MAIN(ScreenSaverTest)
#include "tst_screensaver.moc"
