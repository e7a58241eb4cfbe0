#pragma once

#include "platform/db/TableDef.h"

#include <QByteArray>
#include <QString>
#include <QVariant>
#include <memory>
#include <optional>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

// Inside platform/db: prepared statements on either back end behind one
// interface, and rows kept as raw cells that are converted only when read.
namespace db::store {

enum class Dialect { SQLite, PostgreSQL };

// Store failures the layer reports in German words of its own; the engine's
// message goes into the error's details. General ones keep the engine's words.
enum class ErrorKind { General, KeyViolation, RequiredValue, Busy, CannotOpen, ReadOnly, DiskFull, Damaged, InputOutput };
[[noreturn]] void raise(ErrorKind kind, const QString &engineMessage, const QString &sql = {});
// The kind of an SQLite result code (extended or primary) and of a
// PostgreSQL SQLSTATE.
ErrorKind sqliteErrorKind(int code);
ErrorKind postgresErrorKind(const QString &sqlState);

// One value of a fetched row, as the store delivered it. Text and bytes live
// in the row's byte buffer, so a row costs two allocations however wide it is.
struct Cell
{
    enum Kind : quint8 { Null, Integer, Real, Text, Bytes };
    Kind kind = Null;
    quint32 size = 0;
    union {
        qint64 integer = 0;
        double real;
        quint32 offset;
    };
};

struct Row
{
    std::vector<Cell> cells;
    QByteArray bytes;

    bool isNull(int column) const { return cells[column].kind == Cell::Null; }
    QString text(int column) const;          // Text/Bytes as UTF-8; numbers as C-locale text
    QByteArray rawBytes(int column) const;
    void setValue(int column, const QVariant &value);   // typed value -> cell
};

// The value a field of the given type holds for the cell, typed as
// Field::value() returns it (QString, int, double, bool, QDate, QTime,
// QDateTime, QByteArray); an invalid QVariant for null.
QVariant cellValue(const Row &row, int column, FieldType type);

// The field type a column's SQL type stands for ("VARCHAR(35)", "MONEY",
// "character varying(35)", "timestamp without time zone", ...).
FieldType fieldTypeFromSql(const QString &sqlType, int *size = nullptr, int *precision = nullptr);

// Storage forms of dates and times on SQLite (ISO text, sorts correctly).
// How the store keeps a value: booleans and every integer type as integers,
// dates and times as their stored text.
enum class StoredKind { Null, Integer, Real, Bytes, Date, Time, DateTime, Text };
StoredKind storedKind(const QVariant &value);

QString storedDate(const QDate &date);
// The date of a stored text ("2024-03-05", also with a time after it);
// nothing for any other text.
std::optional<QDate> storedDateOf(const char *text, quint32 size);
QString storedTime(const QTime &time);
QString storedDateTime(const QDateTime &dateTime);

class Statement
{
public:
    virtual ~Statement() = default;
    // position: 0-based.
    virtual void bind(int position, const QVariant &value) = 0;
    // Binds a value of a fetched or built row without converting it again.
    // The row must stay unchanged until the statement is reset.
    virtual void bindCell(int position, const Row &row, int column, FieldType type) = 0;
    // name with its marker: ":name". Returns false when the statement has no such parameter.
    virtual bool bindNamed(const QString &name, const QVariant &value) = 0;
    // Runs the statement on the first call, then moves on; true while on a row.
    virtual bool step() = 0;
    // Ready to run again; bindings are kept.
    virtual void reset() = 0;
    // Forgets all bindings (after cells were bound in place).
    virtual void clearBindings() = 0;
    virtual int columnCount() const = 0;
    virtual QString columnName(int column) const = 0;
    virtual void readRow(Row &row) = 0;
    // Typed by the column's declared type where the store tells it.
    virtual QVariant value(int column) = 0;
    virtual int rowsAffected() const = 0;
    virtual QString sql() const = 0;
    virtual int parameterCount() const = 0;

    // Statements that collect rows (appends by COPY) send what they hold;
    // others have nothing to send.
    virtual void flush() {}

    // Runs a statement without result rows; returns rows affected.
    int execute();
};

// Statements on the native SQLite handle. The registry finalizes every
// statement still alive when the connection closes, so a forgotten statement
// never keeps the file open.
class SqliteRegistry;
void destroyRegistry(SqliteRegistry *registry);
struct RegistryDeleter
{
    void operator()(SqliteRegistry *registry) const { destroyRegistry(registry); }
};
using SqliteRegistryPointer = std::unique_ptr<SqliteRegistry, RegistryDeleter>;
SqliteRegistryPointer makeSqliteRegistry(sqlite3 *handle);
std::unique_ptr<Statement> prepareSqlite(SqliteRegistry &registry, const QString &sql);
void finalizeAll(SqliteRegistry &registry);

// Replaces SQLite's ASCII-only lower()/upper() by Unicode-aware ones, so
// case-insensitive comparisons treat umlauts as PostgreSQL does.
void installSqliteFunctions(sqlite3 *handle);

} // namespace db::store
