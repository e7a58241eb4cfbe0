#include "Restructure.h"

#include "private/Catalog.h"
#include "Database.h"
#include "DatabaseError.h"
#include "private/StoreStatement.h"
#include "Locks.h"
#include "private/RecordCopy.h"

#include <QSet>
#include <optional>

namespace db {

namespace {

store::Dialect dialectOf(const Database &database)
{
    return database.backend() == Database::Backend::SQLite ? store::Dialect::SQLite
                                                           : store::Dialect::PostgreSQL;
}

void openIfClosed(Database &database)
{
    if (!database.isOpen())
        database.open();
}

TableDef existingTable(Database &database, const QString &tableName)
{
    openIfClosed(database);
    if (!database.tableExists(tableName))
        throw DatabaseError(QStringLiteral("Die Tabelle %1 existiert nicht.").arg(normalizedTableName(tableName)));
    TableDef def = database.tableDef(tableName);
    def.name = database.storeTableName(tableName);
    return def;
}

int fieldPosition(const TableDef &def, const QString &fieldName)
{
    const int index = def.fieldIndex(fieldName);
    if (index < 0)
        throw DatabaseError(QStringLiteral("Das Feld %1 gibt es in der Tabelle %2 nicht.").arg(fieldName, def.name));
    return index;
}

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// PostgreSQL cuts longer names silently, which would lose the field.
void checkFieldName(const QString &name, const QString &tableName)
{
    if (name.trimmed().isEmpty())
        throw DatabaseError(QStringLiteral("Ein Feld der Tabelle %1 hat keinen Namen.").arg(tableName));
    if (name.toUtf8().size() > 63)
        throw DatabaseError(QStringLiteral("Der Feldname %1 ist zu lang.").arg(name));
}

void checkLayout(const TableDef &def)
{
    if (def.fields.isEmpty())
        throw DatabaseError(QStringLiteral("Die Tabelle %1 hat keine Felder.").arg(def.name));
    QSet<QString> names;
    for (const FieldDef &field : def.fields) {
        checkFieldName(field.name, def.name);
        if (sameName(field.name, Database::rowIdColumn()))
            throw DatabaseError(QStringLiteral("Der Feldname %1 ist reserviert.").arg(field.name));
        const QString folded = field.name.toLower();
        if (names.contains(folded))
            throw DatabaseError(QStringLiteral("Das Feld %1 kommt in der Tabelle %2 doppelt vor.")
                                    .arg(field.name, def.name));
        names.insert(folded);
    }
    for (const QString &key : def.primaryKey)
        fieldPosition(def, key);
    QSet<QString> indexNames;
    for (const IndexDef &index : def.indexes) {
        if (index.name.trimmed().isEmpty() || index.fields.isEmpty())
            throw DatabaseError(QStringLiteral("Ungültiger Index für die Tabelle %1.").arg(def.name));
        if (indexNames.contains(index.name.toLower()))
            throw DatabaseError(QStringLiteral("Den Index %1 gibt es in der Tabelle %2 schon.")
                                    .arg(index.name, def.name));
        indexNames.insert(index.name.toLower());
        for (const QString &field : index.fields)
            fieldPosition(def, field);
    }
}

QString quotedList(const Database &database, const QStringList &names)
{
    QStringList quoted;
    for (const QString &name : names)
        quoted << database.quote(name);
    return quoted.join(QLatin1String(", "));
}

bool hasRows(Database &database, const QString &storeName)
{
    auto statement = database.prepare(QStringLiteral("SELECT 1 FROM %1 LIMIT 1").arg(database.quote(storeName)));
    return statement->step();
}

QVariant rowIdOf(const store::Row &row, int column)
{
    const store::Cell &cell = row.cells[column];
    if (cell.kind == store::Cell::Integer)
        return cell.integer;
    return row.text(column).toLongLong();
}

// The rows of a query, read while other statements write on the same
// connection. PostgreSQL would drop the rest of a pending result at the next
// statement, so there the rows come through a cursor in complete portions.
class RowReader
{
public:
    RowReader(Database &database, const QString &select) : database_(database)
    {
        if (database.backend() == Database::Backend::SQLite) {
            statement_ = database.prepare(select);
        } else {
            database.execute(QStringLiteral("DECLARE razazu_umbau NO SCROLL CURSOR FOR ") + select);
            declared_ = true;
        }
    }
    ~RowReader()
    {
        if (!declared_)
            return;
        try {
            database_.execute(QStringLiteral("CLOSE razazu_umbau"));
        } catch (const DatabaseError &) {
            // The transaction that holds the cursor is rolled back then anyway.
        }
    }
    RowReader(const RowReader &) = delete;
    RowReader &operator=(const RowReader &) = delete;

    bool next(store::Row &row)
    {
        if (statement_) {
            if (!statement_->step())
                return false;
            statement_->readRow(row);
            return true;
        }
        if (position_ == portion_.size()) {
            if (finished_)
                return false;
            portion_.clear();
            position_ = 0;
            auto fetch = database_.prepare(QStringLiteral("FETCH FORWARD 5000 FROM razazu_umbau"));
            store::Row fetched;
            while (fetch->step()) {
                fetch->readRow(fetched);
                portion_.push_back(fetched);
            }
            finished_ = portion_.size() < 5000;
            if (portion_.empty())
                return false;
        }
        row = std::move(portion_[position_++]);
        return true;
    }

private:
    Database &database_;
    std::unique_ptr<store::Statement> statement_;
    bool declared_ = false;
    std::vector<store::Row> portion_;
    size_t position_ = 0;
    bool finished_ = false;
};

// What each field of the new layout is filled from.
struct FieldSource
{
    FieldDef target;
    std::optional<FieldDef> source;   // none: a new, empty field
};

class Rebuild
{
public:
    Rebuild(Database &database, const TableDef &oldDef, TableDef newDef, bool oldHasRowId,
            const QHash<QString, QString> &sourceFieldOf)
        : database_(database), dialect_(dialectOf(database)), old_(oldDef), new_(std::move(newDef)),
          oldHasRowId_(oldHasRowId)
    {
        new_.name = old_.name;
        checkLayout(new_);
        for (const FieldDef &field : new_.fields) {
            FieldSource entry;
            entry.target = field;
            QString sourceName = field.name;
            for (auto it = sourceFieldOf.begin(); it != sourceFieldOf.end(); ++it) {
                if (sameName(it.key(), field.name))
                    sourceName = it.value();
            }
            const int index = old_.fieldIndex(sourceName);
            if (index >= 0)
                entry.source = old_.fields[index];
            else if (!sameName(sourceName, field.name))
                throw DatabaseError(QStringLiteral("Das Feld %1 gibt es in der Tabelle %2 nicht.")
                                        .arg(sourceName, old_.name));
            sources_ << entry;
        }
        keepRowId_ = oldHasRowId_ && new_.primaryKey.isEmpty();
        oldName_ = old_.name + QStringLiteral("_razazu_alt");
    }

    void run()
    {
        Transaction transaction(database_);
        // Index names carry the table's name: the old ones go first so the
        // new table can take them.
        for (const IndexDef &index : old_.indexes)
            database_.execute(QStringLiteral("DROP INDEX %1")
                                  .arg(database_.quote(store::indexStoreName(old_.name, index.name))));
        database_.execute(QStringLiteral("ALTER TABLE %1 RENAME TO %2")
                              .arg(database_.quote(old_.name), database_.quote(oldName_)));
        TableDef bare = new_;
        bare.indexes.clear();
        database_.execute(store::createTableSql(dialect_, bare).first());
        if (needsRowByRowCopy())
            copyRowByRow();
        else
            copyInStore();
        checkEveryRecordCopied();
        database_.execute(QStringLiteral("DROP TABLE %1").arg(database_.quote(oldName_)));
        // Built after the copy: one sort per index instead of a tree grown
        // row by row. A unique index the data violates fails here.
        for (const IndexDef &index : new_.indexes)
            database_.execute(store::createIndexSql(dialect_, new_, index));
        // The layout cache still knows the old table under this name.
        database_.forgetLayouts();
        store::advanceIdentitySequences(database_, new_);
        transaction.commit();
        database_.forgetLayouts();
    }

private:
    bool needsRowByRowCopy() const
    {
        for (const FieldSource &entry : sources_) {
            if (!entry.source)
                continue;
            if (!store::copiesUnchanged(*entry.source, entry.target) && !isTextCut(entry))
                return true;
        }
        return false;
    }

    static bool isTextCut(const FieldSource &entry)
    {
        return entry.target.type == FieldType::Alpha
               && (entry.source->type == FieldType::Alpha || entry.source->type == FieldType::Memo);
    }

    QString oldOrder() const
    {
        if (!old_.primaryKey.isEmpty())
            return QStringLiteral(" ORDER BY ") + quotedList(database_, old_.primaryKey);
        if (oldHasRowId_)
            return QStringLiteral(" ORDER BY ") + database_.quote(Database::rowIdColumn());
        return {};
    }

    QStringList targetColumns() const
    {
        QStringList columns;
        for (const FieldSource &entry : sources_)
            columns << entry.target.name;
        if (keepRowId_)
            columns << Database::rowIdColumn();
        return columns;
    }

    // A new AutoInc field numbers the existing records in key order.
    QString numbering() const
    {
        QString order = oldOrder();
        if (order.isEmpty())
            return QStringLiteral("row_number() OVER ()");
        return QStringLiteral("row_number() OVER (%1)").arg(order.trimmed());
    }

    void copyInStore()
    {
        QStringList expressions;
        for (const FieldSource &entry : sources_) {
            if (!entry.source) {
                expressions << (entry.target.type == FieldType::AutoInc ? numbering() : QStringLiteral("NULL"));
                continue;
            }
            const QString column = database_.quote(entry.source->name);
            if (store::copiesUnchanged(*entry.source, entry.target)) {
                expressions << column;
            } else {
                const int size = entry.target.size > 0 ? entry.target.size : 255;
                expressions << QStringLiteral("substr(%1, 1, %2)").arg(column).arg(size);
            }
        }
        if (keepRowId_)
            expressions << database_.quote(Database::rowIdColumn());
        database_.execute(QStringLiteral("INSERT INTO %1 (%2) SELECT %3 FROM %4%5")
                              .arg(database_.quote(new_.name), quotedList(database_, targetColumns()),
                                   expressions.join(QLatin1String(", ")), database_.quote(oldName_),
                                   oldOrder()));
    }

    // The old records go only when the new table holds as many.
    void checkEveryRecordCopied()
    {
        auto countOf = [&](const QString &table) {
            auto statement = database_.prepare(QStringLiteral("SELECT COUNT(*) FROM %1").arg(database_.quote(table)));
            return statement->step() ? statement->value(0).toLongLong() : -1;
        };
        const qint64 before = countOf(oldName_);
        const qint64 after = countOf(new_.name);
        if (before != after)
            throw DatabaseError(QStringLiteral("Die Tabelle %1 wurde nicht umgebaut: nur %2 von %3 Datensätzen "
                                               "wurden übertragen.")
                                    .arg(new_.name)
                                    .arg(after)
                                    .arg(before));
    }

    // Conversions the store cannot do the way the fields read (German number
    // and date text): each value goes through the field conversion.
    void copyRowByRow()
    {
        QStringList selected;
        for (const FieldSource &entry : sources_)
            selected << (entry.source ? database_.quote(entry.source->name) : QStringLiteral("NULL"));
        if (keepRowId_)
            selected << database_.quote(Database::rowIdColumn());
        RowReader reader(database_, QStringLiteral("SELECT %1 FROM %2%3")
                                        .arg(selected.join(QLatin1String(", ")),
                                             database_.quote(oldName_), oldOrder()));
        const QStringList columns = targetColumns();
        const int width = int(columns.size());
        // Several rows per statement: one round trip per batch on PostgreSQL.
        const int batchRows = qMax(1, qMin(200, 30000 / width));
        const QString head = QStringLiteral("INSERT INTO %1 (%2) VALUES ")
                                 .arg(database_.quote(new_.name), quotedList(database_, columns));
        const QString oneRow = QLatin1Char('(') + QStringList(width, QStringLiteral("?")).join(QLatin1Char(','))
                               + QLatin1Char(')');
        auto insertFor = [&](int rows) {
            return database_.prepare(head + QStringList(rows, oneRow).join(QLatin1Char(',')));
        };
        QList<QVariant> pending;
        pending.reserve(batchRows * width);
        auto flush = [&] {
            const int rows = int(pending.size()) / width;
            if (rows == 0)
                return;
            store::Statement *insert;
            if (rows == batchRows) {
                if (!fullBatch_)
                    fullBatch_ = insertFor(batchRows);
                insert = fullBatch_.get();
            } else {
                lastBatch_ = insertFor(rows);
                insert = lastBatch_.get();
            }
            for (int i = 0; i < pending.size(); ++i)
                insert->bind(i, pending[i]);
            insert->execute();
            pending.clear();
        };
        store::Row row;
        qint64 number = 0;
        while (reader.next(row)) {
            ++number;
            for (int i = 0; i < sources_.size(); ++i) {
                const FieldSource &entry = sources_[i];
                if (!entry.source) {
                    pending << (entry.target.type == FieldType::AutoInc ? QVariant(int(number)) : QVariant());
                    continue;
                }
                const QVariant value = store::cellValue(row, i, entry.source->type);
                pending << store::storedForm(new_, i, store::convertFieldValue(value, *entry.source, entry.target));
            }
            if (keepRowId_)
                pending << rowIdOf(row, int(sources_.size()));
            if (pending.size() == batchRows * width)
                flush();
        }
        flush();
    }

    Database &database_;
    store::Dialect dialect_;
    TableDef old_;
    TableDef new_;
    bool oldHasRowId_;
    bool keepRowId_ = false;
    QString oldName_;
    QList<FieldSource> sources_;
    // The copy's statements outlive run()'s transaction: PostgreSQL cannot
    // free them while a failed transaction waits for its rollback.
    std::unique_ptr<store::Statement> fullBatch_;
    std::unique_ptr<store::Statement> lastBatch_;
};

void rebuild(Database &database, const TableDef &oldDef, const TableDef &newDef,
             const QHash<QString, QString> &sourceFieldOf = {})
{
    Rebuild(database, oldDef, newDef, database.hasRowIdColumn(oldDef.name), sourceFieldOf).run();
}

QStringList renamedIn(QStringList names, const QString &oldName, const QString &newName)
{
    for (QString &name : names) {
        if (sameName(name, oldName))
            name = newName;
    }
    return names;
}

} // namespace

void addField(Database &database, const QString &tableName, const FieldDef &field, int position)
{
    const TableDef def = existingTable(database, tableName);
    checkFieldName(field.name, def.name);
    if (def.fieldIndex(field.name) >= 0)
        throw DatabaseError(QStringLiteral("Das Feld %1 gibt es in der Tabelle %2 schon.").arg(field.name, def.name));
    if (position < -1 || position > def.fields.size())
        throw DatabaseError(QStringLiteral("Feldposition %1 außerhalb der Tabelle %2.").arg(position).arg(def.name));
    TableHold exclusive(database, def.name, true);
    if (field.required && hasRows(database, def.name))
        throw DatabaseError(QStringLiteral("Das Pflichtfeld %1 kann der Tabelle %2 nicht hinzugefügt werden, "
                                           "weil sie schon Datensätze ohne Wert dafür enthält.")
                                .arg(field.name, def.name));
    const bool appended = position < 0 || position == def.fields.size();
    // The store adds a trailing column without touching a record; numbering
    // an AutoInc field and a NOT NULL column need the rebuild.
    if (appended && field.type != FieldType::AutoInc && !field.required) {
        Transaction transaction(database);
        database.execute(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2")
                             .arg(database.quote(def.name), database.columnDefinition(field)));
        transaction.commit();
        database.forgetLayouts();
        return;
    }
    TableDef layout = def;
    layout.fields.insert(appended ? def.fields.size() : position, field);
    rebuild(database, def, layout);
}

void dropField(Database &database, const QString &tableName, const QString &fieldName)
{
    const TableDef def = existingTable(database, tableName);
    const int index = fieldPosition(def, fieldName);
    for (const QString &key : def.primaryKey) {
        if (sameName(key, fieldName))
            throw DatabaseError(QStringLiteral("Das Feld %1 gehört zum Primärschlüssel der Tabelle %2 "
                                               "und kann nicht gelöscht werden.")
                                    .arg(def.fields[index].name, def.name));
    }
    if (def.fields.size() == 1)
        throw DatabaseError(QStringLiteral("Das letzte Feld der Tabelle %1 kann nicht gelöscht werden.").arg(def.name));
    TableHold exclusive(database, def.name, true);
    TableDef layout = def;
    layout.fields.removeAt(index);
    // An index over the field goes with it, as the old engine did.
    layout.indexes.removeIf([&](const IndexDef &candidate) {
        for (const QString &field : candidate.fields) {
            if (sameName(field, fieldName))
                return true;
        }
        return false;
    });
    rebuild(database, def, layout);
}

void renameField(Database &database, const QString &tableName, const QString &oldName, const QString &newName)
{
    const TableDef def = existingTable(database, tableName);
    const int index = fieldPosition(def, oldName);
    checkFieldName(newName, def.name);
    if (sameName(newName, Database::rowIdColumn()))
        throw DatabaseError(QStringLiteral("Der Feldname %1 ist reserviert.").arg(newName));
    const int clash = def.fieldIndex(newName);
    if (clash >= 0 && clash != index)
        throw DatabaseError(QStringLiteral("Das Feld %1 gibt es in der Tabelle %2 schon.").arg(newName, def.name));
    const QString current = def.fields[index].name;
    if (current == newName)
        return;
    TableHold exclusive(database, def.name, true);
    Transaction transaction(database);
    auto rename = [&](const QString &from, const QString &to) {
        database.execute(QStringLiteral("ALTER TABLE %1 RENAME COLUMN %2 TO %3")
                             .arg(database.quote(def.name), database.quote(from), database.quote(to)));
    };
    if (sameName(current, newName)) {
        // Only the spelling changes; SQLite sees that as a clash with itself.
        const QString step = current + QStringLiteral("_razazu_neu");
        rename(current, step);
        rename(step, newName);
    } else {
        rename(current, newName);
    }
    transaction.commit();
    database.forgetLayouts();
}

void alterField(Database &database, const QString &tableName, const QString &fieldName,
                const FieldDef &newDefinition)
{
    const TableDef def = existingTable(database, tableName);
    const int index = fieldPosition(def, fieldName);
    FieldDef field = newDefinition;
    if (field.name.trimmed().isEmpty())
        field.name = def.fields[index].name;
    TableHold exclusive(database, def.name, true);
    TableDef layout = def;
    layout.fields[index] = field;
    const QString oldName = def.fields[index].name;
    layout.primaryKey = renamedIn(layout.primaryKey, oldName, field.name);
    for (IndexDef &candidate : layout.indexes)
        candidate.fields = renamedIn(candidate.fields, oldName, field.name);
    QHash<QString, QString> sourceFieldOf;
    sourceFieldOf.insert(field.name, oldName);
    rebuild(database, def, layout, sourceFieldOf);
}

void createIndex(Database &database, const QString &tableName, const IndexDef &index)
{
    TableDef def = existingTable(database, tableName);
    def.indexes << index;
    checkLayout(def);
    TableHold exclusive(database, def.name, true);
    Transaction transaction(database);
    database.createIndex(def.name, index);
    transaction.commit();
    database.forgetLayouts();
}

void dropIndex(Database &database, const QString &tableName, const QString &indexName)
{
    const TableDef def = existingTable(database, tableName);
    TableHold exclusive(database, def.name, true);
    Transaction transaction(database);
    database.dropIndex(def.name, indexName);
    transaction.commit();
    database.forgetLayouts();
}

void restructure(Database &database, const QString &tableName, const TableDef &newLayout,
                 const QHash<QString, QString> &sourceFieldOf)
{
    const TableDef def = existingTable(database, tableName);
    TableDef layout = newLayout;
    layout.name = def.name;
    checkLayout(layout);
    TableHold exclusive(database, def.name, true);
    rebuild(database, def, layout, sourceFieldOf);
}

} // namespace db
