#include "FuzzInput.h"

#include "platform/files/formats/DbaseFile.h"
#include "platform/files/formats/FileError.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    try {
        files::readDbase(fuzzInput(data, size), QStringLiteral("fuzz.dbf"));
    } catch (const files::FileError &) {
    }
    return 0;
}
