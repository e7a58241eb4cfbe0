#include "private/FieldConvert.h"
#include "Locks.h"
#include "private/TablePrivate.h"

#include <functional>
#include <utility>

namespace db {

namespace {

const QString recordGone = QStringLiteral("Der Datensatz wurde inzwischen von einem anderen Benutzer gelöscht.");

} // namespace

void Table::Private::unlockRecord(bool written)
{
    if (!recordLocked)
        return;
    recordLocked = false;
    if (database && database->isOpen())
        database->locks().unlockRecord(storeName, lockedKey, written);
}

void Table::Private::fillLinkFields()
{
    if (!master || !linkValues)
        return;
    for (int i = 0; i < detailFields.size() && i < linkValues->size(); ++i) {
        const int fieldIndex = def.fieldIndex(detailFields[i]);
        if (fieldIndex < 0)
            continue;
        buffer[fieldIndex] = linkValues->at(i);
        changed[fieldIndex] = true;
    }
}

const QVariant &Table::Private::storedValue(int fieldIndex) const
{
    const QVariant &value = buffer[fieldIndex];
    // A key column holds no null: an empty key text is ''.
    static const QVariant emptyText = QString(QLatin1String(""));
    if (keyTextFields[fieldIndex] && isNullValue(value))
        return emptyText;
    return value;
}

store::Row Table::Private::rowFromBuffer(const QVariant &rowNumber)
{
    // A spare row keeps its buffers: posting one record after another
    // allocates nothing for it.
    store::Row row = takeRow();
    row.cells.resize(cellCount);   // each cell is set below
    row.bytes.resize(0);
    for (int i = 0; i < def.fields.size(); ++i)
        row.setValue(i, storedValue(i));
    if (cellCount > def.fields.size())
        row.setValue(def.fields.size(), rowNumber);
    return row;
}

// Inserts or updates the record in the buffer and makes the stored record
// the current one. SQLite keeps exactly the values bound, so the row is
// built from the buffer; where the store assigns values (numbers of
// AutoInc fields, row numbers) or converts them (PostgreSQL's numeric),
// the statement returns the stored row.
void Table::Private::writeRecord()
{
    const bool sqlite = dialect == store::Dialect::SQLite;
    const int count = def.fields.size();
    std::optional<store::Row> written;
    // Values are bound straight from the built row, converted only once.
    auto run = [&](store::Statement &write, const store::Row &row, const QByteArray &shape,
                   const QVariantList &extra, bool returning) {
        int affected = 0;
        auto bindAndStep = [&] {
            struct Reset
            {
                store::Statement &s;
                ~Reset()
                {
                    s.reset();
                    s.clearBindings();
                }
            } reset{write};
            int position = 0;
            for (int i = 0; i < count; ++i) {
                if (shape[i + 1] == '1')
                    write.bindCell(position++, row, i, def.fields[i].type);
            }
            for (const QVariant &value : extra)
                write.bind(position++, value);
            if (returning) {
                if (write.step()) {
                    written.emplace();
                    write.readRow(*written);
                }
                while (write.step()) {
                }
            } else {
                while (write.step()) {
                }
                affected = write.rowsAffected();
            }
        };
        // By reference: std::function then keeps no copy on the heap.
        database->guarded(std::ref(bindAndStep));
        return affected;
    };
    // The statement for a shape of write: the one used last, else the one
    // kept for it. The shape is built in a buffer kept between posts.
    auto kept = [&](const QByteArray &shape) -> store::Statement * {
        if (lastWrite && shape == lastWriteShape)
            return lastWrite;
        store::Statement *found = writeStatements.value(shape);
        if (found) {
            lastWrite = found;
            lastWriteShape = writeStatements.find(shape).key();
        }
        return found;
    };
    auto keep = [&](const QByteArray &shape, store::Statement *write) {
        lastWrite = write;
        lastWriteShape = QByteArray(shape.constData(), shape.size());
        writeStatements.insert(lastWriteShape, write);
    };

    if (state == DatasetState::Insert) {
        // '1': bound; '0': numbered by the store (AutoInc left empty).
        QByteArray &shape = writeShape;
        shape.fill('1', count + 1);
        shape[0] = 'I';
        bool assigned = def.primaryKey.isEmpty();
        for (int i = 0; i < count; ++i) {
            if (def.fields[i].type == FieldType::AutoInc && isNullValue(buffer[i])) {
                shape[i + 1] = '0';
                assigned = true;
            }
        }
        const bool returning = !sqlite || assigned;
        store::Statement *insert = kept(shape);
        if (!insert) {
            const QString table = store::quoteIdentifier(storeName);
            QStringList columns;
            QStringList values;
            for (int i = 0; i < count; ++i) {
                if (shape[i + 1] == '0') {
                    if (!sqlite)
                        continue;   // the column's identity sequence numbers it
                    values << QStringLiteral("(SELECT COALESCE(MAX(%1), 0) + 1 FROM %2)").arg(quotedFields[i], table);
                } else {
                    values << QStringLiteral("?");
                }
                columns << quotedFields[i];
            }
            QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                              .arg(table, columns.join(QLatin1String(", ")), values.join(QLatin1String(", ")));
            if (returning)
                sql += QLatin1String(" RETURNING ") + selectList;
            insert = &statement(sql);
            keep(shape, insert);
        }
        store::Row row = rowFromBuffer(QVariant());
        run(*insert, row, shape, {}, returning);
        if (!returning)
            written = std::move(row);
        if (!written)
            throw DatabaseError(QStringLiteral("Der Datensatz wurde nicht gespeichert."), insert->sql());
    } else {
        QByteArray &shape = writeShape;
        shape.fill('0', count + 1);
        shape[0] = 'U';
        for (int i = 0; i < count; ++i) {
            if (changed[i])
                shape[i + 1] = '1';
        }
        const QVariant rowNumber = def.primaryKey.isEmpty() ? editIdentity.value(0) : QVariant();
        if (!shape.contains('1')) {
            written = fetchByIdentity(editIdentity, false);
            if (!written)
                throw DatabaseError(recordGone);
        } else {
            const Condition where = identityEquals(editIdentity);
            store::Statement *update = kept(shape);
            if (!update) {
                QStringList assignments;
                for (int i = 0; i < count; ++i) {
                    if (shape[i + 1] == '1')
                        assignments << QStringLiteral("%1 = ?").arg(quotedFields[i]);
                }
                QString sql = QStringLiteral("UPDATE %1 SET %2 WHERE %3")
                                  .arg(store::quoteIdentifier(storeName), assignments.join(QLatin1String(", ")),
                                       where.sql);
                if (!sqlite)
                    sql += QLatin1String(" RETURNING ") + selectList;
                update = &statement(sql);
                keep(shape, update);
            }
            store::Row row = rowFromBuffer(rowNumber);
            const int affected = run(*update, row, shape, where.params, !sqlite);
            if (sqlite && affected > 0)
                written = std::move(row);
            if (!written)
                throw DatabaseError(recordGone, update->sql());
        }
    }
    setSingleRow(std::move(*written));
}

void Table::edit()
{
    d->requireOpen();
    if (d->state == DatasetState::Edit || d->state == DatasetState::Insert)
        return;
    if (d->readOnly)
        throw DatabaseError(QStringLiteral("Die Tabelle %1 ist schreibgeschützt.").arg(d->storeName));
    if (isEmpty()) {
        insert();
        return;
    }
    beforeEdit(*this);
    const QVariantList identity = d->identityOf(*d->currentRow());
    const QString key = d->identityText(identity);
    d->database->locks().lockRecord(d->storeName, key);
    d->recordLocked = true;
    d->lockedKey = key;
    try {
        // Edit what the store holds now, not what this cursor read earlier.
        std::optional<store::Row> fresh = d->fetchByIdentity(identity, false);
        if (!fresh)
            throw DatabaseError(recordGone);
        d->rows[d->current] = std::move(*fresh);
    } catch (...) {
        d->unlockRecord();
        throw;
    }
    const int count = d->def.fields.size();
    d->buffer.assign(count, QVariant());
    for (int i = 0; i < count; ++i)
        d->buffer[i] = store::cellValue(d->rows[d->current], i, d->def.fields[i].type);
    d->changed.assign(count, false);
    d->modified = false;
    d->editIdentity = identity;
    d->state = DatasetState::Edit;
    d->invalidateCalc();
    d->notifyState();
    d->notifyRecord();
}

void Table::insert()
{
    d->requireOpen();
    if (d->readOnly)
        throw DatabaseError(QStringLiteral("Die Tabelle %1 ist schreibgeschützt.").arg(d->storeName));
    checkBrowseMode();
    beforeInsert(*this);
    beforeScroll(*this);
    const int count = d->def.fields.size();
    // Emptied and grown rather than filled with copies of a null value.
    d->buffer.clear();
    d->buffer.resize(count);
    d->changed.assign(count, false);
    d->state = DatasetState::Insert;
    d->fillLinkFields();
    d->invalidateCalc();
    d->notifyState();
    d->notifyRecord();
    d->notifyCurrent();
    try {
        onNewRecord(*this);
    } catch (...) {
        d->state = DatasetState::Browse;
        d->buffer.clear();
        d->changed.clear();
        d->modified = false;
        d->invalidateCalc();
        d->notifyState();
        d->notifyRecord();
        d->notifyCurrent();
        throw;
    }
    d->modified = false;
    afterInsert(*this);
    afterScroll(*this);
}

void Table::append()
{
    insert();
}

void Table::post()
{
    d->requireOpen();
    if (d->state != DatasetState::Edit && d->state != DatasetState::Insert)
        return;
    if (d->controlsDisabled == 0 && d->listening(Private::PostSignal) && !d->askingControls) {
        // Text still waiting in a control belongs to this record: stored
        // first, or the post refused with the reason.
        d->postRefusal = nullptr;
        d->askingControls = true;
        try {
            emit aboutToPost();
        } catch (...) {
            d->askingControls = false;
            throw;
        }
        d->askingControls = false;
        if (d->postRefusal)
            std::rethrow_exception(std::exchange(d->postRefusal, nullptr));
        if (d->state != DatasetState::Edit && d->state != DatasetState::Insert)
            return;
    }
    beforePost(*this);
    for (int i = 0; i < d->def.fields.size(); ++i) {
        const FieldDef &field = d->def.fields[i];
        if (!(field.required || d->keyFields[i]) || d->keyTextFields[i] || field.type == FieldType::AutoInc)
            continue;
        if (isNullValue(d->buffer[i]))
            throw DatabaseError(QStringLiteral("Das Feld %1 muss einen Wert haben.").arg(field.name));
    }
    for (;;) {
        try {
            d->writeRecord();
            break;
        } catch (const DatabaseError &error) {
            const PostErrorAction action = onPostError.ask(
                [](PostErrorAction answer) { return answer != PostErrorAction::Fail; }, PostErrorAction::Fail, *this,
                error);
            if (action == PostErrorAction::Retry)
                continue;
            if (action == PostErrorAction::Abort)
                throw Abort();
            throw;
        }
    }
    d->backToBrowse(true);
    afterPost(*this);
}

void Table::Private::backToBrowse(bool written)
{
    unlockRecord(written);
    state = DatasetState::Browse;
    buffer.clear();
    changed.clear();
    modified = false;
    invalidateCalc();
    notifyState();
    notifyRecord();
    notifyCurrent();
}

void Table::cancel()
{
    d->requireOpen();
    if (d->state != DatasetState::Edit && d->state != DatasetState::Insert)
        return;
    const bool wasInsert = d->state == DatasetState::Insert;
    d->backToBrowse();
    afterCancel(*this);
    if (wasInsert)
        afterScroll(*this);
}

void Table::remove()
{
    d->requireOpen();
    if (d->state == DatasetState::Insert) {
        cancel();
        return;
    }
    if (d->readOnly)
        throw DatabaseError(QStringLiteral("Die Tabelle %1 ist schreibgeschützt.").arg(d->storeName));
    const store::Row *row = d->currentRow();
    if (!row)
        throw DatabaseError(QStringLiteral("Operation bei leerer Datenmenge nicht möglich."));
    beforeDelete(*this);
    beforeScroll(*this);
    const bool wasEditing = d->state == DatasetState::Edit;
    const QVariantList identity = wasEditing ? d->editIdentity : d->identityOf(*row);
    const store::Row deleted = *row;
    if (!d->recordLocked) {
        const QString key = d->identityText(identity);
        d->database->locks().lockRecord(d->storeName, key);
        d->recordLocked = true;
        d->lockedKey = key;
    }
    try {
        const Condition where = d->identityEquals(identity);
        const QString sql = QStringLiteral("DELETE FROM %1 WHERE %2")
                                .arg(store::quoteIdentifier(d->storeName), where.sql);
        d->database->guarded([&] {
            store::Statement &remove = d->statement(sql);
            for (int i = 0; i < where.params.size(); ++i)
                remove.bind(i, where.params[i]);
            remove.execute();
        });
    } catch (...) {
        if (!wasEditing)
            d->unlockRecord();
        throw;
    }
    d->unlockRecord(true);
    d->state = DatasetState::Browse;
    d->buffer.clear();
    d->changed.clear();
    d->modified = false;
    // The record after the deleted one becomes current; after the last one,
    // the new last record with eof set, so "while not eof: delete" ends.
    Private::Fetched following = d->fetch(&deleted, false, true, 1);
    if (!following.rows.empty())
        d->setSingleRow(std::move(following.rows.front()));
    else
        d->internalLast();
    // Also from browse state: lists showing the table count its records anew.
    d->notifyState();
    afterDelete(*this);
    d->afterMove();
}

void Table::refusePost(std::exception_ptr error)
{
    if (d->askingControls && !d->postRefusal)
        d->postRefusal = error;
}

void Table::checkBrowseMode()
{
    if (!d->open)
        return;
    if (d->state != DatasetState::Edit && d->state != DatasetState::Insert)
        return;
    if (d->modified)
        post();
    else
        cancel();
}

bool Table::modified() const
{
    return (d->state == DatasetState::Edit || d->state == DatasetState::Insert) && d->modified;
}

} // namespace db
