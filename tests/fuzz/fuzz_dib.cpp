// Fuzzed sources: src/rtf/*.cpp
// Reads arbitrary bytes as a device-independent bitmap, whole and with its bits apart, and as
// old device-dependent bits whose shape the first bytes choose.
#include "fuzzinput.h"
#include "rtf/rtfdib.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    gallerion::fuzz::startApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = gallerion::fuzz::bytes(data, size);
    gallerion::rtf::imageFromDib(input);
    const qsizetype split = input.isEmpty() ? 0 : quint8(input.at(0)) % (input.size() + 1);
    gallerion::rtf::imageFromDib(QByteArrayView(input).first(split),
                                 QByteArrayView(input).sliced(split));
    if (input.size() >= 4) {
        // Negative and zero shapes are as likely as good ones.
        const int width = qint8(input.at(0)) * 3;
        const int height = qint8(input.at(1)) * 3;
        const int bits = quint8(input.at(2)) % 33;
        const int widthBytes = qint8(input.at(3)) * 4;
        gallerion::rtf::imageFromDdb(QByteArrayView(input).sliced(4), width, height, bits,
                                     widthBytes);
    }
    return 0;
}
