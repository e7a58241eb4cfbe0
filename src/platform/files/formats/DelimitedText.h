#pragma once

#include "ForeignData.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>

class QFile;

namespace files {

class TextCodec;

struct DelimitedFormat
{
    QChar separator = u';';
    QChar quote = u'"';
    // Code page of the file. Reading takes a UTF-8 byte-order mark before it.
    QByteArray codePage = "CP1252";
};

// Takes the next value off the front of rest and leaves rest after its
// separator. A quote character toggles "inside quotes"; the first separator
// outside quotes ends the value. A value that begins and ends with the quote
// character loses them and its doubled quote characters become one; any
// other value is taken as it stands. Without a separator outside quotes the
// value is the whole rest, and rest becomes empty.
QString takeDelimitedValue(QStringView &rest, QChar quote, QChar separator);
QStringList splitDelimitedRecord(QStringView record, QChar quote, QChar separator);
// The same as texts in values, which it empties first: a reader of many
// records keeps the list's room from one to the next.
void splitDelimitedRecord(QStringView record, QChar quote, QChar separator, QVariantList &values);

// Throws FileError naming fileName and line when record holds a quote
// character that it does not close: every value after it would be taken as
// part of one. A value cannot go on in the next line.
void checkQuotesClosed(QStringView record, QChar quote, const QString &fileName, int line);

// Reads a delimited text file record by record. A record is a line, ended by
// any line break; a record with a quote character it does not close is
// refused (checkQuotesClosed).
class DelimitedReader
{
public:
    // Maps the file and decodes it a piece at a time (throws FileError).
    DelimitedReader(const QString &path, const DelimitedFormat &format = {});
    DelimitedReader(const QByteArray &bytes, const QString &fileName, const DelimitedFormat &format = {});
    ~DelimitedReader();

    bool atEnd() const { return position_ >= text_.size() && bytePosition_ >= byteEnd_; }
    QStringList readRecord();
    // The raw text of the next record without splitting it.
    QString readRecordText();
    // The same without a copy: valid until the next record is read.
    QStringView readRecordView();
    // The line the next record starts on, from 1.
    int lineNumber() const { return line_; }
    QString fileName() const { return fileName_; }

private:
    void load(const QByteArray &bytes);
    bool decodeMore();

    QString fileName_;
    DelimitedFormat format_;
    std::unique_ptr<QFile> file_;
    QByteArray bytes_;
    qsizetype bytePosition_ = 0;
    qsizetype byteEnd_ = 0;
    std::unique_ptr<TextCodec> codec_;
    // The decoded part not read yet starts at position_.
    QString text_;
    qsizetype position_ = 0;
    int line_ = 1;
};

// One value of a record to write: text values go between quote characters,
// others (numbers, dates, logical values) stand bare unless they hold the
// separator, the quote character or a line break.
struct DelimitedValue
{
    QString text;
    bool isText = true;
};

// Writes a delimited text file: lines end in CR LF; a quote character inside
// a value is doubled, so every file written here reads back to the same
// values. The file replaces one of that name only on commit().
class DelimitedWriter
{
public:
    DelimitedWriter(const QString &path, const DelimitedFormat &format = {});

    // Field names, each between quote characters.
    void writeHeader(const QStringList &names);
    void writeRecord(const QList<DelimitedValue> &values);
    // The bytes written so far, for a caller that does not want a file.
    QByteArray bytes() const { return bytes_; }
    void commit();

private:
    QString path_;
    DelimitedFormat format_;
    QByteArray bytes_;
    int record_ = 0;
};

// A delimited file as a table: with a header line its values name the
// fields, otherwise they are "Feld1", "Feld2", ... Every field is Alpha, as
// wide as its longest value.
ForeignData readDelimitedTable(const QByteArray &bytes, const QString &fileName,
                               const DelimitedFormat &format, bool hasHeader);

} // namespace files
