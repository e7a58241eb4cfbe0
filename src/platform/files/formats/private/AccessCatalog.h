#pragma once

#include <QByteArray>
#include <QString>

#include <mdbtools.h>

// mdbtools trusts the sizes, counts and page links a file declares: a damaged
// file can make it follow a page chain in a circle, allocating as it goes, or
// read a table through a usage map that is not there. What it would trust is
// checked here first, against Access's own limits and the file's size.
namespace files::access {

// Access keeps at most this many objects (tables, queries, forms, ...).
constexpr unsigned maxObjects = 32768;
// Access tables have at most 255 fields and 32 indexes; the index count
// here leaves room for the relationships' own entries.
constexpr unsigned maxColumns = 255;
constexpr unsigned maxIndexes = 256;

// A table definition the library read, freed with it.
class TableDefinition
{
public:
    explicit TableDefinition(MdbTableDef *table) : table_(table) {}
    ~TableDefinition()
    {
        if (table_)
            mdb_free_tabledef(table_);
    }
    TableDefinition(const TableDefinition &) = delete;
    TableDefinition &operator=(const TableDefinition &) = delete;

    MdbTableDef *get() const { return table_; }
    MdbTableDef *operator->() const { return table_; }
    explicit operator bool() const { return table_ != nullptr; }

private:
    MdbTableDef *table_;
};

// Throws FileError unless the table definition on page is one the library
// can read: its column and index counts within the limits, its usage map a
// row that is there.
void checkTableDefinition(MdbHandle *handle, unsigned long page, const QString &fileName);

// Fills the handle's catalog with the tables of the system table
// MSysObjects, as mdb_read_catalog(handle, MDB_TABLE) would, but bounded by
// maxObjects and without handing the tables' property blocks to the
// library's parser (nothing here uses them); each block's page chain is
// checked instead. Throws FileError.
void readCatalog(MdbHandle *handle, qsizetype fileSize, const QString &fileName);

// The whole long value (memo or OLE object) of column in the row fetched
// last: never longer than the value says it is, nor than the file. A chain
// of pages that runs on beyond that throws FileError; where names the value
// in the message.
QByteArray readLongValue(MdbHandle *handle, MdbColumn *column, qsizetype fileSize, const QString &fileName,
                         const QString &where);

} // namespace files::access
