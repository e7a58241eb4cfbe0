#pragma once

#include <QString>
#include <memory>

namespace db {

class Database;

// Table and record locks between workstations (processes), released at the
// latest when the holding process dies: advisory locks on PostgreSQL, byte-
// range locks on a lock file beside the SQLite store. Within one store an
// exclusive open still needs the table to itself, but a table held
// exclusively may be opened shared by further cursors of the same store.
class LockManager
{
public:
    explicit LockManager(Database &database);
    ~LockManager();

    // Shared open: refused while another process holds the table exclusively;
    // allowed while this store does.
    // Exclusive open: refused while any other process has the table open.
    // Both throw LockError with a German message.
    void acquireTable(const QString &tableName, bool exclusive);
    void releaseTable(const QString &tableName, bool exclusive);
    // This store (some cursor of this process) holds the table exclusively,
    // so nobody else has it open.
    bool holdsTableExclusively(const QString &tableName) const;

    // key: the record's primary-key values as text. Throws LockError with a
    // German message when another holder has the record.
    void lockRecord(const QString &tableName, const QString &key);
    void unlockRecord(const QString &tableName, const QString &key);

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace db
