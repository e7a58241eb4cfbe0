#include "ForeignImport.h"

#include "formats/DbaseFile.h"
#include "formats/DelimitedText.h"

#include <QFileInfo>
#include <QSet>

namespace files {

db::TableDef foreignLayout(const db::TableDef &fileLayout, const QString &fileName)
{
    db::TableDef def = fileLayout;
    def.name = QFileInfo(fileName).completeBaseName();
    if (def.name.isEmpty())
        def.name = QStringLiteral("Tabelle");
    // Store columns need names that are unique without regard to case; a
    // file may repeat a name or leave one empty.
    QSet<QString> taken;
    for (qsizetype i = 0; i < def.fields.size(); ++i) {
        db::FieldDef &field = def.fields[i];
        QString name = field.name.trimmed();
        if (name.isEmpty())
            name = QStringLiteral("Feld%1").arg(i + 1);
        const QString base = name;
        for (int suffix = 2; taken.contains(name.toUpper()); ++suffix)
            name = QStringLiteral("%1_%2").arg(base).arg(suffix);
        taken.insert(name.toUpper());
        field.name = name;
        if (field.type == db::FieldType::Alpha)
            field.size = std::max(1, field.size);
        field.required = false;
    }
    def.primaryKey.clear();
    def.indexes.clear();
    return def;
}

namespace {

// A delimited file's records as rows of text: the header (or the first
// record) gives the number of fields, "Feld1", "Feld2", ... without header.
class DelimitedRows
{
public:
    DelimitedRows(const QString &path, const OpenOptions &options)
        : reader_(path, options.delimited), format_(options.delimited)
    {
        QStringList names;
        qsizetype count = 0;
        if (options.hasHeader && !reader_.atEnd()) {
            names = reader_.readRecord();
            count = names.size();
        } else {
            pending_ = nextRecord();
            count = pending_ ? pending_->size() : 0;
        }
        for (qsizetype i = 0; i < count; ++i) {
            QString name = i < names.size() ? names[i].trimmed() : QString();
            if (name.isEmpty())
                name = QStringLiteral("Feld%1").arg(i + 1);
            layout_.fields.append({name, db::FieldType::Alpha, 1});
        }
    }

    const db::TableDef &layout() const { return layout_; }

    bool next(QVariantList &row)
    {
        if (pending_) {
            const QStringList record = std::move(*pending_);
            pending_.reset();
            row.clear();
            for (const QString &value : record)
                row.append(value);
        } else {
            // Split straight from the reader's text into the row, which
            // keeps its room from one record to the next.
            QStringView record;
            while (record.isEmpty()) {
                if (reader_.atEnd())
                    return false;
                record = reader_.readRecordView();
            }
            splitDelimitedRecord(record, format_.quote, format_.separator, row);
        }
        row.resize(layout_.fields.size());
        for (QVariant &value : row) {
            if (value.isValid() && static_cast<const QString *>(value.constData())->isEmpty())
                value = QVariant();
        }
        return true;
    }

private:
    std::optional<QStringList> nextRecord()
    {
        while (!reader_.atEnd()) {
            const QString record = reader_.readRecordText();
            if (!record.isEmpty())
                return splitDelimitedRecord(record, format_.quote, format_.separator);
        }
        return std::nullopt;
    }

    DelimitedReader reader_;
    DelimitedFormat format_;
    db::TableDef layout_;
    std::optional<QStringList> pending_;
};

int move(const db::TableDef &fileLayout, const QString &path, const std::function<bool(QVariantList &)> &nextRow,
         db::Database &database, const QString &tableName, db::BatchMode mode)
{
    try {
        return db::batchMove(foreignLayout(fileLayout, path), nextRow, database, tableName, mode);
    } catch (const FileError &) {
        throw;
    } catch (const db::DatabaseError &error) {
        // Which record failed is not known where rows are sent in batches.
        throw FileError::cannotImport(path, error.message());
    }
}

} // namespace

int importForeignFile(const QString &path, const OpenOptions &options, db::Database &database,
                      const QString &tableName, db::BatchMode mode)
{
    const std::optional<FileFormat> format = options.format ? options.format : formatForPath(path);
    if (format == FileFormat::Dbase) {
        DbaseReader reader(path);
        return move(reader.definition(), path, [&](QVariantList &row) { return reader.next(row); }, database,
                    tableName, mode);
    }
    // A copy creates the table as wide as the longest values, which only
    // the whole file tells.
    if (format == FileFormat::Delimited && mode != db::BatchMode::Copy) {
        DelimitedRows rows(path, options);
        return move(rows.layout(), path, [&](QVariantList &row) { return rows.next(row); }, database, tableName,
                    mode);
    }
    const ForeignData data = readForeignFile(path, options);
    std::size_t next = 0;
    return move(data.definition, path,
                [&](QVariantList &row) {
                    if (next >= data.rows.size())
                        return false;
                    row = data.rows[next++];
                    return true;
                },
                database, tableName, mode);
}

} // namespace files
