#include "private/AccessCatalog.h"

#include "FileError.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace files::access {

namespace {

// The system table that lists every object of the database.
constexpr unsigned long systemObjectsPage = 2;

constexpr quint32 longValueLengthMask = 0x3fffffff;
// Rows start at most this far into a page; the high bits of an offset are flags.
constexpr int rowOffsetMask = 0x1fff;

bool loadPage(MdbHandle *handle, unsigned long page)
{
    return mdb_read_pg(handle, page) == handle->fmt->pg_size;
}

// The length of the row that pageRow (page number and row, as the file links
// them) names; 0 when the page or the row is not there.
int rowLength(MdbHandle *handle, quint32 pageRow)
{
    if (!loadPage(handle, pageRow >> 8))
        return 0;
    const int row = int(pageRow & 0xff);
    const int rowCountOffset = handle->fmt->row_count_offset;
    if (row >= mdb_get_int16(handle->pg_buf, rowCountOffset))
        return 0;
    const int pageSize = int(handle->fmt->pg_size);
    const int start = mdb_get_int16(handle->pg_buf, rowCountOffset + 2 + 2 * row) & rowOffsetMask;
    const int end = row == 0 ? pageSize : mdb_get_int16(handle->pg_buf, rowCountOffset + 2 * row) & rowOffsetMask;
    if (start >= end || end > pageSize)
        return 0;
    return end - start;
}

// A buffer the library writes one bound column's value into.
struct Binding
{
    explicit Binding(size_t size) : text(size + 1, '\0') {}
    std::vector<char> text;
    int length = 0;
};

bool bind(MdbTableDef *table, const char *column, Binding &binding)
{
    return mdb_bind_column_by_name(table, const_cast<gchar *>(column), binding.text.data(), &binding.length) > 0;
}

} // namespace

void checkTableDefinition(MdbHandle *handle, unsigned long page, const QString &fileName)
{
    const auto damaged = [&] {
        return FileError::corrupt(fileName, QStringLiteral("Die Tabellenbeschreibung auf Seite %1 ist beschädigt.").arg(page));
    };
    if (!loadPage(handle, page) || handle->pg_buf[0] != MDB_PAGE_TABLE)
        throw damaged();
    const MdbFormatConstants *format = handle->fmt;
    const unsigned columns = unsigned(mdb_get_int16(handle->pg_buf, format->tab_num_cols_offset));
    const quint32 indexes = quint32(mdb_get_int32(handle->pg_buf, format->tab_num_idxs_offset));
    const quint32 realIndexes = quint32(mdb_get_int32(handle->pg_buf, format->tab_num_ridxs_offset));
    if (columns > maxColumns || indexes > maxIndexes || realIndexes > maxIndexes)
        throw damaged();
    // The usage map: its kind and first page, then the bitmap of the table's pages.
    const quint32 usageMap = quint32(mdb_get_int32(handle->pg_buf, format->tab_usage_map_offset));
    if (rowLength(handle, usageMap) < 5)
        throw damaged();
}

void readCatalog(MdbHandle *handle, qsizetype fileSize, const QString &fileName)
{
    const auto damaged = [&](const QString &detail) { return FileError::corrupt(fileName, detail); };
    checkTableDefinition(handle, systemObjectsPage, fileName);

    MdbCatalogEntry systemObjects{};
    systemObjects.mdb = handle;
    systemObjects.object_type = MDB_TABLE;
    systemObjects.table_pg = systemObjectsPage;
    qstrncpy(systemObjects.object_name, "MSysObjects", sizeof systemObjects.object_name);
    TableDefinition table(mdb_read_table(&systemObjects));
    if (!table || !mdb_read_columns(table.get()))
        throw damaged(QStringLiteral("Das Inhaltsverzeichnis fehlt."));
    Binding id(handle->bind_size);
    Binding name(handle->bind_size);
    Binding type(handle->bind_size);
    Binding flags(handle->bind_size);
    Binding properties(handle->bind_size);
    if (!bind(table.get(), "Id", id) || !bind(table.get(), "Name", name) || !bind(table.get(), "Type", type)
        || !bind(table.get(), "Flags", flags))
        throw damaged(QStringLiteral("Das Inhaltsverzeichnis fehlt."));
    const int propertiesColumn = mdb_bind_column_by_name(table.get(), const_cast<gchar *>("LvProp"),
                                                         properties.text.data(), &properties.length);

    mdb_free_catalog(handle);
    handle->catalog = g_ptr_array_new();
    handle->num_catalog = 0;
    unsigned objects = 0;
    mdb_rewind_table(table.get());
    while (mdb_fetch_row(table.get())) {
        if (++objects > maxObjects)
            throw damaged(QStringLiteral("Das Inhaltsverzeichnis nennt mehr als %1 Objekte.").arg(maxObjects));
        const int objectType = std::atoi(type.text.data());
        if (objectType != MDB_TABLE)
            continue;
        if (propertiesColumn > 0 && properties.length > 0) {
            auto *column = static_cast<MdbColumn *>(g_ptr_array_index(table->columns, propertiesColumn - 1));
            readLongValue(handle, column, fileSize, fileName,
                          QStringLiteral("Eigenschaften der Tabelle '%1'").arg(QString::fromUtf8(name.text.data())));
        }
        auto *entry = g_new0(MdbCatalogEntry, 1);
        entry->mdb = handle;
        qstrncpy(entry->object_name, name.text.data(), sizeof entry->object_name);
        entry->object_type = objectType & 0x7f;
        entry->table_pg = static_cast<unsigned long>(std::atol(id.text.data()) & 0x00ffffff);
        entry->flags = int(std::atol(flags.text.data()));
        g_ptr_array_add(handle->catalog, entry);
        ++handle->num_catalog;
    }
}

QByteArray readLongValue(MdbHandle *handle, MdbColumn *column, qsizetype fileSize, const QString &fileName,
                         const QString &where)
{
    // The library reads each page of the value into the bound buffer, over
    // the value's header; the header says where the value goes on.
    char header[MDB_MEMO_OVERHEAD];
    std::memcpy(header, column->bind_ptr, MDB_MEMO_OVERHEAD);
    const qsizetype declared = qsizetype(quint32(mdb_get_int32(header, 0)) & longValueLengthMask);
    const qsizetype limit = std::min(declared, fileSize);
    QByteArray value;
    const auto take = [&](size_t length) {
        if (value.size() + qsizetype(length) > limit)
            throw FileError::corrupt(fileName, QStringLiteral("%1: Der Wert ist länger als die angegebenen %2 Bytes.")
                                                   .arg(where)
                                                   .arg(declared));
        value.append(static_cast<const char *>(column->bind_ptr), qsizetype(length));
    };
    take(mdb_ole_read(handle, column, header, handle->bind_size));
    while (const size_t length = mdb_ole_read_next(handle, column, header))
        take(length);
    return value;
}

} // namespace files::access
