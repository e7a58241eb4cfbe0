#include "Locks.h"

#include "Database.h"
#include "DatabaseError.h"
#include "StoreFile.h"
#include "Table.h"
#include "private/StoreStatement.h"
#include "TableDef.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <thread>
#include <unistd.h>

namespace db {

namespace {

// Tables, table guards and records live in disjoint byte ranges of the store
// file, far beyond the bytes SQLite locks (around 1 GiB) and beyond anything
// a hash of one could reach in the other.
constexpr off_t tableRangeStart = off_t(1) << 40;
constexpr off_t guardRangeStart = off_t(1) << 44;
constexpr quint64 tableRangeMask = (quint64(1) << 40) - 1;
constexpr off_t recordRangeStart = off_t(1) << 56;
constexpr quint64 recordRangeMask = (quint64(1) << 56) - 1;

// Records written in one transaction, per table, before the transaction
// guards the whole table instead.
constexpr int recordsBeforeTableGuard = 100;

// Every workstation must derive the same number from the same name, so no
// seeded qHash: FNV-1a followed by a final mix to spread the bits.
quint64 stableHash(const QByteArray &bytes)
{
    quint64 hash = 14695981039346656037ULL;
    for (char c : bytes) {
        hash ^= quint8(c);
        hash *= 1099511628211ULL;
    }
    hash ^= hash >> 33;
    hash *= 0xff51afd7ed558ccdULL;
    hash ^= hash >> 33;
    hash *= 0xc4ceb9fe1a85ec53ULL;
    hash ^= hash >> 33;
    return hash;
}

QString tableKey(const QString &tableName)
{
    return normalizedTableName(tableName).toUpper();
}

QString recordKey(const QString &table, const QString &key)
{
    return table + QChar(0x1f) + key;
}

QString recordRefused()
{
    return QStringLiteral("Der Datensatz wird gerade von einem anderen Arbeitsplatz bearbeitet.");
}

QString tableInExclusiveUse(const QString &tableName)
{
    return QStringLiteral("Die Tabelle %1 wird von einem anderen Arbeitsplatz exklusiv benutzt.")
        .arg(normalizedTableName(tableName));
}

QString tableOpenElsewhere(const QString &tableName)
{
    return QStringLiteral("Die Tabelle %1 ist an einem anderen Arbeitsplatz geöffnet.")
        .arg(normalizedTableName(tableName));
}

QString tableBeingEdited(const QString &tableName)
{
    return QStringLiteral("In der Tabelle %1 werden gerade an einem anderen Arbeitsplatz Datensätze bearbeitet.")
        .arg(normalizedTableName(tableName));
}

struct TableHolders
{
    int shared = 0;
    bool exclusive = false;
    // The store-level shared lock is held; not when the shared cursors came
    // while this store held the table exclusively.
    bool sharedLocked = false;
};

struct RecordHold
{
    QString table;
    bool editing = false;
    bool keptForTransaction = false;
    // Off while this store guards the record's table: nobody else reaches
    // its records then.
    bool storeLocked = false;
};

// Record holders take the table's guard shared, bulk work exclusively.
struct GuardHolders
{
    int storeLockedRecords = 0;
    int keptRecords = 0;
    int bulk = 0;
    bool keptForTransaction = false;
    // What the store holds: on PostgreSQL both may be held at once, on
    // SQLite the one byte is either.
    bool sharedHeld = false;
    bool exclusiveHeld = false;

    bool wantsExclusive() const { return bulk > 0 || keptForTransaction; }
    bool wantsShared() const { return storeLockedRecords > 0; }
    bool unused() const { return !wantsExclusive() && !wantsShared() && keptRecords == 0; }
};

} // namespace

struct LockManager::Private
{
    enum class Kind { Shared, Exclusive };

    explicit Private(Database &db) : database(db) {}
    ~Private() { closeLockFile(); }

    Database &database;
    mutable std::mutex mutex;
    // What this manager holds; the store-level lock is taken once per table
    // or record, the counts keep cursors of this process apart.
    QHash<QString, TableHolders> tables;
    QHash<QString, RecordHold> records;
    QHash<QString, GuardHolders> guards;

    // SQLite: a descriptor of the store file of its own.
    int lockFile = -1;
    store::FileIdentity lockFileIdentity;
    // PostgreSQL: advisory locks are per database, so the schema is part of
    // every key.
    QString schema;

    bool isPostgres() const { return database.backend() == Database::Backend::PostgreSQL; }

    void closeLockFile()
    {
        if (lockFile < 0)
            return;
        // Open-file-description locks go with this descriptor only; closing
        // it may have to wait for SQLite's connections (see StoreFile.h).
        struct flock all;
        std::memset(&all, 0, sizeof all);
        all.l_type = F_UNLCK;
        all.l_whence = SEEK_SET;
        ::fcntl(lockFile, F_OFD_SETLK, &all);
        store::closeWhenUnused(lockFileIdentity, lockFile);
        lockFile = -1;
    }

    int ensureLockFile()
    {
        if (lockFile >= 0)
            return lockFile;
        const QString fileName = database.storeFilePath();
        const QByteArray encoded = QFile::encodeName(fileName);
        int fd;
        do {
            fd = ::open(encoded.constData(), O_RDWR | O_CLOEXEC);
            // A store we may only read still takes shared locks.
            if (fd < 0 && (errno == EACCES || errno == EPERM || errno == EROFS))
                fd = ::open(encoded.constData(), O_RDONLY | O_CLOEXEC);
        } while (fd < 0 && errno == EINTR);
        if (fd < 0 && errno == ENOENT)
            throw store::storeFileReplaced(fileName);
        if (fd < 0)
            store::raise(store::ErrorKind::CannotOpen,
                         QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(fileName),
                                                      QString::fromLocal8Bit(std::strerror(errno))));
        const auto identity = store::identityOf(fd);
        if (!identity || !database.isStoreFile(*identity)) {
            ::close(fd);
            throw store::storeFileReplaced(fileName);
        }
        lockFile = fd;
        lockFileIdentity = *identity;
        return fd;
    }

    // Open-file-description locks: owned by this descriptor, not the process,
    // so two stores of one process conflict like two workstations, and
    // closing some other descriptor of the file drops nothing.
    bool setFileLock(off_t offset, short type)
    {
        // A store in memory is private to its connection: only the cursors
        // of this process share it, and the counts keep them apart.
        if (database.path() == QLatin1String(":memory:"))
            return true;
        const int fd = ensureLockFile();
        struct flock lock;
        std::memset(&lock, 0, sizeof lock);
        lock.l_type = type;
        lock.l_whence = SEEK_SET;
        lock.l_start = offset;
        lock.l_len = 1;
        int result;
        do {
            result = ::fcntl(fd, F_OFD_SETLK, &lock);
        } while (result < 0 && errno == EINTR);
        if (result == 0)
            return true;
        if (errno == EAGAIN || errno == EACCES)
            return false;
        // A write lock on a store opened for reading only.
        if (errno == EBADF)
            store::raise(store::ErrorKind::ReadOnly, QString::fromLocal8Bit(std::strerror(errno)));
        throw DatabaseError(QStringLiteral("Sperre in der Datenbankdatei nicht möglich: %1")
                                .arg(QString::fromLocal8Bit(std::strerror(errno))));
    }

    void releaseFileLock(off_t offset)
    {
        if (lockFile < 0)
            return;
        struct flock lock;
        std::memset(&lock, 0, sizeof lock);
        lock.l_type = F_UNLCK;
        lock.l_whence = SEEK_SET;
        lock.l_start = offset;
        lock.l_len = 1;
        ::fcntl(lockFile, F_OFD_SETLK, &lock);
    }

    QString currentSchema()
    {
        if (!schema.isEmpty())
            return schema;
        QSqlQuery query(database.connection());
        if (!query.exec(QStringLiteral("SELECT current_schema()")) || !query.next())
            throw DatabaseError(query.lastError().text(), query.lastQuery());
        schema = query.value(0).toString();
        return schema;
    }

    // Two int keys from one 64-bit hash of schema and name.
    std::pair<qint32, qint32> advisoryKey(const QString &name)
    {
        const quint64 hash = stableHash((currentSchema() + QChar(0x1e) + name).toUtf8());
        return {qint32(quint32(hash >> 32)), qint32(quint32(hash))};
    }

    bool runAdvisory(const QString &function, const QString &name)
    {
        const auto [first, second] = advisoryKey(name);
        // Numbers of our own making, written into the statement: one round
        // trip instead of prepare, execute and deallocate.
        QSqlQuery query(database.connection());
        if (!query.exec(QStringLiteral("SELECT %1(%2, %3)").arg(function).arg(first).arg(second)) || !query.next())
            throw DatabaseError(query.lastError().text(), query.lastQuery());
        return query.value(0).toBool();
    }

    bool tryLock(const QString &name, off_t offset, Kind kind)
    {
        if (isPostgres())
            return runAdvisory(kind == Kind::Exclusive ? QStringLiteral("pg_try_advisory_lock")
                                                       : QStringLiteral("pg_try_advisory_lock_shared"),
                               name);
        return setFileLock(offset, kind == Kind::Exclusive ? F_WRLCK : F_RDLCK);
    }

    void unlock(const QString &name, off_t offset, Kind kind) noexcept
    {
        try {
            if (isPostgres())
                runAdvisory(kind == Kind::Exclusive ? QStringLiteral("pg_advisory_unlock")
                                                    : QStringLiteral("pg_advisory_unlock_shared"),
                            name);
            else
                releaseFileLock(offset);
        } catch (const DatabaseError &) {
            // A lost connection has dropped the session's locks already.
        }
    }

    // --- tables opened

    bool tryLockTable(const QString &table, Kind kind)
    {
        return tryLock(QStringLiteral("T") + table, tableOffset(table), kind);
    }

    void unlockTable(const QString &table, Kind kind) noexcept
    {
        unlock(QStringLiteral("T") + table, tableOffset(table), kind);
    }

    // Exclusive to shared in place: a second lock request on the same byte
    // of the same descriptor converts it; PostgreSQL lets a session take the
    // shared lock beside its exclusive one before giving that up.
    void downgradeTable(const QString &table) noexcept
    {
        try {
            if (isPostgres())
                runAdvisory(QStringLiteral("pg_advisory_lock_shared"), QStringLiteral("T") + table);
            else
                setFileLock(tableOffset(table), F_RDLCK);
        } catch (const DatabaseError &) {
            // A lost connection has dropped the session's locks already.
        }
        if (isPostgres())
            unlockTable(table, Kind::Exclusive);
    }

    // --- records and table guards

    bool tryLockRecord(const QString &record)
    {
        return tryLock(QStringLiteral("R") + record, recordOffset(record), Kind::Exclusive);
    }

    void unlockRecord(const QString &record) noexcept
    {
        unlock(QStringLiteral("R") + record, recordOffset(record), Kind::Exclusive);
    }

    // Brings the store's lock of the table guard in line with what the
    // holders want. False when another holder prevents that; what was held
    // before stays held then.
    bool applyGuard(const QString &table, GuardHolders &guard)
    {
        const QString name = QStringLiteral("W") + table;
        const off_t offset = guardOffset(table);
        const bool exclusive = guard.wantsExclusive();
        const bool shared = guard.wantsShared();
        if (isPostgres()) {
            if (exclusive && !guard.exclusiveHeld) {
                if (!tryLock(name, offset, Kind::Exclusive))
                    return false;
                guard.exclusiveHeld = true;
            }
            if (shared && !guard.sharedHeld) {
                if (!tryLock(name, offset, Kind::Shared))
                    return false;
                guard.sharedHeld = true;
            }
            if (!exclusive && guard.exclusiveHeld) {
                unlock(name, offset, Kind::Exclusive);
                guard.exclusiveHeld = false;
            }
            if (!shared && guard.sharedHeld) {
                unlock(name, offset, Kind::Shared);
                guard.sharedHeld = false;
            }
            return true;
        }
        const bool wantShared = shared && !exclusive;
        if (exclusive == guard.exclusiveHeld && wantShared == guard.sharedHeld)
            return true;
        if (!exclusive && !wantShared)
            releaseFileLock(offset);
        else if (!setFileLock(offset, exclusive ? F_WRLCK : F_RDLCK))
            return false;
        guard.exclusiveHeld = exclusive;
        guard.sharedHeld = wantShared;
        return true;
    }

    void dropGuardIfUnused(const QString &table)
    {
        auto it = guards.find(table);
        if (it != guards.end() && it->unused() && !it->sharedHeld && !it->exclusiveHeld)
            guards.erase(it);
    }

    // Takes the store's lock of a record this store holds without one.
    bool lockInStore(const QString &record, RecordHold &hold)
    {
        GuardHolders &guard = guards[hold.table];
        ++guard.storeLockedRecords;
        if (applyGuard(hold.table, guard) && tryLockRecord(record)) {
            hold.storeLocked = true;
            return true;
        }
        --guard.storeLockedRecords;
        applyGuard(hold.table, guard);
        return false;
    }

    void unlockInStore(const QString &record, RecordHold &hold)
    {
        if (!hold.storeLocked)
            return;
        unlockRecord(record);
        hold.storeLocked = false;
        GuardHolders &guard = guards[hold.table];
        --guard.storeLockedRecords;
        applyGuard(hold.table, guard);
    }

    void forget(QHash<QString, RecordHold>::iterator it)
    {
        const QString table = it->table;
        unlockInStore(it.key(), *it);
        if (it->keptForTransaction)
            --guards[table].keptRecords;
        records.erase(it);
        dropGuardIfUnused(table);
    }

    // Before this store's table guard goes: the records its cursors still
    // edit need their own locks again. Nobody else could take them meanwhile.
    void relockEditedRecords(const QString &table)
    {
        for (auto it = records.begin(); it != records.end(); ++it) {
            if (it->table == table && it->editing && !it->storeLocked)
                lockInStore(it.key(), *it);
        }
    }

    // Many records written through cursors in one transaction: the table's
    // guard instead of a lock each, when no other workstation edits there.
    void guardInsteadOfRecords(const QString &table)
    {
        GuardHolders &guard = guards[table];
        if (guard.keptRecords < recordsBeforeTableGuard || guard.keptForTransaction)
            return;
        guard.keptForTransaction = true;
        if (!applyGuard(table, guard)) {
            guard.keptForTransaction = false;
            return;
        }
        for (auto it = records.begin(); it != records.end(); ++it) {
            if (it->table == table && it->keptForTransaction && !it->editing)
                unlockInStore(it.key(), *it);
        }
    }

    static off_t tableOffset(const QString &table)
    {
        return tableRangeStart + off_t(stableHash(table.toUtf8()) & tableRangeMask);
    }

    static off_t guardOffset(const QString &table)
    {
        return guardRangeStart + off_t(stableHash(table.toUtf8()) & tableRangeMask);
    }

    static off_t recordOffset(const QString &record)
    {
        return recordRangeStart + off_t(stableHash(record.toUtf8()) & recordRangeMask);
    }
};

LockManager::LockManager(Database &database) : d(std::make_unique<Private>(database)) {}

LockManager::~LockManager() = default;

void LockManager::acquireTable(const QString &tableName, bool exclusive)
{
    const QString table = tableKey(tableName);
    std::lock_guard guard(d->mutex);
    TableHolders current = d->tables.value(table);
    if (exclusive) {
        if (current.exclusive || current.shared > 0
            || !d->tryLockTable(table, Private::Kind::Exclusive))
            throw LockError(tableOpenElsewhere(tableName));
        current.exclusive = true;
    } else {
        // Exclusive keeps other workstations out, not this program's other
        // cursors (a register's print dialog reads the register's tables).
        if (!current.exclusive && !current.sharedLocked) {
            if (!d->tryLockTable(table, Private::Kind::Shared))
                throw LockError(tableInExclusiveUse(tableName));
            current.sharedLocked = true;
        }
        ++current.shared;
    }
    d->tables.insert(table, current);
}

void LockManager::releaseTable(const QString &tableName, bool exclusive)
{
    const QString table = tableKey(tableName);
    std::lock_guard guard(d->mutex);
    auto it = d->tables.find(table);
    if (it == d->tables.end())
        return;
    if (exclusive) {
        if (!it->exclusive)
            return;
        it->exclusive = false;
        if (it->shared > 0 && !it->sharedLocked) {
            // Cursors opened meanwhile stay: the lock becomes a shared one
            // without a moment in which another workstation could take it.
            d->downgradeTable(table);
            it->sharedLocked = true;
        } else {
            d->unlockTable(table, Private::Kind::Exclusive);
        }
    } else {
        if (it->shared == 0)
            return;
        if (--it->shared == 0 && it->sharedLocked) {
            d->unlockTable(table, Private::Kind::Shared);
            it->sharedLocked = false;
        }
    }
    if (!it->exclusive && it->shared == 0)
        d->tables.erase(it);
}

bool LockManager::holdsTableExclusively(const QString &tableName) const
{
    std::lock_guard guard(d->mutex);
    return d->tables.value(tableKey(tableName)).exclusive;
}

void LockManager::lockRecord(const QString &tableName, const QString &key)
{
    const QString table = tableKey(tableName);
    const QString record = recordKey(table, key);
    std::lock_guard guard(d->mutex);
    auto it = d->records.find(record);
    if (it != d->records.end()) {
        // Written earlier in this store's open transaction: ours to edit again.
        if (it->editing)
            throw LockError(recordRefused());
        it->editing = true;
        return;
    }
    RecordHold hold;
    hold.table = table;
    hold.editing = true;
    if (!d->guards.value(table).exclusiveHeld && !d->lockInStore(record, hold)) {
        d->dropGuardIfUnused(table);
        throw LockError(recordRefused());
    }
    d->records.insert(record, hold);
}

void LockManager::unlockRecord(const QString &tableName, const QString &key, bool written)
{
    const QString table = tableKey(tableName);
    const QString record = recordKey(table, key);
    std::lock_guard guard(d->mutex);
    auto it = d->records.find(record);
    if (it == d->records.end())
        return;
    it->editing = false;
    if (written && d->database.inTransaction()) {
        if (!it->keptForTransaction) {
            it->keptForTransaction = true;
            ++d->guards[table].keptRecords;
            d->guardInsteadOfRecords(table);
        }
        return;
    }
    if (!it->keptForTransaction)
        d->forget(it);
}

void LockManager::guardTable(const QString &tableName)
{
    const QString table = tableKey(tableName);
    std::lock_guard guard(d->mutex);
    GuardHolders &holders = d->guards[table];
    ++holders.bulk;
    if (!d->applyGuard(table, holders)) {
        --holders.bulk;
        d->applyGuard(table, holders);
        d->dropGuardIfUnused(table);
        throw LockError(tableBeingEdited(tableName));
    }
}

void LockManager::releaseTableGuard(const QString &tableName, bool written)
{
    const QString table = tableKey(tableName);
    std::lock_guard guard(d->mutex);
    auto it = d->guards.find(table);
    if (it == d->guards.end() || it->bulk == 0)
        return;
    --it->bulk;
    if (written && d->database.inTransaction())
        it->keptForTransaction = true;
    if (!it->wantsExclusive())
        d->relockEditedRecords(table);
    d->applyGuard(table, d->guards[table]);
    d->dropGuardIfUnused(table);
}

void LockManager::transactionEnded()
{
    std::lock_guard guard(d->mutex);
    for (auto it = d->guards.begin(); it != d->guards.end(); ++it) {
        if (!it->keptForTransaction)
            continue;
        it->keptForTransaction = false;
        if (!it->wantsExclusive())
            d->relockEditedRecords(it.key());
    }
    for (auto it = d->records.begin(); it != d->records.end();) {
        if (!it->keptForTransaction) {
            ++it;
            continue;
        }
        it->keptForTransaction = false;
        --d->guards[it->table].keptRecords;
        if (it->editing) {
            ++it;
            continue;
        }
        d->unlockInStore(it.key(), *it);
        it = d->records.erase(it);
    }
    for (auto it = d->guards.begin(); it != d->guards.end();) {
        d->applyGuard(it.key(), *it);
        if (it->unused() && !it->sharedHeld && !it->exclusiveHeld)
            it = d->guards.erase(it);
        else
            ++it;
    }
}

TableHold::TableHold(Database &database, const QString &tableName, bool exclusive)
    : locks_(database.locks()), tableName_(tableName), exclusive_(exclusive)
{
    if (!locks_.holdsTableExclusively(tableName_)) {
        locks_.acquireTable(tableName_, exclusive_);
        acquired_ = true;
    }
}

TableHold::~TableHold()
{
    if (acquired_)
        locks_.releaseTable(tableName_, exclusive_);
}

TableGuard::TableGuard(Database &database, const QString &tableName)
    : locks_(database.locks()), tableName_(tableName)
{
    locks_.guardTable(tableName_);
}

TableGuard::~TableGuard()
{
    locks_.releaseTableGuard(tableName_, true);
}

void changeRecordWaiting(Table &table, const std::function<void(Table &)> &change, std::chrono::milliseconds wait)
{
    if (!table.database())
        throw DatabaseError(QStringLiteral("Der Tabelle %1 ist keine Datenbank zugeordnet.").arg(table.tableName()));
    Database &database = *table.database();
    table.checkBrowseMode();
    auto attempt = [&] {
        bool posted = false;
        try {
            Transaction own(database);
            table.edit();
            change(table);
            table.post();
            posted = true;
            own.commit();
        } catch (...) {
            if (table.state() == DatasetState::Edit || table.state() == DatasetState::Insert)
                table.cancel();
            // The cursor shows what it posted; the store has rolled it back.
            if (posted) {
                try {
                    table.refresh();
                } catch (const DatabaseError &) {
                    // The error that ended the change is the one to report.
                }
            }
            throw;
        }
    };
    if (database.inTransaction()) {
        attempt();
        return;
    }
    const auto deadline = std::chrono::steady_clock::now() + wait;
    std::chrono::milliseconds pause(2);
    for (;;) {
        try {
            attempt();
            return;
        } catch (const LockError &) {
            if (std::chrono::steady_clock::now() + pause >= deadline)
                throw;
        }
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, std::chrono::milliseconds(20));
    }
}

} // namespace db
