// Fuzzed sources: src/rtf/*.cpp
// Seeds from the sample disc: disc/richtext/*.rtf
// Feeds arbitrary bytes to the RTF reader and lays the result out as the
// viewer would.
#include "fuzzinput.h"
#include "rtf/rtfreader.h"

#include <QAbstractTextDocumentLayout>
#include <QTextDocument>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    gallerion::fuzz::startApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QTextDocument document;
    gallerion::rtf::readRtf(gallerion::fuzz::bytes(data, size), &document);
    document.setTextWidth(520);
    document.documentLayout()->documentSize();
    return 0;
}
