#pragma once

#include "TableDef.h"

#include <QObject>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>
#include <memory>

namespace db {

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

signals:
    void aboutToClose();

private:
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
