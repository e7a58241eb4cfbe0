#include "FuzzInput.h"

#include "platform/files/formats/FileError.h"
#include "platform/files/formats/ParadoxFile.h"

// The input is the table; from a marker on, the rest is its ".MB" file, so
// memo values outside the record are reached too.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = fuzzInput(data, size);
    static const QByteArray marker("--MB--");
    const qsizetype split = input.indexOf(marker);
    try {
        if (split < 0)
            files::readParadox(input, QStringLiteral("fuzz.db"));
        else
            files::readParadox(input.left(split), QStringLiteral("fuzz.db"), input.mid(split + marker.size()));
    } catch (const files::FileError &) {
    }
    return 0;
}
