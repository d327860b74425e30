// Feeds arbitrary bytes to the RTF reader and lays the result out as the
// viewer would.
#include "rtf/rtfreader.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QTextDocument>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Fonts and images need an application object for the whole run.
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QTextDocument document;
    gallerion::rtf::readRtf(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)),
                            &document);
    document.setTextWidth(520);
    document.documentLayout()->documentSize();
    return 0;
}
