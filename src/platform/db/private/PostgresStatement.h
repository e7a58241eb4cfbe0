#pragma once

#include "StoreStatement.h"

#include <functional>
#include <memory>

typedef struct pg_conn PGconn;

// Inside platform/db: statements on the native libpq handle of the Qt
// connection, so that rows are read straight into cells and a write inside
// a transaction takes its savepoint in the same round trip.
namespace db::store {

class PostgresSession;
using PostgresSessionPointer = std::shared_ptr<PostgresSession>;

PostgresSessionPointer makePostgresSession(PGconn *handle);
// Statements still alive afterwards refuse to run.
void closePostgresSession(PostgresSession &session);
std::unique_ptr<Statement> preparePostgres(const PostgresSessionPointer &session, const QString &sql);
// Appends to the table (quoted) with COPY; columns quoted. Each execute()
// adds the bound row, flush() sends what is left.
std::unique_ptr<Statement> preparePostgresCopy(const PostgresSessionPointer &session, const QString &table,
                                               const QStringList &columns);

// Runs a write inside a transaction so that its failure undoes only itself:
// the savepoint goes ahead of the write's first command and its release
// ahead of the next command, in the same round trips.
void guardedWrite(PostgresSession &session, const std::function<void()> &write);

} // namespace db::store
