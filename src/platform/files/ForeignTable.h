#pragma once

#include "platform/files/formats/FileError.h"
#include "platform/files/formats/ForeignFile.h"

#include <QString>
#include <memory>

namespace db {
class Database;
class Table;
}

namespace files {

// A foreign file opened as a read-only table: the file is read once into a
// private store of its own in memory, and table() is an ordinary open
// dataset on it, so
// the import loops (first, next, eof, fieldByName(...).asString()) work on it
// as on any store table. The file itself is only read, never locked.
class ForeignTable
{
public:
    ~ForeignTable();
    ForeignTable(const ForeignTable &) = delete;
    ForeignTable &operator=(const ForeignTable &) = delete;

    db::Table &table() { return *table_; }
    QString fileName() const { return fileName_; }

private:
    friend std::unique_ptr<ForeignTable> foreignTableOf(const ForeignData &, const QString &);
    ForeignTable() = default;

    QString fileName_;
    std::unique_ptr<db::Database> database_;
    std::unique_ptr<db::Table> table_;
};

// Throws FileError (a DatabaseError) when the file is missing, unreadable,
// corrupt or of a format without a reader.
std::unique_ptr<ForeignTable> openForeignTable(const QString &path, const OpenOptions &options = {});

// The same, for data already read: a read-only table over it.
std::unique_ptr<ForeignTable> foreignTableOf(const ForeignData &data, const QString &fileName);

} // namespace files
