// Prints a 50-page article of the sample disc's kind to PDF and sets its
// speed beside the time the document viewer takes to lay the same document
// out on screen; then the size of the PDF per page.

#include "documents/documentviewer.h"
#include "measure.h"
#include "platform/printer.h"
#include "richtext.h"
#include "support/pdfreader.h"
#include "widgets/printrichtext.h"
#include "widgets/richtextbox.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextDocument>

using namespace gallerion;
using namespace gallerion::bench;

namespace {

constexpr int runs = 5;
constexpr int articlePages = 61; // lays out to 50 pages of A4

QString writeArticle(const QTemporaryDir &dir)
{
    sampledisc::DiscFile file;
    file.path = QStringLiteral("article.rtf");
    file.kind = sampledisc::FileKind::RichText;
    file.title = QStringLiteral("Zarvick Glossary");
    file.number = articlePages;
    file.variant = 3;
    const QString path = dir.filePath(file.path);
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return {};
    out.write(sampledisc::richTextFile(file));
    return path;
}

// The viewer lays the whole text out again at its width and draws what shows.
double screenLayoutMs(DocumentViewer &viewer)
{
    QTextDocument *document =
        viewer.findChild<RichTextBox *>(QStringLiteral("rtbText"))->document();
    return medianMilliseconds(runs, [&] {
        document->markContentsDirty(0, document->characterCount());
        document->documentLayout()->documentSize();
        viewer.grab();
    });
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString article = writeArticle(dir);
    qputenv("GALLERION_PRINT_DIR", dir.path().toLocal8Bit());

    DocumentViewer viewer(QStringLiteral("The Zarvick Gallerion       Zarvick Glossary"),
                          QSize(12000, 9000));
    QFile file(article);
    if (!file.open(QIODevice::ReadOnly) || !viewer.showDocument(file, article, article)) {
        out() << "The article could not be read.\n";
        return 1;
    }
    viewer.show();
    const double screen = screenLayoutMs(viewer);

    Printer printer;
    const double print = medianMilliseconds(
        runs, [&] { PrintRichText(printer, viewer.document(), 1440, 1440, 1440, 1440); });
    const QString pdf = printer.lastFileName();
    const int pages = test::pdfPages(pdf);
    if (pages == 0) {
        out() << "Nothing was printed: " << printer.lastError() << "\n";
        return 1;
    }

    out() << "Article of " << QFileInfo(article).size() / 1024 << " KB, " << pages
          << " printed pages (median of " << runs << " runs)\n";
    out() << "  on-screen layout in the viewer: " << screen << " ms\n";
    out() << "  print to PDF: " << print << " ms, " << pages * 1000.0 / print << " pages/s\n";
    out() << "  print / screen layout: " << print / screen << " (target at most 2)\n";
    out() << "  PDF: " << QFileInfo(pdf).size() / 1024.0 / pages
          << " KB per page (target under 100)\n";
    out().flush();
    return 0;
}
