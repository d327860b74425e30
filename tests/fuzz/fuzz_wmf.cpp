// Fuzzed sources: src/rtf/*.cpp
// Plays arbitrary bytes as a Windows metafile, as a picture in a document would be.
#include "fuzzinput.h"
#include "rtf/rtfmetafile.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    gallerion::fuzz::startApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = gallerion::fuzz::bytes(data, size);
    gallerion::rtf::renderWindowsMetafile(input, QSize(160, 120));
    return 0;
}
