#pragma once

#include <QString>
#include <chrono>
#include <functional>
#include <memory>

// How workstations keep out of each other's way; all of it lives here.
//
// - Opening a table takes it shared, or exclusively on request, by the old
//   engine's rules (Table::open and close; TableHold for work without a
//   cursor, such as a restructure).
// - Editing or deleting a record locks it (Table::edit, Table::remove); a
//   second workstation is refused at once with a German message. A record
//   written inside a transaction stays locked until the transaction ends:
//   until then the other workstation could only edit the old value and
//   overwrite the new one when it commits.
// - Bulk work (batch moves, range deletions) guards the whole table instead
//   of each record (TableGuard), so that a large move in one transaction
//   stays within PostgreSQL's lock table. A transaction that writes many
//   records of one table through a cursor switches to the table guard by
//   itself.
// - The locks live in PostgreSQL's advisory locks, or on SQLite as byte-range
//   locks on the store file itself, far beyond the bytes SQLite locks, so no
//   file beside the store can be deleted to free them. They go when the
//   holding process dies.
// - A write that still meets another workstation's lock inside the store
//   (SQLite's write lock, a PostgreSQL row lock) waits lockWaitSeconds at
//   most, then fails with LockError.
// - A short change of a record that several workstations change in turn (a
//   number counter) waits as long for the record (changeRecordWaiting).
namespace db {

class Database;
class Table;

constexpr int lockWaitSeconds = 10;

// The locks of one store connection (Database::locks()). Two connections
// conflict like two workstations, even inside one process.
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
    // German message when another holder has the record or guards its table.
    void lockRecord(const QString &tableName, const QString &key);
    // written: the record was posted or deleted; inside a transaction it
    // then stays locked until the transaction ends.
    void unlockRecord(const QString &tableName, const QString &key, bool written = false);

    // The table guard of bulk work: refused (LockError) while another holder
    // edits a record of the table or guards it; records of the table are
    // refused to others meanwhile. Released at once, or at the end of the
    // transaction when the guarded work wrote inside one.
    void guardTable(const QString &tableName);
    void releaseTableGuard(const QString &tableName, bool written);

    // Called by the store when its outermost transaction commits or rolls back.
    void transactionEnded();

private:
    struct Private;
    std::unique_ptr<Private> d;
};

// Holds a table for a change of many records or of its structure: shared or
// exclusive, as a cursor would open it. The caller's own exclusive cursor is
// no obstacle: nobody else can have the table open then.
class TableHold
{
public:
    TableHold(Database &database, const QString &tableName, bool exclusive);
    ~TableHold();
    TableHold(const TableHold &) = delete;
    TableHold &operator=(const TableHold &) = delete;

private:
    LockManager &locks_;
    QString tableName_;
    bool exclusive_;
    bool acquired_ = false;
};

// The table guard of bulk work for the object's life, and on until the end of
// the transaction it wrote in.
class TableGuard
{
public:
    TableGuard(Database &database, const QString &tableName);
    ~TableGuard();
    TableGuard(const TableGuard &) = delete;
    TableGuard &operator=(const TableGuard &) = delete;

private:
    LockManager &locks_;
    QString tableName_;
};

// Changes the table's current record in one short transaction of its own:
// edit (which reads what the store holds now), change, post, commit. While
// another workstation holds the record, the transaction is rolled back and
// tried again, for `wait` at most, as a write waits for the store's locks;
// then the LockError goes on to the caller. A pending edit of the table is
// posted first. The table is in browse state afterwards, also when it
// throws, and nothing of a failed change stays. Inside a transaction of the
// caller's it runs once: the caller's transaction may hold what it waits for.
void changeRecordWaiting(Table &table, const std::function<void(Table &)> &change,
                         std::chrono::milliseconds wait = std::chrono::seconds(lockWaitSeconds));

} // namespace db
