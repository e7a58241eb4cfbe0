#include "LockManager.h"

#include "Database.h"
#include "DatabaseError.h"
#include "TableDef.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <mutex>
#include <unistd.h>

namespace db {

namespace {

// The lock file is never written: only its byte ranges are locked. Tables and
// records live in disjoint ranges far beyond anything a hash of one could
// reach in the other.
constexpr off_t tableRangeStart = off_t(1) << 40;
constexpr quint64 tableRangeMask = (quint64(1) << 40) - 1;
constexpr off_t recordRangeStart = off_t(1) << 56;
constexpr quint64 recordRangeMask = (quint64(1) << 56) - 1;

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

struct TableHolders
{
    int shared = 0;
    bool exclusive = false;
    // The store-level shared lock is held; not when the shared cursors came
    // while this store held the table exclusively.
    bool sharedLocked = false;
};

} // namespace

struct LockManager::Private
{
    enum class Kind { Shared, Exclusive };

    explicit Private(Database &db) : database(db) {}
    ~Private() { closeLockFile(); }

    Database &database;
    std::mutex mutex;
    // What this manager holds; the store-level lock is taken once per table
    // or record, the counts keep cursors of this process apart.
    QHash<QString, TableHolders> tables;
    QSet<QString> records;

    // SQLite: the open lock file and the folder it belongs to.
    int lockFile = -1;
    QString lockFolder;
    // PostgreSQL: advisory locks are per database, so the schema is part of
    // every key.
    QString schema;
    QString schemaFolder;

    bool isPostgres() const { return database.backend() == Database::Backend::PostgreSQL; }

    bool holdsAnything() const { return !tables.isEmpty() || !records.isEmpty(); }

    void closeLockFile()
    {
        if (lockFile >= 0)
            ::close(lockFile);
        lockFile = -1;
        lockFolder.clear();
    }

    int ensureLockFile()
    {
        const QString folder = database.path();
        // The alias may have been re-pointed; its tables were closed then.
        if (lockFile >= 0 && folder != lockFolder && !holdsAnything())
            closeLockFile();
        if (lockFile >= 0)
            return lockFile;
        const QDir dir(folder);
        const QString fileName = dir.filePath(database.aliasName() + QStringLiteral(".lck"));
        const QByteArray encoded = QFile::encodeName(fileName);
        int fd;
        bool created = true;
        do {
            fd = ::open(encoded.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd < 0 && errno == EEXIST) {
                created = false;
                fd = ::open(encoded.constData(), O_RDWR | O_CLOEXEC);
            }
        } while (fd < 0 && errno == EINTR);
        // Every workstation must be able to lock: the file gets the store's
        // permissions, as SQLite gives them to its journal.
        struct stat store;
        if (fd >= 0 && created
            && ::stat(QFile::encodeName(dir.filePath(database.aliasName() + QStringLiteral(".sqlite"))).constData(),
                      &store) == 0)
            ::fchmod(fd, store.st_mode & 0777);
        if (fd < 0)
            throw DatabaseError(QStringLiteral("Die Sperrdatei %1 kann nicht geöffnet werden: %2")
                                    .arg(QDir::toNativeSeparators(fileName),
                                         QString::fromLocal8Bit(std::strerror(errno))));
        lockFile = fd;
        lockFolder = folder;
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
        throw DatabaseError(QStringLiteral("Sperre in der Sperrdatei nicht möglich: %1")
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
        const QString folder = database.path();
        if (!schema.isEmpty() && schemaFolder == folder)
            return schema;
        QSqlQuery query(database.connection());
        if (!query.exec(QStringLiteral("SELECT current_schema()")) || !query.next())
            throw DatabaseError(query.lastError().text(), query.lastQuery());
        schema = query.value(0).toString();
        schemaFolder = folder;
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

    bool tryLockTable(const QString &table, Kind kind)
    {
        const QString name = QStringLiteral("T") + table;
        if (isPostgres())
            return runAdvisory(kind == Kind::Exclusive ? QStringLiteral("pg_try_advisory_lock")
                                                       : QStringLiteral("pg_try_advisory_lock_shared"),
                               name);
        return setFileLock(tableOffset(table), kind == Kind::Exclusive ? F_WRLCK : F_RDLCK);
    }

    void unlockTable(const QString &table, Kind kind) noexcept
    {
        try {
            if (isPostgres())
                runAdvisory(kind == Kind::Exclusive ? QStringLiteral("pg_advisory_unlock")
                                                    : QStringLiteral("pg_advisory_unlock_shared"),
                            QStringLiteral("T") + table);
            else
                releaseFileLock(tableOffset(table));
        } catch (const DatabaseError &) {
            // A lost connection has dropped the session's locks already.
        }
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

    bool tryLockRecord(const QString &record)
    {
        if (isPostgres())
            return runAdvisory(QStringLiteral("pg_try_advisory_lock"), QStringLiteral("R") + record);
        return setFileLock(recordOffset(record), F_WRLCK);
    }

    void unlockRecord(const QString &record) noexcept
    {
        try {
            if (isPostgres())
                runAdvisory(QStringLiteral("pg_advisory_unlock"), QStringLiteral("R") + record);
            else
                releaseFileLock(recordOffset(record));
        } catch (const DatabaseError &) {
        }
    }

    static off_t tableOffset(const QString &table)
    {
        return tableRangeStart + off_t(stableHash(table.toUtf8()) & tableRangeMask);
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
    const QString record = recordKey(tableKey(tableName), key);
    std::lock_guard guard(d->mutex);
    if (d->records.contains(record) || !d->tryLockRecord(record))
        throw LockError(recordRefused());
    d->records.insert(record);
}

void LockManager::unlockRecord(const QString &tableName, const QString &key)
{
    const QString record = recordKey(tableKey(tableName), key);
    std::lock_guard guard(d->mutex);
    if (!d->records.remove(record))
        return;
    d->unlockRecord(record);
}

} // namespace db
