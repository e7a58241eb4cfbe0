#include "FuzzInput.h"

#include "platform/files/formats/FileError.h"
#include "platform/files/formats/TextTable.h"

// The input is the schema file; after a NUL byte comes the data file.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = fuzzInput(data, size);
    const qsizetype split = input.indexOf('\0');
    try {
        const files::TextSchema schema = files::TextSchema::parse(input.left(split), QStringLiteral("fuzz.sch"));
        if (split >= 0)
            files::readTextTable(input.mid(split + 1), schema, QStringLiteral("fuzz.txt"));
    } catch (const files::FileError &) {
    }
    return 0;
}
