#include "Database.h"

#include "private/Catalog.h"
#include "DatabaseError.h"
#include "Locks.h"
#include "private/PostgresStatement.h"
#include "Schema.h"
#include "StoreFile.h"
#include "private/StoreStatement.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QScopeGuard>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>
#include <atomic>
#include <map>
#include <sqlite3.h>

namespace db {

namespace {

std::atomic<int> connectionCounter{0};

// The process-wide aliases of Database::alias().
std::map<QString, Database *> *aliasRegistry = nullptr;

const QString memoryPath = QStringLiteral(":memory:");

struct PostgresSettings
{
    QString host = QStringLiteral("localhost");
    int port = 5432;
    QString database;
    QString schema;
    QString user;
    QString password;
};

QString findFile(const QString &folder, const QString &fileName)
{
    const QDir dir(folder);
    if (dir.exists(fileName))
        return dir.filePath(fileName);
    // Data folders come from Windows, where names ignore case.
    const QStringList entries = dir.entryList(QDir::Files);
    for (const QString &entry : entries) {
        if (entry.compare(fileName, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    }
    return {};
}

PostgresSettings readPostgresSettings(const QString &file, const QString &aliasName)
{
    QFile input(file);
    if (!input.open(QIODevice::ReadOnly | QIODevice::Text))
        throw DatabaseError(QStringLiteral("Die Verbindungsdatei %1 kann nicht gelesen werden.").arg(file));
    PostgresSettings settings;
    settings.schema = aliasName;
    QTextStream stream(&input);
    while (!stream.atEnd()) {
        const QString line = stream.readLine().trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')) || line.startsWith(QLatin1Char(';')))
            continue;
        const int equals = line.indexOf(QLatin1Char('='));
        if (equals < 0)
            continue;
        const QString key = line.left(equals).trimmed().toLower();
        const QString value = line.mid(equals + 1).trimmed();
        if (key == QLatin1String("host"))
            settings.host = value;
        else if (key == QLatin1String("port"))
            settings.port = value.toInt();
        else if (key == QLatin1String("database") || key == QLatin1String("dbname"))
            settings.database = value;
        else if (key == QLatin1String("schema"))
            settings.schema = value;
        else if (key == QLatin1String("user"))
            settings.user = value;
        else if (key == QLatin1String("password"))
            settings.password = value;
    }
    if (settings.database.isEmpty())
        throw DatabaseError(QStringLiteral("In der Verbindungsdatei %1 fehlt \"database\".").arg(file));
    return settings;
}

bool isStructuralStatement(const QString &sql)
{
    const QString start = sql.trimmed().left(8).toUpper();
    return start.startsWith(QLatin1String("CREATE")) || start.startsWith(QLatin1String("ALTER"))
           || start.startsWith(QLatin1String("DROP"));
}

} // namespace

struct Database::Private
{
    QString aliasName;
    QString path;
    Backend backend = Backend::SQLite;
    bool open = false;
    QString connectionName;
    QSqlDatabase connection;
    store::SqliteRegistryPointer sqlite;
    store::PostgresSessionPointer postgres;
    int transactionDepth = 0;
    std::unique_ptr<LockManager> locks;
    std::optional<QStringList> tableNames;
    QHash<QString, store::StoredLayout> layouts;   // by lower-case name
    QString schema;                                 // PostgreSQL schema of the alias
    std::optional<store::FileIdentity> storeFile;   // SQLite: the file opened

    store::Dialect dialect() const
    {
        return backend == Backend::SQLite ? store::Dialect::SQLite : store::Dialect::PostgreSQL;
    }
};

Database::Database(const QString &aliasName, QObject *parent) : QObject(parent), d(std::make_unique<Private>())
{
    d->aliasName = aliasName;
}

Database::~Database()
{
    try {
        close();
    } catch (...) {
        // Nothing sensible is left to do for a failing close at destruction.
    }
}

Database &Database::alias(const QString &aliasName)
{
    // Never destroyed: code may hold references until the very end. The
    // connections close while the application object still exists, as Qt Sql
    // needs it.
    if (!aliasRegistry) {
        aliasRegistry = new std::map<QString, Database *>;
        qAddPostRoutine([] {
            for (auto &entry : *aliasRegistry)
                entry.second->close();
        });
    }
    const QString key = aliasName.toLower();
    auto it = aliasRegistry->find(key);
    if (it == aliasRegistry->end())
        it = aliasRegistry->emplace(key, new Database(aliasName)).first;
    return *it->second;
}

QString Database::aliasName() const
{
    return d->aliasName;
}

QString Database::path() const
{
    return d->path;
}

void Database::setPath(const QString &folder)
{
    close();
    d->path = folder;
}

Database::Backend Database::backend() const
{
    if (d->open)
        return d->backend;
    if (d->path.isEmpty() || d->path == memoryPath)
        return Backend::SQLite;
    return findFile(d->path, d->aliasName + QStringLiteral(".pg")).isEmpty() ? Backend::SQLite
                                                                             : Backend::PostgreSQL;
}

void Database::open()
{
    if (d->open)
        return;
    if (d->path.isEmpty())
        throw DatabaseError(QStringLiteral("Für die Datenbank %1 ist kein Pfad gesetzt.").arg(d->aliasName));
    const bool memory = d->path == memoryPath;
    if (!memory && !QFileInfo(d->path).isDir())
        throw DatabaseError(QStringLiteral("Der Datenbankordner %1 existiert nicht.").arg(d->path));
    const QString pgFile = memory ? QString() : findFile(d->path, d->aliasName + QStringLiteral(".pg"));
    d->backend = pgFile.isEmpty() ? Backend::SQLite : Backend::PostgreSQL;
    d->connectionName = QStringLiteral("razazu-%1-%2").arg(d->aliasName).arg(++connectionCounter);

    if (d->backend == Backend::SQLite) {
        d->connection = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), d->connectionName);
        d->connection.setDatabaseName(memory ? memoryPath
                                             : QDir(d->path).filePath(d->aliasName + QStringLiteral(".sqlite")));
        d->connection.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(lockWaitSeconds * 1000));
    } else {
        const PostgresSettings settings = readPostgresSettings(pgFile, d->aliasName);
        d->connection = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), d->connectionName);
        d->connection.setHostName(settings.host);
        d->connection.setPort(settings.port);
        d->connection.setDatabaseName(settings.database);
        d->connection.setUserName(settings.user);
        d->connection.setPassword(settings.password);
        d->schema = settings.schema;
    }
    if (!d->connection.open()) {
        const QString message = d->connection.lastError().text();
        d->connection = QSqlDatabase();
        QSqlDatabase::removeDatabase(d->connectionName);
        throw DatabaseError(QStringLiteral("Die Datenbank %1 kann nicht geöffnet werden.\n%2")
                                .arg(d->aliasName, message));
    }
    d->open = true;
    try {
        if (d->backend == Backend::SQLite) {
            const QVariant handle = d->connection.driver()->handle();
            sqlite3 *native = nullptr;
            if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0)
                native = *static_cast<sqlite3 *const *>(handle.data());
            if (!native)
                throw DatabaseError(QStringLiteral("Der SQLite-Treiber liefert keine Verbindung."));
            d->sqlite = store::makeSqliteRegistry(native);
            store::installSqliteFunctions(native);
            // Indexes built with SQLite's ASCII-only NOCASE are rebuilt once
            // in the order of ours.
            QSqlQuery version(d->connection);
            if (version.exec(QStringLiteral("PRAGMA user_version")) && version.next()
                && version.value(0).toInt() < 1) {
                version.finish();
                try {
                    execute(QStringLiteral("REINDEX NOCASE"));
                    execute(QStringLiteral("PRAGMA user_version = 1"));
                } catch (const DatabaseError &) {
                    // A store we may only read stays as it is; the next
                    // writable opening rebuilds.
                }
            }
            if (!memory) {
                chooseJournal();
                d->storeFile = store::identityOf(storeFilePath());
                if (d->storeFile)
                    store::connectionOpened(*d->storeFile);
            }
        } else {
            const QVariant handle = d->connection.driver()->handle();
            PGconn *native = nullptr;
            if (handle.isValid()
                && (qstrcmp(handle.typeName(), "PGconn*") == 0 || qstrcmp(handle.typeName(), "pg_conn*") == 0))
                native = *static_cast<PGconn *const *>(handle.data());
            if (!native)
                throw DatabaseError(QStringLiteral("Der PostgreSQL-Treiber liefert keine Verbindung."));
            d->postgres = store::makePostgresSession(native);
            execute(QStringLiteral("SET client_min_messages TO warning"));
            // A write meeting another workstation's row lock fails after a
            // short wait instead of waiting for that transaction to end.
            execute(QStringLiteral("SET lock_timeout = '%1s'").arg(lockWaitSeconds));
            execute(QStringLiteral("CREATE SCHEMA IF NOT EXISTS %1").arg(quote(d->schema)));
            execute(QStringLiteral("SET search_path TO %1").arg(quote(d->schema)));
        }
    } catch (...) {
        close();
        throw;
    }
}

void Database::close()
{
    if (!d->open)
        return;
    emit aboutToClose();
    if (d->transactionDepth > 0) {
        d->transactionDepth = 0;
        try {
            execute(QStringLiteral("ROLLBACK"));
        } catch (const DatabaseError &) {
            // The connection goes away anyway, and with it the transaction.
        }
    }
    d->locks.reset();
    d->sqlite.reset();
    if (d->postgres) {
        store::closePostgresSession(*d->postgres);
        d->postgres.reset();
    }
    d->connection.close();
    d->connection = QSqlDatabase();
    QSqlDatabase::removeDatabase(d->connectionName);
    if (d->storeFile)
        store::connectionClosed(*d->storeFile);
    d->storeFile.reset();
    d->open = false;
    d->tableNames.reset();
    d->layouts.clear();
}

bool Database::isOpen() const
{
    return d->open;
}

QSqlDatabase Database::connection() const
{
    return d->connection;
}

QString Database::quote(const QString &identifier) const
{
    return store::quoteIdentifier(identifier);
}

std::unique_ptr<store::Statement> Database::prepareBulkAppend(const QString &tableName, const QStringList &columns)
{
    if (!d->open)
        open();
    if (d->backend != Backend::PostgreSQL)
        return nullptr;
    QStringList quoted;
    for (const QString &column : columns)
        quoted << quote(column);
    return store::preparePostgresCopy(d->postgres, quote(storeTableName(tableName)), quoted);
}

std::unique_ptr<store::Statement> Database::prepare(const QString &sql)
{
    if (!d->open)
        throw DatabaseError(QStringLiteral("Die Datenbank %1 ist nicht geöffnet.").arg(d->aliasName), sql);
    if (d->backend == Backend::SQLite)
        return store::prepareSqlite(*d->sqlite, sql);
    return store::preparePostgres(d->postgres, sql);
}

int Database::execute(const QString &sql, const QVariantList &params)
{
    int affected = 0;
    // Outlives guarded(): PostgreSQL frees a prepared statement only once
    // the failed part of the transaction is rolled back.
    std::unique_ptr<store::Statement> statement;
    guarded([&] {
        statement = prepare(sql);
        for (int i = 0; i < params.size(); ++i)
            statement->bind(i, params[i]);
        affected = statement->execute();
    });
    if (isStructuralStatement(sql))
        forgetLayouts();
    return affected;
}

void Database::chooseJournal()
{
    QSqlQuery pragma(d->connection);
    auto run = [&](const QString &sql) {
        if (!pragma.exec(sql))
            store::raise(store::sqliteErrorKind(pragma.lastError().nativeErrorCode().toInt()),
                         pragma.lastError().databaseText(), sql);
        return pragma.next() ? pragma.value(0).toString().toLower() : QString();
    };
    if (store::onNetworkFileSystem(d->path)) {
        // WAL shares the store's index through memory, which hosts on a
        // network file system do not share: the rollback journal, whose
        // file locks the file system passes on, keeps several workstations
        // apart there.
        if (run(QStringLiteral("PRAGMA journal_mode = DELETE")) != QLatin1String("delete"))
            throw DatabaseError(QStringLiteral("Die Datenbank %1 liegt auf einem Netzlaufwerk und ist noch an einem "
                                               "Arbeitsplatz im WAL-Modus geöffnet. Bitte dort das Programm beenden "
                                               "und erneut versuchen.")
                                    .arg(QDir::toNativeSeparators(storeFilePath())));
        run(QStringLiteral("PRAGMA synchronous = FULL"));
        return;
    }
    // Readers do not wait for writers, and a crash loses at most the last commit.
    run(QStringLiteral("PRAGMA journal_mode = WAL"));
    run(QStringLiteral("PRAGMA synchronous = NORMAL"));
    // Reads go through the memory map instead of a copy per page.
    // (A larger page cache would slow bulk inserts: the dirty
    // pages would pile up until the commit.)
    run(QStringLiteral("PRAGMA mmap_size = 268435456"));
}

QString Database::storeFilePath() const
{
    return QDir(d->path).filePath(d->aliasName + QStringLiteral(".sqlite"));
}

bool Database::isStoreFile(const store::FileIdentity &file) const
{
    return !d->storeFile || *d->storeFile == file;
}

void Database::requireOpenedStoreFile()
{
    if (!d->storeFile)
        return;
    const QString path = storeFilePath();
    const std::optional<store::FileIdentity> now = store::identityOf(path);
    if (!now || *now != *d->storeFile)
        throw store::storeFileReplaced(path);
}

void Database::guarded(const std::function<void()> &write)
{
    // Inside a transaction the file was checked at its start and is checked
    // again before the commit, which a replaced file refuses: nothing written
    // in between can be reported as saved. Checking per write would cost a
    // file lookup per row of a bulk append.
    if (d->transactionDepth == 0)
        requireOpenedStoreFile();
    if (d->backend != Backend::PostgreSQL || d->transactionDepth == 0) {
        write();
        return;
    }
    store::guardedWrite(*d->postgres, write);
}

// --- transactions: the outermost level is the store's transaction, inner
// levels are savepoints, so an inner rollback undoes only its own part.

void Database::beginTransaction()
{
    if (!d->open)
        open();
    if (d->transactionDepth == 0) {
        requireOpenedStoreFile();
        prepare(d->backend == Backend::SQLite ? QStringLiteral("BEGIN IMMEDIATE") : QStringLiteral("BEGIN"))
            ->execute();
    } else {
        prepare(QStringLiteral("SAVEPOINT razazu_level_%1").arg(d->transactionDepth))->execute();
    }
    ++d->transactionDepth;
}

void Database::commit()
{
    if (d->transactionDepth == 0)
        throw DatabaseError(QStringLiteral("Es ist keine Transaktion aktiv."));
    if (d->transactionDepth == 1) {
        requireOpenedStoreFile();
        prepare(QStringLiteral("COMMIT"))->execute();
    } else {
        prepare(QStringLiteral("RELEASE SAVEPOINT razazu_level_%1").arg(d->transactionDepth - 1))->execute();
    }
    if (--d->transactionDepth == 0 && d->locks)
        d->locks->transactionEnded();
}

void Database::rollback()
{
    if (d->transactionDepth == 0)
        throw DatabaseError(QStringLiteral("Es ist keine Transaktion aktiv."));
    --d->transactionDepth;
    if (d->transactionDepth == 0) {
        // The locks go with the transaction even when the store reports
        // the rollback failed: it is gone either way.
        auto endLocks = qScopeGuard([&] {
            if (d->locks)
                d->locks->transactionEnded();
        });
        prepare(QStringLiteral("ROLLBACK"))->execute();
    } else {
        const QString savepoint = QStringLiteral("razazu_level_%1").arg(d->transactionDepth);
        prepare(QStringLiteral("ROLLBACK TO SAVEPOINT %1").arg(savepoint))->execute();
        prepare(QStringLiteral("RELEASE SAVEPOINT %1").arg(savepoint))->execute();
    }
    // Tables created or dropped inside the transaction may be gone again.
    forgetLayouts();
}

bool Database::inTransaction() const
{
    return d->transactionDepth > 0;
}

int Database::transactionDepth() const
{
    return d->transactionDepth;
}

// --- tables

QStringList Database::tableNames()
{
    if (!d->open)
        open();
    if (!d->tableNames)
        d->tableNames = store::readTableNames(*this, d->dialect());
    return *d->tableNames;
}

QString Database::storeTableName(const QString &tableName)
{
    const QString name = normalizedTableName(tableName);
    for (const QString &stored : tableNames()) {
        if (stored.compare(name, Qt::CaseInsensitive) == 0)
            return stored;
    }
    return name;
}

bool Database::tableExists(const QString &tableName)
{
    const QString name = normalizedTableName(tableName);
    for (const QString &stored : tableNames()) {
        if (stored.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

void Database::createTable(const TableDef &def)
{
    TableDef normalized = def;
    normalized.name = normalizedTableName(def.name);
    if (normalized.fields.isEmpty())
        throw DatabaseError(QStringLiteral("Die Tabelle %1 hat keine Felder.").arg(normalized.name));
    if (tableExists(normalized.name))
        throw DatabaseError(QStringLiteral("Die Tabelle %1 existiert bereits.").arg(normalized.name));
    const QStringList statements = store::createTableSql(d->dialect(), normalized);
    Transaction transaction(*this);
    for (const QString &sql : statements)
        prepare(sql)->execute();
    transaction.commit();
    forgetLayouts();
}

void Database::createMissingTables()
{
    const QList<TableDef> declared = Schema::tablesOf(d->aliasName);
    Transaction transaction(*this);
    for (const TableDef &def : declared) {
        if (!tableExists(def.name))
            createTable(def);
    }
    transaction.commit();
}

void Database::dropTable(const QString &tableName)
{
    if (!tableExists(tableName))
        throw DatabaseError(QStringLiteral("Die Tabelle %1 existiert nicht.").arg(normalizedTableName(tableName)));
    execute(QStringLiteral("DROP TABLE %1").arg(quote(storeTableName(tableName))));
}

void Database::renameTable(const QString &from, const QString &to)
{
    if (!tableExists(from))
        throw DatabaseError(QStringLiteral("Die Tabelle %1 existiert nicht.").arg(normalizedTableName(from)));
    const QString target = normalizedTableName(to);
    if (tableExists(target))
        throw DatabaseError(QStringLiteral("Die Tabelle %1 existiert bereits.").arg(target));
    const QString source = storeTableName(from);
    const store::StoredLayout layout = storedLayout(source);
    Transaction transaction(*this);
    execute(QStringLiteral("ALTER TABLE %1 RENAME TO %2").arg(quote(source), quote(target)));
    // Index names carry the table's name; they follow it.
    for (const IndexDef &index : layout.def.indexes) {
        const QString oldName = store::indexStoreName(source, index.name);
        const QString newName = store::indexStoreName(target, index.name);
        if (d->backend == Backend::PostgreSQL) {
            execute(QStringLiteral("ALTER INDEX IF EXISTS %1 RENAME TO %2").arg(quote(oldName), quote(newName)));
        } else {
            TableDef def = layout.def;
            def.name = target;
            execute(QStringLiteral("DROP INDEX IF EXISTS %1").arg(quote(oldName)));
            execute(store::createIndexSql(d->dialect(), def, index));
        }
    }
    transaction.commit();
    forgetLayouts();
}

void Database::createIndex(const QString &tableName, const IndexDef &index)
{
    TableDef def = tableDef(tableName);
    execute(store::createIndexSql(d->dialect(), def, index));
}

void Database::dropIndex(const QString &tableName, const QString &indexName)
{
    const TableDef def = tableDef(tableName);
    for (const IndexDef &index : def.indexes) {
        if (index.name.compare(indexName, Qt::CaseInsensitive) == 0) {
            execute(QStringLiteral("DROP INDEX %1").arg(quote(store::indexStoreName(def.name, index.name))));
            return;
        }
    }
    throw DatabaseError(QStringLiteral("Der Index %1 der Tabelle %2 existiert nicht.").arg(indexName, def.name));
}

QString Database::columnDefinition(const FieldDef &field) const
{
    return store::columnDefinition(backend() == Backend::SQLite ? store::Dialect::SQLite
                                                                : store::Dialect::PostgreSQL,
                                   field, field.required);
}

QString Database::rowIdColumn()
{
    return QStringLiteral("razazu_rowid");
}

void Database::forgetLayouts()
{
    d->tableNames.reset();
    d->layouts.clear();
}

namespace {

bool sameType(FieldType stored, FieldType declared)
{
    if (stored == declared)
        return true;
    // PostgreSQL keeps pictures and other bytes alike.
    return stored == FieldType::Blob && declared == FieldType::Graphic;
}

// The store matches the declared layout: same fields in the same order with
// the same types and sizes, the same key and indexes.
bool matchesDeclared(const TableDef &stored, const TableDef &declared)
{
    if (stored.fields.size() != declared.fields.size()
        || stored.primaryKey.size() != declared.primaryKey.size()
        || stored.indexes.size() != declared.indexes.size())
        return false;
    for (int i = 0; i < stored.fields.size(); ++i) {
        const FieldDef &s = stored.fields[i];
        const FieldDef &c = declared.fields[i];
        if (s.name.compare(c.name, Qt::CaseInsensitive) != 0 || !sameType(s.type, c.type))
            return false;
        if (c.type == FieldType::Alpha && s.size != (c.size > 0 ? c.size : 255))
            return false;
    }
    for (int i = 0; i < stored.primaryKey.size(); ++i) {
        if (stored.primaryKey[i].compare(declared.primaryKey[i], Qt::CaseInsensitive) != 0)
            return false;
    }
    for (const IndexDef &index : declared.indexes) {
        bool found = false;
        for (const IndexDef &candidate : stored.indexes)
            found = found || candidate.name.compare(index.name, Qt::CaseInsensitive) == 0;
        if (!found)
            return false;
    }
    return true;
}

} // namespace

store::StoredLayout Database::storedLayout(const QString &tableName)
{
    const QString storeName = storeTableName(tableName);
    const QString key = storeName.toLower();
    auto it = d->layouts.find(key);
    if (it != d->layouts.end())
        return *it;
    if (!tableExists(storeName))
        throw DatabaseError(QStringLiteral("Die Tabelle %1 existiert nicht.").arg(storeName));
    store::StoredLayout layout = store::readLayout(*this, d->dialect(), storeName);
    if (const TableDef *declared = Schema::find(storeName)) {
        if (matchesDeclared(layout.def, *declared)) {
            const TableDef stored = layout.def;
            layout.def = *declared;
            layout.def.name = storeName;
            // Field names as the store spells them, so quoting finds them on PostgreSQL.
            for (int i = 0; i < layout.def.fields.size(); ++i)
                layout.def.fields[i].name = stored.fields[i].name;
        }
    }
    d->layouts.insert(key, layout);
    return layout;
}

TableDef Database::tableDef(const QString &tableName)
{
    if (!d->open)
        open();
    if (!tableExists(tableName)) {
        if (const TableDef *declared = Schema::find(tableName))
            return *declared;
        throw DatabaseError(QStringLiteral("Die Tabelle %1 existiert nicht.").arg(normalizedTableName(tableName)));
    }
    return storedLayout(tableName).def;
}

bool Database::hasRowIdColumn(const QString &tableName)
{
    return storedLayout(tableName).rowIdColumn;
}

LockManager &Database::locks()
{
    if (!d->locks)
        d->locks = std::make_unique<LockManager>(*this);
    return *d->locks;
}

bool tableExistsInFolder(const QString &folder, const QString &tableName)
{
    const QDir dir(folder);
    if (folder.isEmpty() || !dir.exists())
        return false;
    // The folder's store is named after its alias, which the caller does not
    // know: every store in the folder is asked.
    QStringList aliases;
    for (const QString &entry : dir.entryList({QStringLiteral("*.sqlite"), QStringLiteral("*.pg")}, QDir::Files))
        aliases << QFileInfo(entry).completeBaseName();
    aliases.removeDuplicates();
    for (const QString &aliasName : aliases) {
        Database probe(aliasName);
        probe.setPath(folder);
        try {
            probe.open();
            if (probe.tableExists(tableName))
                return true;
        } catch (const DatabaseError &) {
            // A store that cannot be opened holds no table we could use.
        }
    }
    return false;
}

Transaction::Transaction(Database &database) : database_(database)
{
    database_.beginTransaction();
}

Transaction::~Transaction()
{
    if (done_)
        return;
    try {
        database_.rollback();
    } catch (...) {
        // Destructors must not throw; the store rolls back on its own when
        // the connection goes.
    }
}

void Transaction::commit()
{
    if (done_)
        return;
    database_.commit();
    done_ = true;
}

} // namespace db
