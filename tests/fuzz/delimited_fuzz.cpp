#include "FuzzInput.h"

#include "platform/files/formats/DelimitedText.h"
#include "platform/files/formats/FileError.h"

// The first two bytes choose separator and quote character, as a clerk may
// choose any pair.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    files::DelimitedFormat format;
    format.separator = QChar::fromLatin1(char(data[0]));
    format.quote = QChar::fromLatin1(char(data[1]));
    const QByteArray input = fuzzInput(data + 2, size - 2);
    try {
        files::readDelimitedTable(input, QStringLiteral("fuzz.txt"), format, true);
        files::DelimitedReader reader(input, QStringLiteral("fuzz.txt"), format);
        while (!reader.atEnd())
            reader.readRecord();
    } catch (const files::FileError &) {
    }
    return 0;
}
