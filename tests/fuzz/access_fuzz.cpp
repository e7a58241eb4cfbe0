#include "FuzzInput.h"

#include "platform/files/formats/AccessFile.h"
#include "platform/files/formats/FileError.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = fuzzInput(data, size);
    try {
        // One table per input keeps a run on the large sample fast enough to
        // try many inputs.
        const QStringList tables = files::accessTableNames(input, QStringLiteral("fuzz.mdb"));
        if (!tables.isEmpty())
            files::readAccess(input, QStringLiteral("fuzz.mdb"), tables.first());
    } catch (const files::FileError &) {
    }
    return 0;
}
