#include "Table.h"

#include "Locks.h"
#include "Schema.h"
#include "private/TablePrivate.h"

#include <QMetaMethod>

namespace db {

QStringList splitFieldList(const QString &fieldNames)
{
    QStringList result;
    for (const QString &part : fieldNames.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        if (!part.trimmed().isEmpty())
            result << part.trimmed();
    }
    return result;
}

void Condition::add(const Condition &other)
{
    if (other.sql.isEmpty())
        return;
    sql = sql.isEmpty() ? other.sql : QStringLiteral("(%1) AND (%2)").arg(sql, other.sql);
    params += other.params;
}

Table::Table(QObject *parent) : QObject(parent), d(std::make_unique<Private>(this)) {}

Table::Table(Database &database, const QString &tableName, QObject *parent) : Table(parent)
{
    d->database = &database;
    d->tableName = normalizedTableName(tableName);
}

Table::~Table()
{
    d->forceClose();
    if (d->master)
        disconnect(d->masterConnection);
}

// --- set-up

void Table::Private::requireOpen() const
{
    if (!open)
        throw DatabaseError(QStringLiteral("Die Tabelle %1 ist nicht geöffnet.").arg(tableName));
}

void Table::Private::requireClosed(const char *what) const
{
    if (open)
        throw DatabaseError(QStringLiteral("%1 geht nur bei geschlossener Tabelle %2.")
                                .arg(QString::fromUtf8(what), tableName));
}

void Table::setDatabase(Database &database)
{
    d->requireClosed("Die Datenbank zu wechseln");
    d->database = &database;
}

Database *Table::database() const
{
    return d->database;
}

void Table::setTableName(const QString &tableName)
{
    d->requireClosed("Den Tabellennamen zu ändern");
    d->tableName = normalizedTableName(tableName);
}

QString Table::tableName() const
{
    return d->open ? d->storeName : d->tableName;
}

void Table::setExclusive(bool exclusive)
{
    d->requireClosed("Den exklusiven Zugriff zu ändern");
    d->exclusive = exclusive;
}

bool Table::exclusive() const
{
    return d->exclusive;
}

void Table::setReadOnly(bool readOnly)
{
    d->readOnly = readOnly;
}

bool Table::readOnly() const
{
    return d->readOnly;
}

void Table::setIndexName(const QString &indexName)
{
    d->changeOrder(indexName.trimmed(), QString());
}

QString Table::indexName() const
{
    return d->indexName;
}

void Table::setIndexFieldNames(const QString &fieldNames)
{
    d->changeOrder(QString(), fieldNames.trimmed());
}

void Table::Private::changeOrder(const QString &newIndexName, const QString &newFieldNames)
{
    if (newIndexName == indexName && newFieldNames == indexFieldNames)
        return;
    const QString oldName = indexName;
    const QString oldFields = indexFieldNames;
    if (open)
        q->checkBrowseMode();
    indexName = newIndexName;
    indexFieldNames = newFieldNames;
    if (!open)
        return;
    try {
        resolveOrder();
    } catch (...) {
        indexName = oldName;
        indexFieldNames = oldFields;
        resolveOrder();
        throw;
    }
    // The range belongs to the old order's fields.
    rangeSet = false;
    const store::Row *row = currentRow();
    repositionAfterChange(row ? store::Row(*row) : store::Row());
    notifyLayout();
    notifyRecord();
}

QString Table::indexFieldNames() const
{
    return d->indexFieldNames;
}

QStringList Table::indexFields() const
{
    return d->orderFields;
}

void Table::setWindowRows(int rows)
{
    d->windowRows = std::max(0, rows);
}

void Table::addCalculatedField(const FieldDef &def)
{
    d->requireClosed("Ein berechnetes Feld hinzuzufügen");
    d->calculatedDefs << def;
}

// Order of the cursor: the named index, the field list or the key, each
// closed by the key so that it is total.
void Table::Private::resolveOrder()
{
    QStringList names;
    bool caseInsensitive = false;
    bool descending = false;
    if (!indexName.isEmpty()) {
        bool found = false;
        for (const IndexDef &index : def.indexes) {
            if (index.name.compare(indexName, Qt::CaseInsensitive) == 0) {
                names = index.fields;
                caseInsensitive = index.caseInsensitive;
                descending = index.descending;
                found = true;
                break;
            }
        }
        // Single-field indexes of the old engine carry the field's name.
        if (!found && def.fieldIndex(indexName) >= 0) {
            names << indexName;
            found = true;
        }
        if (!found)
            throw DatabaseError(QStringLiteral("Der Index %1 der Tabelle %2 existiert nicht.")
                                    .arg(indexName, storeName));
    } else if (!indexFieldNames.isEmpty()) {
        names = splitFieldList(indexFieldNames);
        for (const IndexDef &index : def.indexes) {
            if (index.fields.size() >= names.size()) {
                bool same = true;
                for (int i = 0; i < names.size() && same; ++i)
                    same = index.fields[i].compare(names[i], Qt::CaseInsensitive) == 0;
                if (same) {
                    caseInsensitive = index.caseInsensitive;
                    descending = index.descending;
                    break;
                }
            }
        }
    } else {
        names = def.primaryKey;
    }

    QList<OrderColumn> columns;
    QStringList fieldNames;
    QList<int> used;
    auto addField = [&](int fieldIndex, bool folded) {
        const FieldDef &field = def.fields[fieldIndex];
        OrderColumn column;
        column.cell = fieldIndex;
        column.type = field.type;
        column.caseInsensitive = folded && store::isTextType(field.type);
        column.nullable = store::isNullable(def, fieldIndex);
        column.descending = descending;
        const QString quoted = store::quoteIdentifier(field.name);
        if (!column.caseInsensitive)
            column.expression = quoted;
        else if (dialect == store::Dialect::SQLite)
            column.expression = quoted + QLatin1String(" COLLATE NOCASE");
        else
            column.expression = QStringLiteral("lower(%1)").arg(quoted);
        columns << column;
        used << fieldIndex;
    };
    for (const QString &name : names) {
        const int fieldIndex = def.fieldIndex(name);
        if (fieldIndex < 0)
            throw DatabaseError(QStringLiteral("Das Feld %1 existiert nicht in der Tabelle %2.").arg(name, storeName));
        addField(fieldIndex, caseInsensitive);
        fieldNames << def.fields[fieldIndex].name;
    }
    if (def.primaryKey.isEmpty()) {
        OrderColumn column;
        column.cell = def.fields.size();
        column.type = FieldType::Long;
        column.descending = descending;
        column.expression = identityExpression;
        columns << column;
    } else {
        for (const QString &key : def.primaryKey) {
            const int fieldIndex = def.fieldIndex(key);
            if (fieldIndex >= 0 && !used.contains(fieldIndex))
                addField(fieldIndex, false);
        }
    }
    order = columns;
    forgetSelects();
    orderFields = fieldNames;
}

// --- life cycle

void Table::Private::buildFields()
{
    const int storedCount = def.fields.size();
    bool same = int(fields.size()) == storedCount + calculatedDefs.size();
    for (int i = 0; same && i < storedCount; ++i)
        same = fields[i]->name() == def.fields[i].name && fields[i]->type() == def.fields[i].type
               && fields[i]->size() == def.fields[i].size;
    for (int i = 0; same && i < calculatedDefs.size(); ++i)
        same = fields[storedCount + i]->name() == calculatedDefs[i].name;
    // Field objects survive a close and reopen of the same layout, so forms
    // may keep pointers to them.
    if (!same) {
        fields.clear();
        for (int i = 0; i < storedCount; ++i)
            fields.push_back(std::make_unique<Field>(q, def.fields[i], i));
        for (int i = 0; i < calculatedDefs.size(); ++i) {
            auto field = std::make_unique<Field>(q, calculatedDefs[i], storedCount + i);
            field->calculated_ = true;
            fields.push_back(std::move(field));
        }
    }
    fieldsByName.clear();
    for (int i = int(fields.size()) - 1; i >= 0; --i) {
        fieldsByName.insert_or_assign(fields[i]->name(), i);
        fieldsByName.insert_or_assign(fields[i]->name().toLower(), i);
    }
    calcValues.assign(calculatedDefs.size(), QVariant());
}

void Table::open()
{
    if (d->open)
        return;
    if (!d->database)
        throw DatabaseError(QStringLiteral("Der Tabelle %1 ist keine Datenbank zugeordnet.").arg(d->tableName));
    if (d->tableName.isEmpty())
        throw DatabaseError(QStringLiteral("Es ist kein Tabellenname gesetzt."));
    Database &database = *d->database;
    if (!database.isOpen())
        database.open();
    if (!database.tableExists(d->tableName))
        throw DatabaseError(QStringLiteral("Die Tabelle %1 existiert nicht.").arg(d->tableName));
    d->storeName = database.storeTableName(d->tableName);
    d->def = database.tableDef(d->storeName);
    d->dialect = database.backend() == Database::Backend::SQLite ? store::Dialect::SQLite
                                                                  : store::Dialect::PostgreSQL;
    const bool rowIdColumn = database.hasRowIdColumn(d->storeName);
    d->identityCells.clear();
    d->identityExpression.clear();
    QStringList select;
    for (const FieldDef &field : d->def.fields)
        select << store::quoteIdentifier(field.name);
    d->quotedFields = select;
    d->keyFields.assign(d->def.fields.size(), false);
    d->keyTextFields.assign(d->def.fields.size(), false);
    for (int i = 0; i < d->def.fields.size(); ++i) {
        d->keyFields[i] = store::isKeyField(d->def, i);
        d->keyTextFields[i] = d->keyFields[i] && d->def.fields[i].type == FieldType::Alpha;
    }
    if (d->def.primaryKey.isEmpty()) {
        // Tables without key are identified by their row number: the hidden
        // column where we created the table, SQLite's own rowid otherwise.
        if (rowIdColumn)
            d->identityExpression = store::quoteIdentifier(Database::rowIdColumn());
        else if (d->dialect == store::Dialect::SQLite)
            d->identityExpression = QStringLiteral("rowid");
        else
            throw DatabaseError(QStringLiteral("Die Tabelle %1 hat weder Schlüssel noch Zeilennummer.")
                                    .arg(d->storeName));
        select << d->identityExpression;
        d->identityCells << d->def.fields.size();
    } else {
        for (const QString &key : d->def.primaryKey)
            d->identityCells << d->def.fieldIndex(key);
    }
    d->cellCount = select.size();
    d->selectList = select.join(QLatin1String(", "));
    d->buildFields();
    d->resolveOrder();
    if (!d->filterText.isEmpty())
        d->reparseFilter();

    database.locks().acquireTable(d->storeName, d->exclusive);
    d->tableAcquired = true;
    d->tableAcquiredExclusive = d->exclusive;
    d->databaseConnection = connect(&database, &Database::aboutToClose, this, [this] { d->forceClose(); });
    d->open = true;
    d->state = DatasetState::Browse;
    try {
        d->linkValues = d->currentMasterValues();
        d->internalFirst();
    } catch (...) {
        d->shutdown();
        throw;
    }
    d->notifyLayout();
    d->notifyState();
    d->notifyRecord();
    d->notifyCurrent();
    afterOpen(*this);
    afterScroll(*this);
}

// What was typed is posted, not dropped; when that post fails the table
// stays open in edit state and the error goes to the caller.
void Table::close()
{
    if (!d->open)
        return;
    checkBrowseMode();
    beforeClose(*this);
    d->shutdown();
}

void Table::Private::shutdown()
{
    if (!open)
        return;
    if (state == DatasetState::Edit || state == DatasetState::Insert) {
        unlockRecord();
        buffer.clear();
        changed.clear();
        modified = false;
    }
    state = DatasetState::Inactive;
    open = false;
    disconnect(databaseConnection);
    writeStatements.clear();
    lastWrite = nullptr;
    statements.clear();
    forgetSelects();
    spareRows.clear();
    clearWindow();
    if (tableAcquired && database && database->isOpen()) {
        tableAcquired = false;
        database->locks().releaseTable(storeName, tableAcquiredExclusive);
    }
    tableAcquired = false;
    notifyLayout();
    notifyState();
    notifyCurrent();
}

// Closing because the alias closes or the table goes away: a post that
// fails cannot be reported anymore, and the table closes all the same.
void Table::Private::forceClose()
{
    try {
        q->close();
    } catch (...) {
        try {
            shutdown();
        } catch (...) {
            // Releasing the locks failed too; the store releases them with the connection.
        }
    }
}

bool Table::isOpen() const
{
    return d->open;
}

DatasetState Table::state() const
{
    return d->state;
}

// --- fields

int Table::fieldCount() const
{
    return int(d->fields.size());
}

Field &Table::field(int index)
{
    if (index < 0 || index >= int(d->fields.size()))
        throw DatabaseError(QStringLiteral("Die Tabelle %1 hat kein Feld Nr. %2.")
                                .arg(tableName()).arg(index));
    return *d->fields[index];
}

Field *Table::findField(const QString &name)
{
    auto it = d->fieldsByName.find(name);
    if (it != d->fieldsByName.end())
        return d->fields[it->second].get();
    it = d->fieldsByName.find(name.trimmed().toLower());
    if (it == d->fieldsByName.end())
        return nullptr;
    // Controls ask by their own spelling on every move: remember it.
    const int index = it->second;
    d->fieldsByName.emplace(name, index);
    return d->fields[index].get();
}

Field &Table::fieldByName(const QString &name)
{
    if (Field *field = findField(name))
        return *field;
    throw DatabaseError(QStringLiteral("Feld '%1' nicht gefunden.").arg(name));
}

QList<Field *> Table::fields()
{
    QList<Field *> result;
    for (auto &field : d->fields)
        result << field.get();
    return result;
}

const TableDef &Table::definition() const
{
    return d->def;
}

const store::Row *Table::Private::currentRow() const
{
    if (probe)
        return probe;
    if (currentCache)
        return currentCache;
    if (current < 0 || current >= int(rows.size()))
        return nullptr;
    currentCache = &rows[current];
    return currentCache;
}

void Table::Private::ensureCalc()
{
    if (calcValid || inCalc)
        return;
    calcValues.assign(calculatedDefs.size(), QVariant());
    calcValid = true;
    if (q->onCalcFields.empty() || !open)
        return;
    inCalc = true;
    try {
        q->onCalcFields(*q);
    } catch (...) {
        inCalc = false;
        throw;
    }
    inCalc = false;
}

QVariant Table::Private::value(int fieldIndex)
{
    requireOpen();
    const int storedCount = def.fields.size();
    if (fieldIndex >= storedCount) {
        ensureCalc();
        return calcValues[fieldIndex - storedCount];
    }
    if (!probe && (state == DatasetState::Edit || state == DatasetState::Insert))
        return buffer[fieldIndex];
    const store::Row *row = currentRow();
    if (!row)
        return {};
    return store::cellValue(*row, fieldIndex, def.fields[fieldIndex].type);
}

bool Table::Private::isNull(int fieldIndex)
{
    const QVariant v = value(fieldIndex);
    return !v.isValid() || v.isNull();
}

void Table::Private::setValue(int fieldIndex, QVariant typedValue)
{
    requireOpen();
    const int storedCount = def.fields.size();
    if (fieldIndex >= storedCount) {
        ensureCalc();
        calcValues[fieldIndex - storedCount] = std::move(typedValue);
        return;
    }
    if (readOnly)
        throw DatabaseError(QStringLiteral("Die Tabelle %1 ist schreibgeschützt.").arg(storeName));
    if (fields[fieldIndex]->readOnly())
        throw DatabaseError(QStringLiteral("Das Feld %1 kann nicht geändert werden.").arg(def.fields[fieldIndex].name));
    if (inFilterCallback)
        throw DatabaseError(QStringLiteral("Im Filter kann kein Feld geändert werden."));
    if (state == DatasetState::Browse)
        q->edit();
    if (state != DatasetState::Edit && state != DatasetState::Insert)
        throw DatabaseError(QStringLiteral("Die Tabelle %1 ist nicht im Bearbeitungsmodus.").arg(storeName));
    buffer[fieldIndex] = std::move(typedValue);
    changed[fieldIndex] = true;
    modified = true;
    invalidateCalc();
    notifyField(fieldIndex);
    notifyCurrent();
}

// --- filters

void Table::Private::reparseFilter()
{
    if (filterText.trimmed().isEmpty()) {
        filterCondition.reset();
        return;
    }
    const TableDef *layout = nullptr;
    TableDef fromStore;
    if (open) {
        layout = &def;
    } else if (database && database->isOpen() && database->tableExists(tableName)) {
        fromStore = database->tableDef(tableName);
        layout = &fromStore;
    } else {
        layout = Schema::find(tableName);
    }
    if (!layout) {
        filterCondition.reset();   // checked again when the table opens
        return;
    }
    filterCondition = parseFilter(filterText, *layout, filterCaseInsensitive, store::quoteIdentifier,
                                  dialect == store::Dialect::SQLite);
}

void Table::setFilter(const QString &expression)
{
    const QString old = d->filterText;
    d->filterText = expression;
    try {
        d->reparseFilter();
    } catch (...) {
        d->filterText = old;
        d->reparseFilter();
        throw;
    }
    if (d->open && d->filtered) {
        checkBrowseMode();
        d->internalFirst();
        d->notifyLayout();
        d->afterMove();
    }
}

QString Table::filter() const
{
    return d->filterText;
}

void Table::setFiltered(bool filtered)
{
    if (filtered == d->filtered)
        return;
    if (d->open)
        checkBrowseMode();
    d->filtered = filtered;
    if (d->open) {
        d->internalFirst();
        d->notifyLayout();
        d->afterMove();
    }
}

bool Table::filtered() const
{
    return d->filtered;
}

void Table::setFilterCaseInsensitive(bool caseInsensitive)
{
    if (caseInsensitive == d->filterCaseInsensitive)
        return;
    d->filterCaseInsensitive = caseInsensitive;
    d->reparseFilter();
    if (d->open && d->filtered) {
        checkBrowseMode();
        d->internalFirst();
        d->notifyLayout();
        d->afterMove();
    }
}

// --- master-detail

void Table::setMasterSource(DataSource *master, const QString &masterFields, const QString &detailFields)
{
    const QStringList masters = splitFieldList(masterFields);
    const QStringList details = splitFieldList(detailFields);
    if (master && (masters.isEmpty() || masters.size() != details.size()))
        throw DatabaseError(QStringLiteral("Die Verknüpfungsfelder von %1 passen nicht zusammen.").arg(tableName()));
    if (d->open)
        checkBrowseMode();
    if (d->master)
        disconnect(d->masterConnection);
    d->master = master;
    d->masterFields = master ? masters : QStringList();
    d->detailFields = master ? details : QStringList();
    if (master)
        d->masterConnection = connect(master, &DataSource::currentChanged, this, [this] { d->masterChanged(); });
    if (d->open) {
        d->linkValues = d->currentMasterValues();
        d->internalFirst();
        d->notifyLayout();
        d->afterMove();
    }
}

DataSource *Table::masterSource() const
{
    return d->master;
}

// --- notifications

void Table::disableControls()
{
    ++d->controlsDisabled;
}

void Table::enableControls()
{
    if (d->controlsDisabled == 0)
        return;
    if (--d->controlsDisabled == 0) {
        emit layoutChanged();
        emit stateChanged();
        emit recordChanged();
    }
}

// Qt may call these with one of its internal mutexes held, where asking
// isSignalConnected() would deadlock: the answer is looked up later.
void Table::connectNotify(const QMetaMethod &)
{
    d->listenersStale = true;
}

void Table::disconnectNotify(const QMetaMethod &)
{
    d->listenersStale = true;
}

bool Table::Private::listening(Signal signal)
{
    if (listenersStale) {
        listenersStale = false;
        updateListeners();
    }
    return listeners[signal];
}

void Table::Private::updateListeners()
{
    listeners[StateSignal] = q->isSignalConnected(QMetaMethod::fromSignal(&Table::stateChanged));
    listeners[RecordSignal] = q->isSignalConnected(QMetaMethod::fromSignal(&Table::recordChanged));
    listeners[FieldSignal] = q->isSignalConnected(QMetaMethod::fromSignal(&Table::fieldChanged));
    listeners[LayoutSignal] = q->isSignalConnected(QMetaMethod::fromSignal(&Table::layoutChanged));
    listeners[CurrentSignal] = q->isSignalConnected(QMetaMethod::fromSignal(&Table::currentChanged));
    listeners[PostSignal] = q->isSignalConnected(QMetaMethod::fromSignal(&Table::aboutToPost));
}

void Table::Private::notifyState()
{
    if (controlsDisabled == 0 && listening(StateSignal))
        emit q->stateChanged();
}

void Table::Private::notifyRecord()
{
    if (controlsDisabled == 0 && listening(RecordSignal))
        emit q->recordChanged();
}

void Table::Private::notifyLayout()
{
    if (controlsDisabled == 0 && listening(LayoutSignal))
        emit q->layoutChanged();
}

void Table::Private::notifyField(int fieldIndex)
{
    if (controlsDisabled == 0 && listening(FieldSignal))
        emit q->fieldChanged(fieldIndex);
}

void Table::Private::notifyCurrent()
{
    if (listening(CurrentSignal))
        emit q->currentChanged();
}

} // namespace db
