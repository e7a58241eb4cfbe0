#pragma once

#include "TableDef.h"

#include <QObject>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>
#include <functional>
#include <memory>

namespace db {

class LockManager;
namespace store {
class Statement;
struct StoredLayout;
struct FileIdentity;
}

// A database alias ("Z_Tavero", "Razazu") is a folder. The folder holds one
// SQLite file named after the alias with every table of the alias, or, when
// it holds "<alias>.pg" (host, port, database, schema, user, password lines
// "key=value"), the alias is served by PostgreSQL.
class Database : public QObject
{
    Q_OBJECT
public:
    enum class Backend { SQLite, PostgreSQL };

    explicit Database(const QString &aliasName, QObject *parent = nullptr);
    ~Database() override;

    // The process-wide alias of that name, created on first use.
    static Database &alias(const QString &aliasName);

    QString aliasName() const;
    QString path() const;
    // Closes the alias (and every table open through it), re-points it.
    void setPath(const QString &folder);
    void open();   // creates the SQLite file when missing
    void close();
    bool isOpen() const;
    Backend backend() const;

    bool tableExists(const QString &tableName);
    QStringList tableNames();
    // Creates the table and its indexes from the declared layout.
    void createTable(const TableDef &def);
    // Creates every table registered for this alias that is missing.
    void createMissingTables();
    void dropTable(const QString &tableName);
    // The table's layout as the store holds it (declared layout when known).
    TableDef tableDef(const QString &tableName);

    // Transactions nest: only the outermost commit writes.
    void beginTransaction();
    void commit();
    void rollback();
    bool inTransaction() const;

    // Runs a statement with positional '?' parameters; returns rows affected.
    int execute(const QString &sql, const QVariantList &params = {});

    // The Qt connection (only platform/db uses it).
    QSqlDatabase connection() const;
    // Quotes an identifier in its schema spelling.
    QString quote(const QString &identifier) const;

    // Table and record locks of this alias (one per Database).
    LockManager &locks();
    // The store's spelling of a table name ("einheit.db" -> "EINHEIT"); the
    // normalized name when the store has no such table.
    QString storeTableName(const QString &tableName);
    void renameTable(const QString &from, const QString &to);
    // Secondary indexes as createTable makes them (case-insensitive columns,
    // the primary key appended so the index alone gives a total order).
    void createIndex(const QString &tableName, const IndexDef &index);
    void dropIndex(const QString &tableName, const QString &indexName);
    // The column's SQL ("\"Name\" VARCHAR(35)") for CREATE or ALTER TABLE here.
    QString columnDefinition(const FieldDef &field) const;
    // Tables without primary key carry this hidden, store-assigned row
    // number; it gives their records an identity and their natural order.
    static QString rowIdColumn();
    bool hasRowIdColumn(const QString &tableName);
    // Drops cached layouts after structural changes made with execute().
    void forgetLayouts();

    // --- inside platform/db
    // A prepared statement on this connection: the native SQLite handle on
    // SQLite, Qt Sql on PostgreSQL.
    std::unique_ptr<store::Statement> prepare(const QString &sql);
    // PostgreSQL: appends to the table with COPY, far faster than an insert
    // per row; the rows go out at flush() (and as they pile up), where a
    // failing one fails them all. Nothing on SQLite, whose inserts are as fast.
    std::unique_ptr<store::Statement> prepareBulkAppend(const QString &tableName, const QStringList &columns);
    // Runs a write so that, inside a transaction, its failure undoes only
    // itself (PostgreSQL would otherwise refuse the rest of the transaction).
    void guarded(const std::function<void()> &write);
    int transactionDepth() const;
    // SQLite: the store file, and whether a file is still the one opened.
    QString storeFilePath() const;
    bool isStoreFile(const store::FileIdentity &file) const;

signals:
    void aboutToClose();

private:
    store::StoredLayout storedLayout(const QString &tableName);
    void chooseJournal();
    // Throws when the store file was deleted or replaced since the opening.
    void requireOpenedStoreFile();

    struct Private;
    std::unique_ptr<Private> d;
};

// "Does the file X.DB exist in folder F": does the store of F hold table X.
bool tableExistsInFolder(const QString &folder, const QString &tableName);

// Commits when it leaves scope through commit(), otherwise rolls back.
class Transaction
{
public:
    explicit Transaction(Database &database);
    ~Transaction();
    void commit();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

private:
    Database &database_;
    bool done_ = false;
};

} // namespace db
