#pragma once

#include "Catalog.h"
#include "platform/db/DataSource.h"
#include "platform/db/Database.h"
#include "platform/db/FilterExpression.h"
#include "StoreStatement.h"
#include "platform/db/Table.h"

#include <QHash>
#include <QPointer>
#include <deque>
#include <map>
#include <optional>
#include <unordered_map>
#include <vector>

// Inside platform/db: the state of a Table cursor, shared by the files that
// implement it (Table.cpp: set-up and fields; TableCursor.cpp: reading and
// navigation; TableEditing.cpp: changes; TableSql.cpp: the SQL it runs).
namespace db {

// A value the store keeps as null: no value at all, or a null of any type.
inline bool isNullValue(const QVariant &value)
{
    return !value.isValid() || value.isNull();
}

// One column of the cursor's order. The key (or the hidden row number)
// always closes the order, so every record has a unique place in it.
struct OrderColumn
{
    int cell = 0;               // index of the value in a fetched row
    FieldType type = FieldType::Long;
    bool caseInsensitive = false;
    bool nullable = false;
    bool descending = false;
    QString expression;         // the column as ORDER BY and comparisons use it
};

// "Name; Vorname" -> {"Name", "Vorname"}
QStringList splitFieldList(const QString &fieldNames);

struct Condition
{
    QString sql;                // empty: no restriction
    QVariantList params;

    void add(const Condition &other);
};

struct Table::Private
{
    explicit Private(Table *table) : q(table) {}

    Table *q;
    QPointer<Database> database;
    QString tableName;          // as set, without extension
    bool exclusive = false;
    bool readOnly = false;
    QString indexName;
    QString indexFieldNames;
    QList<FieldDef> calculatedDefs;

    // --- open state
    bool open = false;
    bool tableAcquired = false;
    bool tableAcquiredExclusive = false;
    QString storeName;          // the table as the store spells it
    TableDef def;
    store::Dialect dialect = store::Dialect::SQLite;
    QString identityExpression; // no key: the row number column
    QList<int> identityCells;   // key fields, or the row number cell
    int cellCount = 0;          // values per fetched row
    QString selectList;
    std::vector<std::unique_ptr<Field>> fields;   // stored, then calculated
    // Exact, lower-case and asked-for names. Controls ask on every move, so
    // the names are hashed plainly rather than with Qt's seeded hash.
    struct NameHash
    {
        size_t operator()(const QString &name) const noexcept
        {
            size_t hash = 1469598103934665603ULL;
            for (QChar c : name)
                hash = (hash ^ c.unicode()) * 1099511628211ULL;
            return hash;
        }
    };
    std::unordered_map<QString, int, NameHash> fieldsByName;
    QList<OrderColumn> order;
    QStringList orderFields;
    QMetaObject::Connection databaseConnection;

    // --- restrictions
    bool rangeSet = false;
    QVariantList rangeStart;
    QVariantList rangeEnd;
    QString filterText;
    bool filtered = false;
    bool filterCaseInsensitive = false;
    std::optional<SqlCondition> filterCondition;  // parsed filterText
    QPointer<DataSource> master;
    QStringList masterFields;
    QStringList detailFields;
    QMetaObject::Connection masterConnection;
    std::optional<QVariantList> linkValues;       // unset: no master record

    // --- the cursor: a window of rows in order around the current one
    std::deque<store::Row> rows;
    bool startKnown = true;     // nothing before rows.front()
    bool endKnown = true;       // nothing after rows.back()
    int current = -1;
    // &rows[current], kept until the cursor moves: every field read of a
    // scan asks for it.
    mutable const store::Row *currentCache = nullptr;
    bool bof = true;
    bool eof = true;
    int nextFetch = 0;          // grows while reading on in one direction
    int windowRows = 0;         // set for tests; 0: chosen from the table's width
    int largestFetch() const;
    int windowLimit() const;
    int firstFetch() const;
    bool lastFetchForward = true;

    // --- editing
    DatasetState state = DatasetState::Inactive;
    std::vector<QVariant> buffer;
    std::vector<bool> changed;
    bool modified = false;
    QVariantList editIdentity;  // the edited record's key before changes
    QString lockedKey;          // record lock held for the edit
    bool recordLocked = false;

    // --- calculated fields and filter callbacks
    std::vector<QVariant> calcValues;
    bool calcValid = false;
    bool inCalc = false;
    const store::Row *probe = nullptr;   // row the filter callback looks at
    bool inFilterCallback = false;

    // Rows dropped from the window, kept with their buffers for the next fetch.
    std::vector<store::Row> spareRows;
    store::Row takeRow();
    void recycle(store::Row &&row);

    // Ends an edit or insert (after it was written or dropped) and tells the
    // listeners.
    void backToBrowse(bool written = false);

    int controlsDisabled = 0;
    bool askingControls = false;          // aboutToPost() is being sent
    std::exception_ptr postRefusal;       // what a control refused the post with
    // Whether anybody listens to each signal.
    enum Signal { StateSignal, RecordSignal, FieldSignal, LayoutSignal, CurrentSignal, PostSignal, SignalCount };
    bool listeners[SignalCount] = {};
    bool listenersStale = true;
    bool listening(Signal signal);
    void updateListeners();
    std::map<QString, std::unique_ptr<store::Statement>> statements;
    // Reading selects by direction and condition, and what all of them
    // share: reading on and key searches then build no SQL. Forgotten when
    // the order changes or the table closes.
    QString selectHead;
    QString orderByText[2];   // by direction: backward, forward
    QHash<QString, store::Statement *> selects[2];
    void forgetSelects();
    const QString &cachedOrderBy(bool forward);
    QString selectSql(const QString &where, bool forward);
    store::Statement &selectStatement(const QString &where, bool forward);
    // Insert and update statements by the shape of the write (which fields
    // take part), so that repeated posts skip building SQL.
    QHash<QByteArray, store::Statement *> writeStatements;
    QByteArray writeShape;            // reused by each post
    QByteArray lastWriteShape;        // the shape of lastWrite
    store::Statement *lastWrite = nullptr;
    QStringList quotedFields;
    std::vector<bool> keyFields;      // per field: part of the primary key
    std::vector<bool> keyTextFields;  // per field: an Alpha key field ('' for empty)

    // --- Table.cpp
    void requireOpen() const;
    void shutdown();
    void forceClose();
    void requireClosed(const char *what) const;
    void buildFields();
    void resolveOrder();
    void changeOrder(const QString &newIndexName, const QString &newFieldNames);
    // The record changed: calculated values and the current row's place
    // are found anew.
    void invalidateCalc()
    {
        calcValid = false;
        currentCache = nullptr;
    }
    void ensureCalc();
    QVariant value(int fieldIndex);
    bool isNull(int fieldIndex);
    void setValue(int fieldIndex, QVariant typedValue);
    const store::Row *currentRow() const;
    void reparseFilter();
    void notifyState();
    void notifyRecord();
    void notifyLayout();
    void notifyField(int fieldIndex);
    void notifyCurrent();

    // --- TableSql.cpp
    store::Statement &statement(const QString &sql);
    QString orderBy(bool forward) const;
    QString columnValueSql(const OrderColumn &column) const;
    // Rows after (or before) the key in cursor order; inclusive takes the key
    // itself too. Only the first values.size() order columns take part.
    Condition keyset(const QVariantList &values, bool after, bool inclusive) const;
    // The same as a row-value comparison, where no null can get in its way.
    std::optional<Condition> rowValueKeyset(const QVariantList &values, bool after, bool inclusive) const;
    // The same as disjoint parts, each one seek in the order's index.
    std::vector<Condition> keysetParts(const QVariantList &values, bool after, bool inclusive) const;
    Condition keyEquals(const QVariantList &values) const;
    Condition identityEquals(const QVariantList &identity) const;
    Condition baseCondition() const;
    QVariantList orderValues(const store::Row &row) const;
    QVariantList identityOf(const store::Row &row) const;
    QString identityText(const QVariantList &identity) const;
    QVariant convertKeyValue(int cell, const QVariant &value) const;
    QVariantList convertKeyValues(const QVariantList &values) const;
    // A whole number beyond an integer key field's range: no record holds it.
    // Nearest searches take the end of the range instead (clampedKeyValues);
    // exact searches find nothing (keyBeyondRange).
    bool keyBeyondRange(const QVariantList &values) const;
    QVariantList clampedKeyValues(const QVariantList &values) const;

    // --- TableCursor.cpp
    struct Fetched
    {
        std::vector<store::Row> rows;
        bool complete = false;  // no further rows in that direction
    };
    // Up to `wanted` rows from `from` on (nullptr: from the start or end),
    // honouring range, filter, master link, the filter callback and extra.
    Fetched fetch(const store::Row *from, bool inclusive, bool forward, int wanted,
                  const Condition &extra = {});
    bool accepts(const store::Row &row);
    void setSingleRow(store::Row row);
    void clearWindow();
    void internalFirst();
    void internalLast();
    bool stepForward();
    bool stepBackward();
    void repositionAfterChange(const store::Row &row);
    std::optional<store::Row> fetchByIdentity(const QVariantList &identity, bool withBase);
    int countRows(const Condition &extra);
    // The rows after (or before) the key, within the base condition; stops
    // counting at limit.
    int countBeyondUpTo(const QVariantList &values, bool after, int limit);
    void afterMove();
    void applyMasterValues();
    std::optional<QVariantList> currentMasterValues() const;
    void masterChanged();

    // --- TableEditing.cpp
    void writeRecord();
    store::Row rowFromBuffer(const QVariant &rowNumber);
    const QVariant &storedValue(int fieldIndex) const;
    // written: posted or deleted, so locked on until the transaction ends.
    void unlockRecord(bool written = false);
    void fillLinkFields();
};

// What other parts of the layer read of a cursor directly.
struct TableInternals
{
    // The current record as the store delivered it, for copies that bind its
    // values without converting them; nullptr outside browse state.
    static const store::Row *currentRow(const Table &table)
    {
        if (table.d->state != DatasetState::Browse)
            return nullptr;
        return table.d->currentRow();
    }
};

} // namespace db
