#include "DelimitedText.h"

#include "FileError.h"
#include "private/FileReading.h"
#include "private/ReplacingFile.h"
#include "private/TextCodec.h"

#include <QFile>

namespace files {

namespace {

QString unquoted(QStringView value, QChar quote)
{
    if (value.size() >= 2 && value.front() == quote && value.back() == quote) {
        const QStringView inner = value.mid(1, value.size() - 2);
        // Doubled quotes are rare: most values are copied as they are.
        if (!inner.contains(quote))
            return inner.toString();
        QString text;
        text.reserve(inner.size());
        for (qsizetype i = 0; i < inner.size(); ++i) {
            text += inner[i];
            if (inner[i] == quote && i + 1 < inner.size() && inner[i + 1] == quote)
                ++i;
        }
        return text;
    }
    return value.toString();
}

bool isLineBreak(QChar c)
{
    return c == u'\n' || c == u'\r';
}

} // namespace

namespace {

// The next value's text as it stands in the record, quotes and all;
// quotes gets the number of quote characters in it.
QStringView takeRawValue(QStringView &rest, QChar quote, QChar separator, bool &separatorFound, int &quotes)
{
    bool insideQuotes = false;
    quotes = 0;
    for (qsizetype i = 0; i < rest.size(); ++i) {
        const QChar c = rest[i];
        if (c == quote) {
            insideQuotes = !insideQuotes;
            ++quotes;
        } else if (c == separator && !insideQuotes) {
            const QStringView value = rest.left(i);
            rest = rest.mid(i + 1);
            separatorFound = true;
            return value;
        }
    }
    const QStringView value = rest;
    rest = QStringView();
    separatorFound = false;
    return value;
}

QString takeValue(QStringView &rest, QChar quote, QChar separator, bool &separatorFound)
{
    int quotes = 0;
    return unquoted(takeRawValue(rest, quote, separator, separatorFound, quotes), quote);
}

// The text unquoted() gives, written into the variant: where it holds a
// text of its own already, into that text's room, so that reading record
// after record into the same row allocates little.
void putUnquoted(QVariant &slot, QStringView value, int quotes, QChar quote)
{
    QStringView text = value;
    if (value.size() >= 2 && value.front() == quote && value.back() == quote) {
        text = value.mid(1, value.size() - 2);
        if (quotes > 2) {
            slot = unquoted(value, quote);
            return;
        }
    }
    if (slot.typeId() == QMetaType::QString && slot.isDetached()) {
        auto &kept = *static_cast<QString *>(slot.data());
        if (text.isEmpty()) {
            kept = QString();
            return;
        }
        if (kept.isDetached()) {
            kept.resize(0);
            kept.append(text);
            return;
        }
    }
    slot = text.toString();
}

} // namespace

void checkQuotesClosed(QStringView record, QChar quote, const QString &fileName, int line)
{
    // Each quote character opens or closes: an odd number leaves one open.
    if (record.count(quote) % 2 != 0)
        throw FileError::corrupt(fileName, QStringLiteral("Zeile %1: Das Textbegrenzungszeichen %2 wird in der Zeile "
                                                          "nicht geschlossen.")
                                               .arg(line)
                                               .arg(quote));
}

QString takeDelimitedValue(QStringView &rest, QChar quote, QChar separator)
{
    bool separatorFound = false;
    return takeValue(rest, quote, separator, separatorFound);
}

QStringList splitDelimitedRecord(QStringView record, QChar quote, QChar separator)
{
    QStringList values;
    values.reserve(record.count(separator) + 1);
    bool separatorFound = true;
    while (separatorFound)
        values.append(takeValue(record, quote, separator, separatorFound));
    return values;
}

void splitDelimitedRecord(QStringView record, QChar quote, QChar separator, QVariantList &values)
{
    qsizetype count = 0;
    bool separatorFound = true;
    while (separatorFound) {
        int quotes = 0;
        const QStringView value = takeRawValue(record, quote, separator, separatorFound, quotes);
        if (count < values.size())
            putUnquoted(values[count], value, quotes, quote);
        else
            values.append(unquoted(value, quote));
        ++count;
    }
    values.resize(count);
}

DelimitedReader::DelimitedReader(const QString &path, const DelimitedFormat &format)
    : fileName_(path), format_(format), file_(std::make_unique<QFile>())
{
    load(mappedFile(*file_, path));
}

DelimitedReader::DelimitedReader(const QByteArray &bytes, const QString &fileName,
                                 const DelimitedFormat &format)
    : fileName_(fileName), format_(format)
{
    load(bytes);
}

DelimitedReader::~DelimitedReader() = default;

void DelimitedReader::load(const QByteArray &bytes)
{
    bytes_ = bytes;
    byteEnd_ = bytes_.size();
    const bool utf8 = bytes_.startsWith("\xEF\xBB\xBF");
    if (utf8)
        bytePosition_ = 3;
    // A DOS end-of-file mark is no part of the last record.
    while (byteEnd_ > bytePosition_ && bytes_.at(byteEnd_ - 1) == '\x1A')
        --byteEnd_;
    codec_ = std::make_unique<TextCodec>(utf8 ? QByteArray("UTF-8") : format_.codePage);
}

// Decodes the next piece of the file, ending after a line feed: no code page
// read here has that byte inside a character, so the pieces decode as the
// whole would.
bool DelimitedReader::decodeMore()
{
    if (bytePosition_ >= byteEnd_)
        return false;
    constexpr qsizetype pieceSize = 1 << 16;
    qsizetype end = std::min(byteEnd_, bytePosition_ + pieceSize);
    if (end < byteEnd_) {
        const QByteArrayView piece(bytes_.constData() + bytePosition_, end - bytePosition_);
        const qsizetype lastBreak = piece.lastIndexOf('\n');
        if (lastBreak >= 0) {
            end = bytePosition_ + lastBreak + 1;
        } else {
            const qsizetype nextBreak = QByteArrayView(bytes_.constData(), byteEnd_).indexOf('\n', end);
            end = nextBreak < 0 ? byteEnd_ : nextBreak + 1;
        }
    }
    text_ = text_.mid(position_) + codec_->decode(QByteArrayView(bytes_.constData() + bytePosition_,
                                                                 end - bytePosition_));
    position_ = 0;
    bytePosition_ = end;
    return true;
}

QString DelimitedReader::readRecordText()
{
    return readRecordView().toString();
}

QStringView DelimitedReader::readRecordView()
{
    qsizetype end = position_;
    for (;;) {
        // Read through a const view: text_[end] would check for sharing on
        // every character.
        const QStringView text = text_;
        while (end < text.size() && !isLineBreak(text[end]))
            ++end;
        if (end < text_.size())
            break;
        const qsizetype scanned = end - position_;
        if (!decodeMore())
            break;
        end = position_ + scanned;
    }
    const QStringView record = QStringView(text_).sliced(position_, end - position_);
    if (end < text_.size() && text_[end] == u'\r' && end + 1 < text_.size() && text_[end + 1] == u'\n')
        ++end;
    position_ = end + 1;
    ++line_;
    checkQuotesClosed(record, format_.quote, fileName_, line_ - 1);
    return record;
}

QStringList DelimitedReader::readRecord()
{
    const QString record = readRecordText();
    return splitDelimitedRecord(record, format_.quote, format_.separator);
}

DelimitedWriter::DelimitedWriter(const QString &path, const DelimitedFormat &format)
    : path_(path), format_(format)
{
}

void DelimitedWriter::writeHeader(const QStringList &names)
{
    QList<DelimitedValue> values;
    for (const QString &name : names)
        values.append({name, true});
    writeRecord(values);
}

void DelimitedWriter::writeRecord(const QList<DelimitedValue> &values)
{
    ++record_;
    const QString quote(format_.quote);
    const QString doubledQuote(2, format_.quote);
    QString line;
    for (qsizetype i = 0; i < values.size(); ++i) {
        const QString &text = values[i].text;
        for (const QChar c : text) {
            if (isLineBreak(c))
                throw FileError::cannotWrite(
                    path_, QStringLiteral("Satz %1, Wert %2 enthält einen Zeilenumbruch, den eine Zeile der "
                                          "Textdatei nicht aufnehmen kann.")
                               .arg(record_)
                               .arg(i + 1));
        }
        if (i > 0)
            line += format_.separator;
        const bool quoted = values[i].isText || text.contains(format_.separator) || text.contains(format_.quote);
        if (quoted) {
            line += quote;
            line += QString(text).replace(quote, doubledQuote);
            line += quote;
        } else {
            line += text;
        }
    }
    line += QStringLiteral("\r\n");
    QByteArray encoded;
    QChar bad;
    if (!TextCodec(format_.codePage).encode(line, encoded, &bad))
        throw FileError::unencodable(path_, bad, QStringLiteral("Satz %1").arg(record_));
    bytes_ += encoded;
}

void DelimitedWriter::commit()
{
    ReplacingFile::write(path_, bytes_);
}

ForeignData readDelimitedTable(const QByteArray &bytes, const QString &fileName,
                               const DelimitedFormat &format, bool hasHeader)
{
    DelimitedReader reader(bytes, fileName, format);
    ForeignData data;
    QStringList names;
    if (hasHeader && !reader.atEnd())
        names = reader.readRecord();
    QList<int> widths;
    while (!reader.atEnd()) {
        const QString record = reader.readRecordText();
        if (record.isEmpty())
            continue;
        const QStringList values = splitDelimitedRecord(record, format.quote, format.separator);
        QVariantList row;
        row.reserve(values.size());
        for (qsizetype i = 0; i < values.size(); ++i) {
            if (i >= widths.size())
                widths.append(1);
            widths[i] = std::max(widths[i], int(values[i].size()));
            row.append(values[i].isEmpty() ? QVariant() : QVariant(values[i]));
        }
        data.rows.push_back(std::move(row));
    }
    const qsizetype fieldCount = std::max(names.size(), widths.size());
    for (qsizetype i = 0; i < fieldCount; ++i) {
        db::FieldDef field;
        field.name = i < names.size() ? names[i].trimmed() : QString();
        if (field.name.isEmpty())
            field.name = QStringLiteral("Feld%1").arg(i + 1);
        field.type = db::FieldType::Alpha;
        field.size = i < widths.size() ? widths[i] : 1;
        data.definition.fields.append(field);
    }
    for (QVariantList &row : data.rows) {
        while (row.size() < fieldCount)
            row.append(QVariant());
    }
    return data;
}

} // namespace files
