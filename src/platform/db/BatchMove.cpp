#include "BatchMove.h"

#include "Database.h"
#include "DatabaseError.h"
#include "private/FieldConvert.h"
#include "Locks.h"
#include "private/StoreStatement.h"
#include "private/RecordCopy.h"
#include "Table.h"
#include "private/TablePrivate.h"

#include <QDate>
#include <QScopeGuard>
#include <cmath>
#include <limits>

namespace db {

namespace {

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Values the destination takes exactly as the source's store delivered them,
// when each cell passes its check (see bindsUnchanged()).
enum class Unchanged { No, Integer, Real, Text, Logical, Date, Bytes };

bool isInteger(FieldType type)
{
    return type == FieldType::Short || type == FieldType::Long || type == FieldType::AutoInc;
}

bool isReal(FieldType type)
{
    return type == FieldType::Number || type == FieldType::Money;
}

bool isBytes(FieldType type)
{
    return type == FieldType::Blob || type == FieldType::Graphic;
}

Unchanged unchangedKind(const FieldDef &from, const FieldDef &to)
{
    if (isInteger(from.type) && isInteger(to.type))
        return Unchanged::Integer;
    if (isReal(from.type) && isReal(to.type))
        return Unchanged::Real;
    if ((from.type == FieldType::Alpha || from.type == FieldType::Memo)
        && (to.type == FieldType::Alpha || to.type == FieldType::Memo))
        return Unchanged::Text;
    if (from.type == FieldType::Logical && to.type == FieldType::Logical)
        return Unchanged::Logical;
    if (from.type == FieldType::Date && to.type == FieldType::Date)
        return Unchanged::Date;
    if (isBytes(from.type) && isBytes(to.type))
        return Unchanged::Bytes;
    return Unchanged::No;
}

// A stored field of the source and its index in the source's rows.
struct SourceField
{
    FieldDef def;
    int index = 0;
};

// A destination field and the source field it is filled from.
struct FieldPair
{
    FieldDef target;
    int targetIndex = 0;     // in the destination's fields
    FieldDef source;
    int sourceIndex = 0;     // in the source table's fields
    bool key = false;
    Unchanged unchanged = Unchanged::No;
    qint64 low = 0;          // Integer: the destination's range
    qint64 high = 0;
    quint32 maxBytes = 0;    // Text into Alpha: longer cells may need cutting
    QVariant null;           // what a null value is stored as ('' in an Alpha key)
};

// The cell bound as it is gives what the field conversion would store.
bool bindsUnchanged(const FieldPair &pair, const store::Row &row)
{
    const store::Cell &cell = row.cells[pair.sourceIndex];
    switch (pair.unchanged) {
    case Unchanged::No:
        return false;
    case Unchanged::Integer:
        return cell.kind == store::Cell::Integer && cell.integer >= pair.low && cell.integer <= pair.high;
    case Unchanged::Real:
        return cell.kind == store::Cell::Real && std::isfinite(cell.real);
    case Unchanged::Text:
        // UTF-8 takes at least a byte per character: no more bytes than the
        // field's size, nothing to cut. Empty text is null.
        return cell.kind == store::Cell::Text && cell.size > 0 && cell.size <= pair.maxBytes;
    case Unchanged::Logical:
        return cell.kind == store::Cell::Integer && (cell.integer == 0 || cell.integer == 1);
    case Unchanged::Date:
        // Exactly "2024-03-05", as the store writes a valid date.
        return cell.kind == store::Cell::Text && cell.size == 10
               && store::storedDateOf(row.bytes.constData() + cell.offset, cell.size);
    case Unchanged::Bytes:
        return cell.kind == store::Cell::Bytes && cell.size > 0;
    }
    return false;
}

// The value bound as it is gives what the field conversion would store.
bool bindsAsGiven(const FieldPair &pair, const QVariant &value)
{
    switch (pair.unchanged) {
    case Unchanged::Integer:
        if (value.typeId() == QMetaType::Int) {
            const int number = *static_cast<const int *>(value.constData());
            return number >= pair.low && number <= pair.high;
        }
        return false;
    case Unchanged::Real:
        return value.typeId() == QMetaType::Double && std::isfinite(*static_cast<const double *>(value.constData()));
    case Unchanged::Text:
        if (value.typeId() == QMetaType::QString) {
            const qsizetype size = static_cast<const QString *>(value.constData())->size();
            return size > 0 && quint64(size) <= pair.maxBytes;
        }
        return false;
    case Unchanged::Date:
        return value.typeId() == QMetaType::QDate && static_cast<const QDate *>(value.constData())->isValid();
    default:
        return false;
    }
}

class Mover
{
public:
    // sources: the source's stored fields, each with its index in the
    // source's rows; sourceName names the source in messages.
    Mover(Table *table, const QList<SourceField> &sources, const QString &sourceName, Database &destination,
          const TableDef &target, BatchMode mode)
        : table_(table), database_(destination), target_(target), mode_(mode)
    {
        const bool keyed = mode != BatchMode::Append && mode != BatchMode::Copy;
        for (int i = 0; i < target_.fields.size(); ++i) {
            const FieldDef &field = target_.fields[i];
            const SourceField *from = nullptr;
            for (const SourceField &candidate : sources) {
                if (!from && sameName(candidate.def.name, field.name))
                    from = &candidate;
            }
            if (!from)
                continue;
            FieldPair pair;
            pair.target = field;
            pair.targetIndex = i;
            pair.source = from->def;
            pair.sourceIndex = from->index;
            for (const QString &key : target_.primaryKey)
                pair.key = pair.key || sameName(key, field.name);
            pair.unchanged = unchangedKind(pair.source, pair.target);
            pair.low = field.type == FieldType::Short ? std::numeric_limits<qint16>::min()
                                                      : std::numeric_limits<qint32>::min();
            pair.high = field.type == FieldType::Short ? std::numeric_limits<qint16>::max()
                                                       : std::numeric_limits<qint32>::max();
            pair.maxBytes = field.type == FieldType::Alpha ? quint32(field.size > 0 ? field.size : 255)
                                                           : std::numeric_limits<quint32>::max();
            pair.null = store::storedForm(target_, i, QVariant());
            pairs_ << pair;
        }
        if (pairs_.isEmpty())
            throw DatabaseError(QStringLiteral("Die Tabellen %1 und %2 haben kein gemeinsames Feld.")
                                    .arg(sourceName, target_.name));
        if (keyed) {
            if (target_.primaryKey.isEmpty())
                throw DatabaseError(QStringLiteral("Die Tabelle %1 hat keinen Primärschlüssel.").arg(target_.name));
            for (const QString &key : target_.primaryKey) {
                bool found = false;
                for (const FieldPair &pair : pairs_)
                    found = found || (pair.key && sameName(pair.target.name, key));
                if (!found)
                    throw DatabaseError(QStringLiteral("Das Schlüsselfeld %1 fehlt in der Tabelle %2.")
                                            .arg(key, sourceName));
            }
        }
        prepareStatements();
        // Appends bind what they can straight from the source's rows; keyed
        // modes need the converted key for their WHERE.
        bindCells_ = mode == BatchMode::Append || mode == BatchMode::Copy;
        insertsOnly_ = bindCells_ || upsert_;
    }

    // Sends the rows an append by COPY still holds.
    void finish()
    {
        if (insert_)
            insert_->flush();
    }

    // One source record; returns the destination rows it changed.
    int move()
    {
        if (bindCells_) {
            if (const store::Row *row = TableInternals::currentRow(*table_))
                return insertRow(*row);
        }
        values_.clear();
        for (const FieldPair &pair : pairs_)
            values_ << convertedValue(pair, tableValue(pair));
        return write(values_);
    }

    // One row of values in the source's field order, as Field::value()
    // would give them (an invalid QVariant for null).
    int move(const QVariantList &row)
    {
        if (insertsOnly_) {
            // Bound one by one, each converted only where it must be.
            static const QVariant none;
            int position = 0;
            for (const FieldPair &pair : pairs_) {
                if (numberedByStore(pair.target))
                    continue;
                const QVariant &value = pair.sourceIndex < row.size() ? row[pair.sourceIndex] : none;
                if (bindsAsGiven(pair, value))
                    insert_->bind(position++, value);
                else
                    insert_->bind(position++, convertedValue(pair, value));
            }
            return run(*insert_);
        }
        values_.clear();
        for (const FieldPair &pair : pairs_)
            values_ << convertedValue(pair, pair.sourceIndex < row.size() ? row[pair.sourceIndex] : QVariant());
        return write(values_);
    }

private:
    int write(const QVariantList &values)
    {
        switch (mode_) {
        case BatchMode::Append:
        case BatchMode::Copy:
            return insert(values);
        case BatchMode::Update:
            return update(values);
        case BatchMode::AppendUpdate: {
            if (upsert_)
                return insert(values);
            const int updated = update(values);
            return updated > 0 ? updated : insert(values);
        }
        case BatchMode::Delete:
            return remove(values);
        }
        return 0;
    }

    // AutoInc fields are numbered by the store on append; a copy keeps the
    // numbers, since other tables may refer to them.
    bool numberedByStore(const FieldDef &field) const
    {
        return field.type == FieldType::AutoInc && mode_ != BatchMode::Copy;
    }

    void prepareStatements()
    {
        const QString table = database_.quote(target_.name);
        QStringList insertColumns;
        QStringList insertValues;
        for (const FieldPair &pair : pairs_) {
            if (numberedByStore(pair.target))
                continue;
            insertColumns << database_.quote(pair.target.name);
            insertValues << QStringLiteral("?");
        }
        if (database_.backend() == Database::Backend::SQLite) {
            // SQLite has no identity columns: the next number follows the highest.
            for (const FieldDef &field : target_.fields) {
                if (!numberedByStore(field))
                    continue;
                insertColumns << database_.quote(field.name);
                insertValues << QStringLiteral("(SELECT COALESCE(MAX(%1), 0) + 1 FROM %2)")
                                    .arg(database_.quote(field.name), table);
            }
        }
        if (mode_ == BatchMode::Append || mode_ == BatchMode::Copy) {
            QStringList columns;
            for (const FieldPair &pair : pairs_) {
                if (!numberedByStore(pair.target))
                    columns << pair.target.name;
            }
            insert_ = database_.prepareBulkAppend(target_.name, columns);
        }
        QString insert = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                             .arg(table, insertColumns.join(QLatin1String(", ")), insertValues.join(QLatin1String(", ")));
        QStringList where;
        QStringList assignments;
        QStringList keys;
        QStringList takeOver;
        for (const FieldPair &pair : pairs_) {
            const QString column = database_.quote(pair.target.name);
            if (pair.key) {
                where << column + QStringLiteral(" = ?");
                keys << column;
                // A key numbered by the store on insert is not the row's own.
                upsert_ = upsert_ && !numberedByStore(pair.target);
            } else if (pair.target.type != FieldType::AutoInc) {
                assignments << column + QStringLiteral(" = ?");
                takeOver << column + QStringLiteral(" = excluded.") + column;
            }
        }
        // With nothing but the key in common an update changes nothing, yet
        // tells which records exist.
        if (assignments.isEmpty() && !target_.primaryKey.isEmpty()) {
            const QString firstKey = database_.quote(target_.primaryKey.first());
            assignments << firstKey + QStringLiteral(" = ") + firstKey;
            takeOver << firstKey + QStringLiteral(" = excluded.") + firstKey;
        }
        // Update or insert in one statement, by the primary key, which
        // both SQLite and PostgreSQL take as the conflict's target.
        upsert_ = upsert_ && mode_ == BatchMode::AppendUpdate;
        if (upsert_)
            insert += QStringLiteral(" ON CONFLICT (%1) DO UPDATE SET %2")
                          .arg(keys.join(QLatin1String(", ")), takeOver.join(QLatin1String(", ")));
        if (!insert_ && mode_ != BatchMode::Update && mode_ != BatchMode::Delete)
            insert_ = database_.prepare(insert);
        if (mode_ == BatchMode::Update || (mode_ == BatchMode::AppendUpdate && !upsert_))
            update_ = database_.prepare(QStringLiteral("UPDATE %1 SET %2 WHERE %3")
                                            .arg(table, assignments.join(QLatin1String(", ")),
                                                 where.join(QLatin1String(" AND "))));
        if (mode_ == BatchMode::Delete)
            remove_ = database_.prepare(
                QStringLiteral("DELETE FROM %1 WHERE %2").arg(table, where.join(QLatin1String(" AND "))));
    }

    QVariant tableValue(const FieldPair &pair) const
    {
        Field &field = table_->field(pair.sourceIndex);
        return field.isNull() ? QVariant() : field.value();
    }

    QVariant convertedValue(const FieldPair &pair, const QVariant &sourceValue) const
    {
        if (!sourceValue.isValid() || sourceValue.isNull())
            return pair.null;
        QVariant value = store::convertFieldValue(sourceValue, pair.source, pair.target);
        return value.isValid() && !value.isNull() ? value : pair.null;
    }

    int insertRow(const store::Row &row)
    {
        int position = 0;
        for (const FieldPair &pair : pairs_) {
            if (numberedByStore(pair.target))
                continue;
            if (bindsUnchanged(pair, row))
                insert_->bindCell(position++, row, pair.sourceIndex, pair.target.type);
            else
                insert_->bind(position++, convertedValue(pair, tableValue(pair)));
        }
        return run(*insert_);
    }

    int insert(const QVariantList &values)
    {
        int position = 0;
        for (int i = 0; i < pairs_.size(); ++i) {
            if (!numberedByStore(pairs_[i].target))
                insert_->bind(position++, values[i]);
        }
        return run(*insert_);
    }

    int update(const QVariantList &values)
    {
        int position = 0;
        for (int i = 0; i < pairs_.size(); ++i) {
            if (!pairs_[i].key && pairs_[i].target.type != FieldType::AutoInc)
                update_->bind(position++, values[i]);
        }
        for (int i = 0; i < pairs_.size(); ++i) {
            if (pairs_[i].key)
                update_->bind(position++, values[i]);
        }
        return run(*update_);
    }

    int remove(const QVariantList &values)
    {
        int position = 0;
        for (int i = 0; i < pairs_.size(); ++i) {
            if (pairs_[i].key)
                remove_->bind(position++, values[i]);
        }
        return run(*remove_);
    }

    int run(store::Statement &statement)
    {
        // A failing row fails the whole move: no savepoint per row.
        return statement.execute();
    }

    Table *table_;
    Database &database_;
    TableDef target_;
    BatchMode mode_;
    QList<FieldPair> pairs_;
    std::unique_ptr<store::Statement> insert_;
    std::unique_ptr<store::Statement> update_;
    std::unique_ptr<store::Statement> remove_;
    bool bindCells_ = false;
    bool upsert_ = true;
    bool insertsOnly_ = false;   // every row is inserted (or upserted) by insert_
    QVariantList values_;
};

// Runs a move into destinationTable: the table held, one transaction, the
// rows handed over by moveRows(Mover &) and counted. sourceLayout is the
// layout a copy gets; sourceStoreName, when given, must not be the
// destination.
template<typename MoveRows>
int runMove(Database &destination, const QString &destinationTable, BatchMode mode, const TableDef &sourceLayout,
            const QList<SourceField> &sources, const QString &sourceName, Table *table, MoveRows moveRows)
{
    if (!destination.isOpen())
        destination.open();

    const QString name = normalizedTableName(destinationTable);
    const bool exists = destination.tableExists(name);
    const QString storeName = exists ? destination.storeTableName(name) : name;
    if (table && table->database() == &destination
        && sameName(destination.storeTableName(table->tableName()), storeName))
        throw DatabaseError(QStringLiteral("Quelle und Ziel sind dieselbe Tabelle %1.").arg(storeName));
    if (!exists && mode != BatchMode::Copy)
        throw DatabaseError(QStringLiteral("Die Tabelle %1 existiert nicht.").arg(name));

    // The destination is held for the whole move: shared while its rows
    // change, exclusively while it is replaced. Records another workstation
    // edits are not overwritten behind its back: changing existing records
    // guards the table, which refuses the move while someone edits there and
    // keeps edits out until the move's transaction ends. Both are taken
    // before the transaction, so a refusal leaves nothing to undo.
    std::optional<TableHold> use;
    if (exists)
        use.emplace(destination, storeName, mode == BatchMode::Copy);
    std::optional<TableGuard> guard;
    if (exists && mode != BatchMode::Copy && mode != BatchMode::Append)
        guard.emplace(destination, storeName);

    int moved = 0;
    // Its statements outlive the transaction: PostgreSQL cannot free
    // them while a failed transaction waits for its rollback.
    std::optional<Mover> mover;
    Transaction transaction(destination);
    if (mode == BatchMode::Copy) {
        if (exists)
            destination.dropTable(storeName);
        TableDef layout = sourceLayout;
        layout.name = storeName;
        destination.createTable(layout);
    }
    mover.emplace(table, sources, sourceName, destination, destination.tableDef(storeName), mode);
    moved = moveRows(*mover);
    mover->finish();
    if (mode == BatchMode::Copy)
        store::advanceIdentitySequences(destination, destination.tableDef(storeName));
    transaction.commit();
    return moved;
}

} // namespace

int batchMove(Table &source, Database &destination, const QString &destinationTable, BatchMode mode)
{
    const bool sourceWasOpen = source.isOpen();
    if (!sourceWasOpen)
        source.open();
    auto closeSource = qScopeGuard([&] {
        if (!sourceWasOpen)
            source.close();
    });
    source.checkBrowseMode();

    QList<SourceField> sources;
    for (Field *field : source.fields()) {
        if (!field->isCalculated())
            sources.append({field->def(), field->index()});
    }
    source.disableControls();
    auto enableControls = qScopeGuard([&] { source.enableControls(); });
    const Bookmark position = source.bookmark();
    const int moved = runMove(destination, destinationTable, mode, source.definition(), sources, source.tableName(),
                              &source, [&](Mover &mover) {
                                  int count = 0;
                                  for (source.first(); !source.eof(); source.next())
                                      count += mover.move();
                                  return count;
                              });
    if (!position.isEmpty())
        source.gotoBookmark(position);
    return moved;
}

int batchMove(const TableDef &sourceLayout, const std::function<bool(QVariantList &)> &nextRow,
              Database &destination, const QString &destinationTable, BatchMode mode)
{
    QList<SourceField> sources;
    for (int i = 0; i < sourceLayout.fields.size(); ++i)
        sources.append({sourceLayout.fields[i], i});
    return runMove(destination, destinationTable, mode, sourceLayout, sources, sourceLayout.name, nullptr,
                   [&](Mover &mover) {
                       int count = 0;
                       QVariantList row;
                       while (nextRow(row))
                           count += mover.move(row);
                       return count;
                   });
}

void appendRows(Database &database, const QString &tableName, const QStringList &columns,
                const std::vector<QVariantList> &rows)
{
    if (!database.isOpen())
        database.open();
    QStringList quoted;
    for (const QString &column : columns)
        quoted << database.quote(column);
    // Prepared before the transaction, so it is freed after a rollback.
    const std::unique_ptr<store::Statement> insert = database.prepare(
        QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
            .arg(database.quote(database.storeTableName(tableName)), quoted.join(QLatin1String(", ")),
                 QStringList(columns.size(), QStringLiteral("?")).join(QLatin1String(", "))));
    const int count = int(columns.size());
    Transaction transaction(database);
    for (const QVariantList &row : rows) {
        for (int i = 0; i < count; ++i)
            insert->bind(i, i < row.size() ? row[i] : QVariant());
        insert->execute();
    }
    transaction.commit();
}

} // namespace db
