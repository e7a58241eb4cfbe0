#include "AccessFile.h"

#include "FileError.h"
#include "private/AccessCatalog.h"
#include "private/FileReading.h"
#include "ValueText.h"

#include <algorithm>
#include <memory>
#include <mdbtools.h>

namespace files {

namespace {

using db::FieldType;

// Values longer than this (long memo texts) would be cut by the library.
constexpr size_t bindSize = 256 * 1024;

void checkPages(const QByteArray &bytes, const QString &fileName)
{
    static const QByteArray jet("Standard Jet DB");
    static const QByteArray ace("Standard ACE DB");
    if (bytes.size() < 0x20 || bytes[0] != '\0' || bytes[1] != '\x01' || bytes[2] != '\0' || bytes[3] != '\0'
        || (bytes.mid(4, jet.size()) != jet && bytes.mid(4, ace.size()) != ace))
        throw FileError::corrupt(fileName, QStringLiteral("Die Datei ist keine Access-Datenbank."));
    const int version = static_cast<unsigned char>(bytes[0x14]);
    if (version > MDB_VER_ACCDB_2019)
        throw FileError::corrupt(fileName, QStringLiteral("Unbekannte Access-Version."));
    const qsizetype pageSize = version == MDB_VER_JET3 ? 2048 : 4096;
    // The catalogue lives on page 2; a file that stops inside a page was cut off.
    if (bytes.size() < 3 * pageSize || bytes.size() % pageSize != 0)
        throw FileError::corrupt(fileName, QStringLiteral("Die Datei ist unvollständig."));
}

class Database
{
public:
    Database(const QByteArray &bytes, const QString &fileName) : bytes_(bytes)
    {
        checkPages(bytes_, fileName);
        handle_.reset(mdb_open_buffer(bytes_.data(), size_t(bytes_.size()), MDB_NOFLAGS));
        if (!handle_)
            throw FileError::corrupt(fileName);
        mdb_set_bind_size(handle_.get(), bindSize);
        mdb_set_date_fmt(handle_.get(), "%Y-%m-%d %H:%M:%S");
        mdb_set_boolean_fmt_numbers(handle_.get());
        access::readCatalog(handle_.get(), bytes_.size(), fileName);
    }

    MdbHandle *handle() const { return handle_.get(); }

    QList<MdbCatalogEntry *> userTables() const
    {
        QList<MdbCatalogEntry *> tables;
        for (guint i = 0; i < handle_->num_catalog; ++i) {
            auto *entry = static_cast<MdbCatalogEntry *>(g_ptr_array_index(handle_->catalog, i));
            if (entry->object_type == MDB_TABLE && mdb_is_user_table(entry))
                tables.append(entry);
        }
        return tables;
    }

private:
    struct Close
    {
        void operator()(MdbHandle *handle) const { mdb_close(handle); }
    };

    QByteArray bytes_;   // mdbtools reads from this buffer in place
    std::unique_ptr<MdbHandle, Close> handle_;
};

FieldType fieldTypeOf(int columnType)
{
    switch (columnType) {
    case MDB_BOOL: return FieldType::Logical;
    case MDB_BYTE:
    case MDB_INT: return FieldType::Short;
    case MDB_LONGINT: return FieldType::Long;
    case MDB_MONEY: return FieldType::Money;
    case MDB_FLOAT:
    case MDB_DOUBLE: return FieldType::Number;
    case MDB_NUMERIC: return FieldType::BCD;
    case MDB_DATETIME: return FieldType::Timestamp;
    case MDB_TEXT: return FieldType::Alpha;
    case MDB_MEMO: return FieldType::Memo;
    default: return FieldType::Blob;
    }
}

} // namespace

QStringList accessTableNames(const QByteArray &bytes, const QString &fileName)
{
    Database database(bytes, fileName);
    QStringList names;
    for (MdbCatalogEntry *entry : database.userTables())
        names.append(QString::fromUtf8(entry->object_name));
    return names;
}

ForeignData readAccess(const QByteArray &bytes, const QString &fileName, const QString &tableName)
{
    Database database(bytes, fileName);
    MdbCatalogEntry *found = nullptr;
    for (MdbCatalogEntry *entry : database.userTables()) {
        if (QString::fromUtf8(entry->object_name).compare(tableName, Qt::CaseInsensitive) == 0)
            found = entry;
    }
    if (!found)
        throw FileError(fileName, QStringLiteral("Die Tabelle '%1' ist in der Datei '%2' nicht vorhanden.")
                                      .arg(tableName, FileError::displayName(fileName)));

    access::checkTableDefinition(database.handle(), found->table_pg, fileName);
    access::TableDefinition definition(mdb_read_table(found));
    if (!definition || !mdb_read_columns(definition.get()))
        throw FileError::corrupt(fileName, QStringLiteral("Die Tabelle '%1' ist nicht lesbar.").arg(tableName));
    MdbTableDef *table = definition.get();

    ForeignData data;
    data.definition.name = QString::fromUtf8(found->object_name);
    const int columnCount = int(table->num_cols);
    std::vector<QByteArray> buffers(size_t(columnCount), QByteArray(qsizetype(bindSize), '\0'));
    std::vector<int> lengths(size_t(columnCount), 0);
    for (int i = 0; i < columnCount; ++i) {
        auto *column = static_cast<MdbColumn *>(g_ptr_array_index(table->columns, i));
        db::FieldDef field;
        field.name = QString::fromUtf8(column->name);
        field.type = fieldTypeOf(column->col_type);
        if (field.type == FieldType::Alpha)
            field.size = std::max(1, column->col_size / (database.handle()->f->jet_version == MDB_VER_JET3 ? 1 : 2));
        if (field.type == FieldType::BCD)
            field.precision = column->col_scale;
        data.definition.fields.append(field);
        mdb_bind_column(table, i + 1, buffers[size_t(i)].data(), &lengths[size_t(i)]);
    }

    mdb_rewind_table(table);
    while (mdb_fetch_row(table)) {
        QVariantList row;
        row.reserve(columnCount);
        for (int i = 0; i < columnCount; ++i) {
            const db::FieldDef &field = data.definition.fields[i];
            auto *column = static_cast<MdbColumn *>(g_ptr_array_index(table->columns, i));
            const int length = std::clamp(lengths[size_t(i)], 0, int(bindSize));
            QVariant cell;
            if (column->col_type == MDB_OLE) {
                if (length > 0)
                    cell = access::readLongValue(database.handle(), column, bytes.size(), fileName,
                                                 QStringLiteral("Tabelle '%1', Feld '%2'").arg(tableName, field.name));
            } else if (length > 0) {
                const QByteArray raw(buffers[size_t(i)].constData(), qstrnlen(buffers[size_t(i)].constData(), size_t(length)));
                if (field.type == FieldType::Blob) {
                    cell = raw;
                } else if (field.type == FieldType::Alpha || field.type == FieldType::Memo) {
                    cell = QString::fromUtf8(raw);
                    if (field.type == FieldType::Alpha)
                        data.definition.fields[i].size = std::max(field.size, int(cell.toString().size()));
                } else {
                    const auto value = valuetext::parse(QString::fromUtf8(raw), field.type);
                    if (!value)
                        throw FileError::corrupt(fileName, QStringLiteral("Tabelle '%1', Feld '%2': '%3' ist kein gültiger Wert.")
                                                               .arg(tableName, field.name, QString::fromUtf8(raw)));
                    cell = *value;
                }
            }
            row.append(cell);
        }
        data.rows.push_back(std::move(row));
    }

    // The order of the primary key, as the original read these tables.
    mdb_read_indices(table);
    QList<int> keyColumns;
    for (guint i = 0; table->indices && i < table->indices->len; ++i) {
        auto *index = static_cast<MdbIndex *>(g_ptr_array_index(table->indices, i));
        if (QString::fromUtf8(index->name).compare(QLatin1String("PrimaryKey"), Qt::CaseInsensitive) != 0)
            continue;
        for (unsigned k = 0; k < index->num_keys && k < MDB_MAX_IDX_COLS; ++k) {
            const int column = index->key_col_num[k] - 1;
            if (column >= 0 && column < columnCount)
                keyColumns.append(column);
        }
    }
    if (!keyColumns.isEmpty()) {
        std::stable_sort(data.rows.begin(), data.rows.end(), [&](const QVariantList &a, const QVariantList &b) {
            for (int column : keyColumns) {
                const auto order = QVariant::compare(a[column], b[column]);
                if (order == QPartialOrdering::Less)
                    return true;
                if (order == QPartialOrdering::Greater)
                    return false;
            }
            return false;
        });
    }
    return data;
}

ForeignData readAccessFile(const QString &path, const QString &tableName)
{
    return readAccess(readWholeFile(path), path, tableName);
}

} // namespace files
