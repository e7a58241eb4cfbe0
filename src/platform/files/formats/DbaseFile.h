#pragma once

#include "ForeignData.h"

#include <QByteArray>
#include <QString>
#include <memory>

namespace files {

// dBase tables (".DBF") through shapelib's DBF functions. Character fields,
// numbers, logical values and dates; the code page comes from the file's
// language driver byte or a ".CPG" file beside it (Windows-1252 when neither
// names one). Deleted records are skipped.
//
// Memo fields read their text from memoFile, the ".DBT" (dBase III and IV)
// or ".FPT" (FoxPro) beside the table; the table's version byte says which
// layout it has. Without that file a memo that holds text is an error.
//
// Every size in the header is checked against the bytes before the library
// sees them, so a truncated or corrupt file gives a FileError naming fileName.
class DbaseReader
{
public:
    // Maps the file (and its memo file) instead of reading it whole; throws
    // FileError.
    explicit DbaseReader(const QString &path);
    DbaseReader(const QByteArray &bytes, const QString &fileName, const QByteArray &codePageFile = {},
                const QByteArray &memoFile = {});
    ~DbaseReader();
    DbaseReader(const DbaseReader &) = delete;
    DbaseReader &operator=(const DbaseReader &) = delete;

    const db::TableDef &definition() const;
    // Records in the header, deleted ones included: a progress display's end.
    int recordCount() const;
    // The next record that is not deleted, one value per field; false after
    // the last. Throws FileError naming the record and field of a bad value.
    bool next(QVariantList &row);

private:
    struct State;
    void open(const QByteArray &bytes, const QString &fileName, const QByteArray &codePageFile,
              const QByteArray &memoFile);
    std::unique_ptr<State> state_;
};

ForeignData readDbase(const QByteArray &bytes, const QString &fileName, const QByteArray &codePageFile = {},
                      const QByteArray &memoFile = {});
ForeignData readDbaseFile(const QString &path);

// A new dBase file with the fields of data and all its rows, in Windows-1252.
// Field names are cut to the ten characters dBase allows; memo text goes into
// a character field as wide as its longest value (at most 254 characters).
QByteArray writeDbase(const ForeignData &data, const QString &fileName);
void writeDbaseFile(const ForeignData &data, const QString &path);

// The ten-character names dBase (or another format's limit) leaves of the
// given field names, made unique without regard to case.
QStringList shortenedFieldNames(const QStringList &names, int maximumLength);

} // namespace files
