#include "FuzzInput.h"

#include "platform/files/formats/DbaseFile.h"
#include "platform/files/formats/FileError.h"

// The input is the table; from a marker on, the rest is its memo file, so
// the memo blocks the records point at are reached too.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = fuzzInput(data, size);
    static const QByteArray marker("--DBT--");
    const qsizetype split = input.indexOf(marker);
    try {
        if (split < 0)
            files::readDbase(input, QStringLiteral("fuzz.dbf"));
        else
            files::readDbase(input.left(split), QStringLiteral("fuzz.dbf"), {}, input.mid(split + marker.size()));
    } catch (const files::FileError &) {
    }
    return 0;
}
