#include "startup/programstate.h"
#include "support/accessibility.h"
#include "support/e2e.h"
#include "support/faultyfolder.h"
#include "support/pdfreader.h"
#include "widgets/richtextbox.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace gallerion;
using namespace gallerion::test;
using namespace Qt::Literals::StringLiterals;

namespace {

// Every job of the test becomes a PDF in a folder of its own.
class PrintFolder
{
public:
    PrintFolder() { qputenv("GALLERION_PRINT_DIR", m_dir.path().toLocal8Bit()); }
    ~PrintFolder() { qunsetenv("GALLERION_PRINT_DIR"); }
    QStringList jobs() const { return printedJobs(m_dir.path()); }

private:
    QTemporaryDir m_dir;
};

QPushButton *panelButton(const QString &name)
{
    return control<QWidget>(u"pnlPrint"_s)->findChild<QPushButton *>(name);
}

QString panelCaptions()
{
    return panelButton(u"cmdPrint"_s)->text() + u'/' + panelButton(u"cmdOK"_s)->text();
}

void tick(int section)
{
    control<QCheckBox>(u"Check1(%1)"_s.arg(section))->setChecked(true);
}

void selectYear(int list, const QString &year)
{
    auto *years = control<QListWidget>(u"List1(%1)"_s.arg(list));
    years->findItems(year, Qt::MatchExactly).constFirst()->setSelected(true);
}

// The three ways to print, each up to its last message box.
enum class PrintPath
{
    Article,
    Photo,
    Booklet
};

// Adds the steps that print by one path and wait for the box after the job,
// answering the question before it with yes.
void printBy(Script &script, PrintPath path, const BoxAnswerer &boxes)
{
    const auto boxesShown = [&boxes](int count) {
        return [&boxes, count] { return boxes.texts().size() == count; };
    };
    switch (path) {
    case PrintPath::Article:
        script.thenStart([] { menuEntry(u"mnuMisc(2)"_s)->trigger(); })
            .thenStart([] { controlOf<QPushButton>(u"txtForm"_s, u"cmdPrint"_s)->click(); })
            .then(
                [&boxes] {
                    return boxes.texts().size() == 2 &&
                           QApplication::activeModalWidget() == documentViewer();
                },
                [] { controlOf<QPushButton>(u"txtForm"_s, u"SSCommand1"_s)->click(); })
            .then([] { return !documentViewer(); }, [] {});
        break;
    case PrintPath::Photo:
        script.then([] { clickYear(4); })
            .thenStart([] { menuEntry(u"mnuPrintPhoto"_s)->trigger(); })
            .then(boxesShown(2), [] {});
        break;
    case PrintPath::Booklet:
        script
            .then([] {
                menuEntry(u"mnuPrnt"_s)->trigger();
                tick(0);
                tick(1);
            })
            .thenStart([] { panelButton(u"cmdPrint"_s)->click(); })
            .then(boxesShown(1), [] {});
        break;
    }
}

// A 10000 x 10000 photo: four hundred megabytes once decoded whole, far
// more than Qt decodes at once.
bool writeHugePhoto(const QString &path)
{
    QImage photo(10000, 10000, QImage::Format_Grayscale8);
    photo.fill(90);
    return photo.save(path, "JPEG", 40);
}

} // namespace

class PrintingTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void viewerPrintsOnlyAfterYes();
    void bookletPrintsCoverAndStopsAtMissingFile();
    void photoPrintsWithTitleAndCaption();
    void refusedJobsReportErrorNotCompletion();
    void printingFaultsReportErrorAndLeaveNoJob_data();
    void printingFaultsReportErrorAndLeaveNoJob();
    void hugePhotoPrintsAtPrintedSize();
};

void PrintingTest::init()
{
    if (!pdfToolsPresent())
        QSKIP("poppler-utils is needed to read the printed pages");
}

void PrintingTest::viewerPrintsOnlyAfterYes()
{
    DiscFixture fixture;
    PrintFolder folder;
    BoxAnswerer boxes({QMessageBox::No, QMessageBox::Yes, QMessageBox::Ok});
    qsizetype jobsAfterNo = -1;
    QString text;
    QString title;
    const auto printButton = [] { controlOf<QPushButton>(u"txtForm"_s, u"cmdPrint"_s)->click(); };
    runWithMainWindow(fixture, [&](Script &script) {
        script.thenStart([] { menuEntry(u"mnuMisc(2)"_s)->trigger(); })
            .then(documentViewerShown,
                  [&] {
                      title = documentViewer()->windowTitle();
                      text = controlOf<RichTextBox>(u"txtForm"_s, u"rtbText"_s)->toPlainText();
                  })
            .thenStart(printButton)
            .then([&] { return boxes.texts().size() == 1; },
                  [&] { jobsAfterNo = folder.jobs().size(); })
            .thenStart(printButton)
            .then(
                [&] {
                    return boxes.texts().size() == 3 &&
                           QApplication::activeModalWidget() == documentViewer();
                },
                [] { controlOf<QPushButton>(u"txtForm"_s, u"SSCommand1"_s)->click(); })
            .then([] { return !documentViewer(); }, [] {});
    });
    QCOMPARE(jobsAfterNo, 0);
    QCOMPARE(boxes.texts().value(0), u"Would you like to print the \r\n\r\n"_s + title + u'?');
    QCOMPARE(boxes.texts().value(2), u"Printing complete!"_s);
    QCOMPARE(folder.jobs().size(), 1);
    const QString job = folder.jobs().constFirst();
    QVERIFY(pdfPages(job) > 1);
    // The whole text, to its last word.
    const QStringList words = text.split(QRegularExpression(u"\\s+"_s), Qt::SkipEmptyParts);
    QCOMPARE(pdfWords(job).constLast(), words.constLast());
    QVERIFY(pdfWords(job).size() >= words.size());
}

void PrintingTest::bookletPrintsCoverAndStopsAtMissingFile()
{
    DiscFixture fixture;
    fixture.removeDiscFile(u"richtext/a0desc.rtf"_s);
    PrintFolder folder;
    BoxAnswerer boxes;
    QStringList seen;
    bool printEnabled = true;
    QString errorCode;
    QStringList unnamed{u"not read"_s};
    runWithMainWindow(fixture, [&](Script &script) {
        script
            .then([&] {
                menuEntry(u"mnuPrnt"_s)->trigger();
                unnamed = unnamedAccessibleObjects(control(u"pnlPrint"_s));
                printEnabled = panelButton(u"cmdPrint"_s)->isEnabled();
                seen << panelCaptions();
                tick(0);
            })
            .thenStart([] { panelButton(u"cmdPrint"_s)->click(); })
            .then([&] { return panelCaptions() == "Print Again/Exit"_L1; },
                  [&] {
                      seen << QString::number(folder.jobs().size());
                      panelButton(u"SSCommand7"_s)->click();
                      seen << panelCaptions();
                      tick(3);
                      selectYear(0, u"1999"_s);
                      selectYear(1, u"2001"_s);
                  })
            .thenStart([] { panelButton(u"cmdPrint"_s)->click(); })
            .then([&] { return boxes.texts().size() == 2; },
                  [&] {
                      errorCode = programState()->ErrorCode;
                      seen << panelCaptions();
                      panelButton(u"cmdOK"_s)->click();
                      seen << (control(u"pnlPrint"_s)->isVisible() ? u"shown"_s : u"hidden"_s);
                  });
    });
    QVERIFY(!printEnabled);
    QCOMPARE(unnamed, QStringList());
    QCOMPARE(seen, (QStringList{"Print/Cancel", "1", "Print/Cancel", "Print/Cancel", "hidden"}));
    QCOMPARE(boxes.texts().value(0), u"Booklet printed!\r\n"_s);
    QVERIFY(boxes.texts().value(1).contains(u"ER040"_s));
    QCOMPARE(errorCode, u"ER040"_s);

    // The lone cover is one page with its four pictures; then 1999's
    // description printed before the missing 2000 one stopped the booklet.
    const QStringList jobs = folder.jobs();
    QCOMPARE(jobs.size(), 2);
    QCOMPARE(pdfPages(jobs.at(0)), 1);
    QCOMPARE(pdfImageCount(jobs.at(0)), 4);
    QVERIFY(pdfText(jobs.at(1)).contains(u"1999 Description"_s));
}

void PrintingTest::photoPrintsWithTitleAndCaption()
{
    DiscFixture fixture;
    PrintFolder folder;
    BoxAnswerer boxes({QMessageBox::Cancel, QMessageBox::Ok});
    qsizetype jobsAfterCancel = -1;
    runWithMainWindow(fixture, [&](Script &script) {
        script.then([] { clickYear(4); })
            .thenStart([] { menuEntry(u"mnuPrintPhoto"_s)->trigger(); })
            .then([&] { return boxes.texts().size() == 1; },
                  [&] { jobsAfterCancel = folder.jobs().size(); })
            .thenStart([] { menuEntry(u"mnuPrintPhoto"_s)->trigger(); })
            .then([&] { return !folder.jobs().isEmpty(); }, [] {});
    });
    QCOMPARE(jobsAfterCancel, 0);
    QCOMPARE(boxes.texts().value(0), u"Would you like to print this photograph?"_s);
    QCOMPARE(boxes.titles().value(0), u"The Zarvick Gallerion 2001"_s);
    QCOMPARE(boxes.texts().size(), 2); // no message after the print
    const QString job = folder.jobs().constFirst();
    QCOMPARE(pdfPages(job), 1);
    QCOMPARE(pdfImageCount(job), 1);
    QCOMPARE(pdfWords(job), (QStringList{"The", "Zarvick", "Gallerion", "2001", "1967"}));
}

void PrintingTest::refusedJobsReportErrorNotCompletion()
{
    DiscFixture fixture;
    // A file where the print folder should be: no job can be written.
    QTemporaryDir dir;
    const QString blocked = dir.filePath(u"jobs"_s);
    QFile(blocked).open(QIODevice::WriteOnly);
    qputenv("GALLERION_PRINT_DIR", blocked.toLocal8Bit());
    BoxAnswerer boxes({QMessageBox::Yes, QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Ok});
    runWithMainWindow(fixture, [&](Script &script) {
        script.thenStart([] { menuEntry(u"mnuMisc(2)"_s)->trigger(); })
            .thenStart([] { controlOf<QPushButton>(u"txtForm"_s, u"cmdPrint"_s)->click(); })
            .then(
                [&] {
                    return boxes.texts().size() == 2 &&
                           QApplication::activeModalWidget() == documentViewer();
                },
                [] { controlOf<QPushButton>(u"txtForm"_s, u"SSCommand1"_s)->click(); })
            .then([] { return !documentViewer(); }, [] { clickYear(4); })
            .thenStart([] { menuEntry(u"mnuPrintPhoto"_s)->trigger(); })
            .then([&] { return boxes.texts().size() == 4; }, [] {});
    });
    qunsetenv("GALLERION_PRINT_DIR");
    QCOMPARE(boxes.texts().size(), 4);
    QVERIFY(boxes.texts().at(1).contains(u"ER040"_s));
    QVERIFY(boxes.texts().at(3).contains(u"ER040"_s));
    QVERIFY(QFileInfo(blocked).isFile());
}

void PrintingTest::printingFaultsReportErrorAndLeaveNoJob_data()
{
    QTest::addColumn<PrintPath>("path");
    QTest::addColumn<QString>("fault");
    const std::pair<const char *, PrintPath> paths[] = {
        {"article", PrintPath::Article},
        {"photo", PrintPath::Photo},
        {"booklet", PrintPath::Booklet},
    };
    for (const auto &[name, path] : paths) {
        for (const char *fault : {"missing", "not writable", "full"})
            QTest::addRow("%s, print folder %s", name, fault) << path << QString::fromLatin1(fault);
    }
}

// A print folder that cannot take the job ends every path in the program's
// own error, never in its completion message, and leaves no torn file.
void PrintingTest::printingFaultsReportErrorAndLeaveNoJob()
{
    QFETCH(PrintPath, path);
    QFETCH(QString, fault);
    DiscFixture fixture;
    std::unique_ptr<FaultyFolder> faulty;
    QString folder = fixture.scratchDir() + u"/no-such-folder"_s;
    if (fault != "missing"_L1) {
        faulty = std::make_unique<FaultyFolder>(fault == "full"_L1 ? FaultyFolder::Fault::Full
                                                                   : FaultyFolder::Fault::ReadOnly);
        if (!faulty->available())
            QSKIP(qPrintable(u"cannot make a print folder that is "_s + fault + u" here"_s));
        folder = faulty->path();
        qInfo("print folder: %s", qPrintable(faulty->how()));
    }
    qputenv("GALLERION_PRINT_DIR", folder.toLocal8Bit());
    BoxAnswerer boxes({QMessageBox::Yes});
    QString errorCode;
    runWithMainWindow(fixture, [&](Script &script) {
        printBy(script, path, boxes);
        script.then([&] { errorCode = programState()->ErrorCode; });
    });
    qunsetenv("GALLERION_PRINT_DIR");
    QVERIFY2(!boxes.texts().isEmpty(), "no message at all");
    QVERIFY2(boxes.texts().constLast().contains(u"ER040"_s), qPrintable(boxes.texts().join(u'|')));
    QCOMPARE(errorCode, u"ER040"_s);
    for (const QString &text : boxes.texts())
        QVERIFY2(!text.contains(u"complete"_s) && !text.contains(u"printed!"_s), qPrintable(text));
    QCOMPARE(printedJobs(folder), QStringList());
}

void PrintingTest::hugePhotoPrintsAtPrintedSize()
{
    DiscFixture fixture;
    const QString photo = u"zarvicks/67AAAA01.jpg"_s;
    fixture.removeDiscFile(photo);
    QVERIFY(writeHugePhoto(fixture.discDir() + u'/' + photo));
    PrintFolder folder;
    BoxAnswerer boxes({QMessageBox::Ok});
    QString shown;
    runWithMainWindow(fixture, [&](Script &script) {
        script
            .then([&] {
                clickYear(4);
                shown = programState()->property("CurrentPhotoPath").toString();
            })
            .thenStart([] { menuEntry(u"mnuPrintPhoto"_s)->trigger(); })
            .then([&] { return !folder.jobs().isEmpty(); }, [] {});
    });
    QVERIFY2(shown.endsWith(u"67AAAA01.jpg"_s, Qt::CaseInsensitive), qPrintable(shown));
    QCOMPARE(boxes.texts().size(), 1); // the question; no error after it
    const QString job = folder.jobs().constFirst();
    QCOMPARE(pdfImageCount(job), 1);
    // Decoded for the page, at most 300 dots an inch of it, not at ten thousand pixels.
    const QSize printed = pdfImageSizes(job).value(0);
    QVERIFY2(printed.width() > 1000 && printed.width() <= 8 * 300,
             qPrintable(QString::number(printed.width())));
    QCOMPARE(printed.width(), printed.height());
}

QTEST_MAIN(PrintingTest)
#include "tst_printing.moc"
