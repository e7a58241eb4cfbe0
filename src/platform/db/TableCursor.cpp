#include "private/FieldConvert.h"
#include "private/TablePrivate.h"

namespace db {

namespace {

constexpr int jumpFetch = 32;   // rows read when the cursor jumps

} // namespace

// Rows read at once while reading on, and rows kept around the current one:
// fewer for wide tables, so that memory stays bounded by values, not rows.
int Table::Private::largestFetch() const
{
    if (windowRows > 0)
        return std::max(1, windowRows / 2);
    return std::clamp(6144 / std::max(cellCount, 1), 64, 1024);
}

int Table::Private::windowLimit() const
{
    if (windowRows > 0)
        return std::max(2, windowRows);
    return std::clamp(24576 / std::max(cellCount, 1), 512, 4096);
}

int Table::Private::firstFetch() const
{
    return std::min(jumpFetch, largestFetch());
}

namespace {

// Resets a statement however the reading ends.
struct ResetOnExit
{
    store::Statement &statement;
    ~ResetOnExit() { statement.reset(); }
};

} // namespace

void Table::Private::forgetSelects()
{
    selectHead.clear();
    for (bool forward : {false, true}) {
        orderByText[forward].clear();
        selects[forward].clear();
    }
}

const QString &Table::Private::cachedOrderBy(bool forward)
{
    QString &text = orderByText[forward];
    if (text.isEmpty())
        text = orderBy(forward);
    return text;
}

QString Table::Private::selectSql(const QString &where, bool forward)
{
    if (selectHead.isEmpty())
        selectHead = QStringLiteral("SELECT %1 FROM %2").arg(selectList, store::quoteIdentifier(storeName));
    QString sql = selectHead;
    if (!where.isEmpty())
        sql += QLatin1String(" WHERE ") + where;
    return sql + QLatin1String(" ORDER BY ") + cachedOrderBy(forward) + QLatin1String(" LIMIT ?");
}

store::Statement &Table::Private::selectStatement(const QString &where, bool forward)
{
    QHash<QString, store::Statement *> &known = selects[forward];
    if (store::Statement *found = known.value(where))
        return *found;
    store::Statement &select = statement(selectSql(where, forward));
    known.insert(where, &select);
    return select;
}

Table::Private::Fetched Table::Private::fetch(const store::Row *from, bool inclusive, bool forward,
                                              int wanted, const Condition &extra)
{
    std::optional<QVariantList> fromValues;
    if (from)
        fromValues = orderValues(*from);
    Fetched result;
    Condition where = baseCondition();
    where.add(extra);
    const bool callback = filtered && !q->onFilterRecord.empty();
    const int limit = callback ? std::max(wanted, 64) : wanted;
    std::vector<store::Row> candidates;   // rows the filter callback has yet to see
    for (;;) {
        // Rows after the last one read: one query, or (where nulls take
        // part) one per part of the keyset, nearest first, until enough.
        std::vector<Condition> parts;
        if (!fromValues)
            parts.emplace_back();
        else if (std::optional<Condition> rowValue = rowValueKeyset(*fromValues, forward, inclusive))
            parts.push_back(std::move(*rowValue));
        else
            parts = keysetParts(*fromValues, forward, inclusive);
        // Rows are read to the end before the callback runs, so it may read
        // other tables, or this one, freely.
        std::vector<store::Row> &target = callback ? candidates : result.rows;
        const size_t before = target.size();
        target.reserve(before + size_t(limit));
        auto readInto = [&](store::Statement &select, const QVariantList &params, int count) {
            ResetOnExit reset{select};
            int position = 0;
            for (const QVariant &param : params)
                select.bind(position++, param);
            select.bind(position, count);
            while (select.step()) {
                target.push_back(takeRow());
                select.readRow(target.back());
            }
        };
        if (parts.size() > 1 && dialect == store::Dialect::PostgreSQL) {
            // A round trip per part costs more than the server's merging
            // them: each part limited, in one statement, sorted once more.
            QStringList unions;
            QVariantList params;
            for (const Condition &part : parts) {
                Condition condition = where;
                condition.add(part);
                unions << QLatin1Char('(') + selectSql(condition.sql, forward) + QLatin1Char(')');
                params += condition.params;
                params << limit;
            }
            const QString sql = QStringLiteral("SELECT * FROM (%1) AS beyond ORDER BY %2 LIMIT ?")
                                    .arg(unions.join(QLatin1String(" UNION ALL ")), cachedOrderBy(forward));
            readInto(statement(sql), params, limit);
        } else {
            for (const Condition &part : parts) {
                const int missing = limit - int(target.size() - before);
                if (missing <= 0)
                    break;
                Condition condition = where;
                condition.add(part);
                readInto(selectStatement(condition.sql, forward), condition.params, missing);
            }
        }
        const int got = int(target.size() - before);
        const bool complete = got < limit;
        if (got > 0)
            fromValues = orderValues(target.back());
        inclusive = false;
        if (callback) {
            for (store::Row &row : candidates) {
                if (accepts(row))
                    result.rows.push_back(std::move(row));
                else
                    recycle(std::move(row));
            }
            candidates.clear();
        }
        if (complete) {
            result.complete = true;
            break;
        }
        if (int(result.rows.size()) >= wanted)
            break;
    }
    return result;
}

store::Row Table::Private::takeRow()
{
    if (spareRows.empty())
        return {};
    store::Row row = std::move(spareRows.back());
    spareRows.pop_back();
    return row;
}

void Table::Private::recycle(store::Row &&row)
{
    if (spareRows.size() < size_t(largestFetch()))
        spareRows.push_back(std::move(row));
}

bool Table::Private::accepts(const store::Row &row)
{
    const store::Row *previousProbe = probe;
    probe = &row;
    inFilterCallback = true;
    invalidateCalc();
    bool accepted = false;
    try {
        accepted = q->onFilterRecord.ask([](bool shows) { return !shows; }, true, *q);
    } catch (...) {
        probe = previousProbe;
        inFilterCallback = false;
        invalidateCalc();
        throw;
    }
    probe = previousProbe;
    inFilterCallback = false;
    invalidateCalc();
    return accepted;
}

void Table::Private::clearWindow()
{
    rows.clear();
    current = -1;
    startKnown = endKnown = true;
    bof = eof = true;
    invalidateCalc();
}

void Table::Private::setSingleRow(store::Row row)
{
    for (store::Row &old : rows)
        recycle(std::move(old));
    rows.clear();
    rows.push_back(std::move(row));
    current = 0;
    startKnown = endKnown = false;
    bof = eof = false;
    nextFetch = 0;
    invalidateCalc();
}

void Table::Private::internalFirst()
{
    Fetched fetched = fetch(nullptr, false, true, firstFetch());
    rows.assign(std::make_move_iterator(fetched.rows.begin()), std::make_move_iterator(fetched.rows.end()));
    startKnown = true;
    endKnown = fetched.complete;
    current = rows.empty() ? -1 : 0;
    bof = true;
    eof = rows.empty();
    nextFetch = std::min(firstFetch() * 2, largestFetch());
    lastFetchForward = true;
    invalidateCalc();
}

void Table::Private::internalLast()
{
    Fetched fetched = fetch(nullptr, false, false, firstFetch());
    rows.assign(std::make_move_iterator(fetched.rows.rbegin()), std::make_move_iterator(fetched.rows.rend()));
    endKnown = true;
    startKnown = fetched.complete;
    current = int(rows.size()) - 1;
    eof = true;
    bof = rows.empty();
    nextFetch = std::min(firstFetch() * 2, largestFetch());
    lastFetchForward = false;
    invalidateCalc();
}

bool Table::Private::stepForward()
{
    if (rows.empty()) {
        bof = eof = true;
        return false;
    }
    if (current + 1 < int(rows.size())) {
        ++current;
        bof = eof = false;
        invalidateCalc();
        return true;
    }
    if (endKnown) {
        eof = true;
        return false;
    }
    // Reading on in the same direction fetches more rows each time.
    const int wanted = lastFetchForward && nextFetch > 0 ? nextFetch : firstFetch();
    Fetched fetched = fetch(&rows.back(), false, true, wanted);
    nextFetch = std::min(wanted * 2, largestFetch());
    lastFetchForward = true;
    endKnown = fetched.complete;
    if (fetched.rows.empty()) {
        eof = true;
        return false;
    }
    for (store::Row &row : fetched.rows)
        rows.push_back(std::move(row));
    if (int(rows.size()) > windowLimit()) {
        const int drop = int(rows.size()) - windowLimit();
        for (int i = 0; i < drop; ++i)
            recycle(std::move(rows[i]));
        rows.erase(rows.begin(), rows.begin() + drop);
        current -= drop;
        startKnown = false;
    }
    ++current;
    bof = eof = false;
    invalidateCalc();
    return true;
}

bool Table::Private::stepBackward()
{
    if (rows.empty()) {
        bof = eof = true;
        return false;
    }
    if (current > 0) {
        --current;
        bof = eof = false;
        invalidateCalc();
        return true;
    }
    if (startKnown) {
        bof = true;
        return false;
    }
    const int wanted = !lastFetchForward && nextFetch > 0 ? nextFetch : firstFetch();
    Fetched fetched = fetch(&rows.front(), false, false, wanted);
    nextFetch = std::min(wanted * 2, largestFetch());
    lastFetchForward = false;
    startKnown = fetched.complete;
    if (fetched.rows.empty()) {
        bof = true;
        return false;
    }
    for (store::Row &row : fetched.rows)
        rows.push_front(std::move(row));
    current += int(fetched.rows.size());
    const int limit = windowLimit();
    if (int(rows.size()) > limit) {
        for (int i = limit; i < int(rows.size()); ++i)
            recycle(std::move(rows[i]));
        rows.erase(rows.begin() + limit, rows.end());
        endKnown = false;
    }
    --current;
    bof = eof = false;
    invalidateCalc();
    return true;
}

std::optional<store::Row> Table::Private::fetchByIdentity(const QVariantList &identity, bool withBase)
{
    Condition condition = withBase ? baseCondition() : Condition();
    condition.add(identityEquals(identity));
    const QString sql = QStringLiteral("SELECT %1 FROM %2 WHERE %3 LIMIT 1")
                            .arg(selectList, store::quoteIdentifier(storeName), condition.sql);
    store::Statement &select = statement(sql);
    ResetOnExit reset{select};
    for (int i = 0; i < condition.params.size(); ++i)
        select.bind(i, condition.params[i]);
    if (!select.step())
        return std::nullopt;
    store::Row row;
    select.readRow(row);
    return row;
}

// After the order changed or a range was cancelled: the same record again,
// else the nearest one after it, else the last one.
void Table::Private::repositionAfterChange(const store::Row &row)
{
    if (row.cells.empty()) {
        internalFirst();
        return;
    }
    if (auto found = fetchByIdentity(identityOf(row), true)) {
        if (!filtered || q->onFilterRecord.empty() || accepts(*found)) {
            setSingleRow(std::move(*found));
            return;
        }
    }
    Fetched fetched = fetch(&row, true, true, 1);
    if (!fetched.rows.empty())
        setSingleRow(std::move(fetched.rows.front()));
    else
        internalLast();
}

// Counted over the union of the keyset's parts, so that each is read from
// the index where it starts, whatever nulls the order holds.
int Table::Private::countBeyondUpTo(const QVariantList &values, bool after, int limit)
{
    std::vector<Condition> parts;
    if (std::optional<Condition> rowValue = rowValueKeyset(values, after, false))
        parts.push_back(*rowValue);
    else
        parts = keysetParts(values, after, false);
    if (parts.empty())
        return 0;
    const Condition base = baseCondition();
    const QString head = QStringLiteral("SELECT 1 FROM %1").arg(store::quoteIdentifier(storeName));
    QStringList selects;
    QVariantList params;
    for (const Condition &part : parts) {
        Condition condition = base;
        condition.add(part);
        selects << head + QLatin1String(" WHERE ") + condition.sql;
        params += condition.params;
    }
    const QString sql = QStringLiteral("SELECT COUNT(*) FROM (%1 LIMIT ?) AS counted")
                            .arg(selects.join(QLatin1String(" UNION ALL ")));
    store::Statement &count = statement(sql);
    ResetOnExit reset{count};
    int position = 0;
    for (const QVariant &param : params)
        count.bind(position++, param);
    count.bind(position, limit);
    if (!count.step())
        return 0;
    return count.value(0).toInt();
}

int Table::Private::countRows(const Condition &extra)
{
    if (filtered && !q->onFilterRecord.empty()) {
        int count = 0;
        std::optional<store::Row> last;
        for (;;) {
            Fetched fetched = fetch(last ? &*last : nullptr, false, true, largestFetch(), extra);
            count += int(fetched.rows.size());
            if (fetched.complete || fetched.rows.empty())
                break;
            last = fetched.rows.back();
        }
        return count;
    }
    Condition condition = baseCondition();
    condition.add(extra);
    QString sql = QStringLiteral("SELECT COUNT(*) FROM %1").arg(store::quoteIdentifier(storeName));
    if (!condition.sql.isEmpty())
        sql += QLatin1String(" WHERE ") + condition.sql;
    store::Statement &count = statement(sql);
    ResetOnExit reset{count};
    for (int i = 0; i < condition.params.size(); ++i)
        count.bind(i, condition.params[i]);
    if (!count.step())
        return 0;
    return count.value(0).toInt();
}

void Table::Private::afterMove()
{
    invalidateCalc();
    notifyRecord();
    notifyCurrent();
    q->afterScroll(*q);
}

// --- master link

std::optional<QVariantList> Table::Private::currentMasterValues() const
{
    if (!master)
        return QVariantList();
    Table *masterTable = master->dataSet();
    if (!masterTable || !masterTable->isOpen())
        return std::nullopt;
    QVariantList values;
    for (int i = 0; i < masterFields.size(); ++i) {
        const QVariant value = masterTable->fieldByName(masterFields[i]).value();
        const int detailIndex = def.fieldIndex(detailFields[i]);
        if (detailIndex < 0)
            throw DatabaseError(QStringLiteral("Das Feld %1 existiert nicht in der Tabelle %2.")
                                    .arg(detailFields[i], storeName));
        values << detail::toFieldValue(def.fields[detailIndex], value);
    }
    return values;
}

void Table::Private::masterChanged()
{
    if (!open)
        return;
    const std::optional<QVariantList> values = currentMasterValues();
    if (values == linkValues)
        return;
    q->checkBrowseMode();
    q->beforeScroll(*q);
    linkValues = values;
    internalFirst();
    afterMove();
}

// --- navigation

void Table::first()
{
    d->requireOpen();
    checkBrowseMode();
    beforeScroll(*this);
    d->internalFirst();
    d->afterMove();
}

void Table::last()
{
    d->requireOpen();
    checkBrowseMode();
    beforeScroll(*this);
    d->internalLast();
    d->afterMove();
}

void Table::next()
{
    moveBy(1);
}

void Table::prior()
{
    moveBy(-1);
}

int Table::moveBy(int distance)
{
    d->requireOpen();
    checkBrowseMode();
    if (distance == 0 || (distance > 0 && d->eof) || (distance < 0 && d->bof))
        return 0;
    beforeScroll(*this);
    int moved = 0;
    while (moved < std::abs(distance)) {
        if (!(distance > 0 ? d->stepForward() : d->stepBackward()))
            break;
        ++moved;
    }
    d->afterMove();
    return distance > 0 ? moved : -moved;
}

bool Table::eof() const
{
    return !d->open || (d->state != DatasetState::Insert && d->eof);
}

bool Table::bof() const
{
    return !d->open || (d->state != DatasetState::Insert && d->bof);
}

bool Table::atLastRecord()
{
    if (!d->open || d->state == DatasetState::Insert || d->eof || d->rows.empty())
        return d->open && d->state != DatasetState::Insert;
    if (d->current + 1 < int(d->rows.size()))
        return false;
    if (d->endKnown)
        return true;
    // One row beyond the window answers it; the window itself stays.
    return d->fetch(&d->rows.back(), false, true, 1).rows.empty();
}

bool Table::atFirstRecord()
{
    if (!d->open || d->state == DatasetState::Insert || d->bof || d->rows.empty())
        return d->open && d->state != DatasetState::Insert;
    if (d->current > 0)
        return false;
    if (d->startKnown)
        return true;
    return d->fetch(&d->rows.front(), false, false, 1).rows.empty();
}

bool Table::isEmpty() const
{
    if (!d->open)
        return true;
    if (d->state == DatasetState::Insert)
        return false;
    return d->rows.empty();
}

int Table::recordCount()
{
    d->requireOpen();
    return d->countRows({});
}

int Table::recNo()
{
    d->requireOpen();
    if (d->state == DatasetState::Insert)
        return -1;
    const store::Row *row = d->currentRow();
    if (!row)
        return -1;
    const QVariantList values = d->orderValues(*row);
    if (d->filtered && !onFilterRecord.empty())
        return d->countRows(d->keyset(values, false, false)) + 1;
    // Counting the records before one near the end of a large table takes
    // long; counting those after it, and all, does not. Both sides are
    // counted a part at a time, and the first to finish gives the number.
    for (int limit = 256; limit < (1 << 24); limit *= 4) {
        const int earlier = d->countBeyondUpTo(values, false, limit);
        if (earlier < limit)
            return earlier + 1;
        const int later = d->countBeyondUpTo(values, true, limit);
        if (later < limit)
            return d->countRows({}) - later;
    }
    return d->countRows(d->keyset(values, false, false)) + 1;
}

void Table::refresh()
{
    d->requireOpen();
    checkBrowseMode();
    if (const store::Row *row = d->currentRow()) {
        const store::Row copy = *row;
        Private::Fetched fetched = d->fetch(&copy, true, true, 1);
        if (!fetched.rows.empty())
            d->setSingleRow(std::move(fetched.rows.front()));
        else
            d->internalLast();
    } else {
        d->internalFirst();
    }
    d->notifyRecord();
    d->notifyCurrent();
}

// --- search

bool Table::findKey(const QVariantList &keyValues)
{
    d->requireOpen();
    checkBrowseMode();
    if (d->keyBeyondRange(keyValues))
        return false;
    const QVariantList values = d->convertKeyValues(keyValues);
    beforeScroll(*this);
    Private::Fetched fetched = d->fetch(nullptr, false, true, 1, d->keyEquals(values));
    if (fetched.rows.empty())
        return false;
    d->setSingleRow(std::move(fetched.rows.front()));
    d->afterMove();
    return true;
}

void Table::findNearest(const QVariantList &keyValues)
{
    d->requireOpen();
    checkBrowseMode();
    const QVariantList values = d->convertKeyValues(d->clampedKeyValues(keyValues));
    beforeScroll(*this);
    Private::Fetched fetched = d->fetch(nullptr, false, true, 1, d->keyset(values, true, true));
    if (!fetched.rows.empty()) {
        d->setSingleRow(std::move(fetched.rows.front()));
    } else {
        d->internalLast();
        d->eof = d->rows.empty();
    }
    d->afterMove();
}

bool Table::locate(const QString &fieldNames, const QVariantList &values, LocateOptions options)
{
    d->requireOpen();
    checkBrowseMode();
    const QStringList names = splitFieldList(fieldNames);
    if (names.isEmpty() || names.size() != values.size())
        throw DatabaseError(QStringLiteral("Locate: Felder und Werte passen nicht zusammen."));
    Condition condition;
    for (int i = 0; i < names.size(); ++i) {
        const int fieldIndex = d->def.fieldIndex(names[i]);
        if (fieldIndex < 0)
            throw DatabaseError(QStringLiteral("Feld '%1' nicht gefunden.").arg(names[i]));
        const FieldDef &field = d->def.fields[fieldIndex];
        const QString column = store::quoteIdentifier(field.name);
        if (store::isTextType(field.type)) {
            const QString text = values[i].toString();
            if (text.isEmpty()) {
                if (!options.partialKey)
                    condition.add(Condition{QStringLiteral("(%1 IS NULL OR %1 = '')").arg(column), {}});
                continue;
            }
            const QString compared = options.partialKey
                                         ? QStringLiteral("substr(%1, 1, %2)").arg(column).arg(text.toUcs4().size())
                                         : column;
            if (options.caseInsensitive)
                condition.add(Condition{QStringLiteral("lower(%1) = lower(?)").arg(compared), {text}});
            else
                condition.add(Condition{QStringLiteral("%1 = ?").arg(compared), {text}});
        } else {
            const QVariant typed = detail::toFieldValue(field, values[i]);
            if (!typed.isValid() || typed.isNull())
                condition.add(Condition{QStringLiteral("%1 IS NULL").arg(column), {}});
            else
                condition.add(Condition{QStringLiteral("%1 = ?").arg(column), {typed}});
        }
    }
    Private::Fetched fetched = d->fetch(nullptr, false, true, 1, condition);
    if (fetched.rows.empty())
        return false;
    beforeScroll(*this);
    d->setSingleRow(std::move(fetched.rows.front()));
    d->afterMove();
    return true;
}

void Table::setRange(const QVariantList &start, const QVariantList &end)
{
    d->requireOpen();
    checkBrowseMode();
    const QVariantList from = d->convertKeyValues(start);
    const QVariantList to = d->convertKeyValues(end);
    beforeScroll(*this);
    d->rangeStart = from;
    d->rangeEnd = to;
    d->rangeSet = true;
    d->internalFirst();
    d->notifyLayout();
    d->afterMove();
}

void Table::cancelRange()
{
    if (!d->rangeSet)
        return;
    d->rangeSet = false;
    if (!d->open)
        return;
    checkBrowseMode();
    const store::Row *row = d->currentRow();
    d->repositionAfterChange(row ? store::Row(*row) : store::Row());
    d->notifyLayout();
    d->notifyRecord();
    d->notifyCurrent();
}

bool Table::hasRange() const
{
    return d->rangeSet;
}

Bookmark Table::bookmark() const
{
    if (!d->open || d->state == DatasetState::Insert)
        return {};
    const store::Row *row = d->currentRow();
    return row ? d->identityOf(*row) : Bookmark();
}

bool Table::gotoBookmark(const Bookmark &bookmark)
{
    d->requireOpen();
    if (bookmark.isEmpty())
        return false;
    checkBrowseMode();
    std::optional<store::Row> row = d->fetchByIdentity(bookmark, true);
    if (!row)
        return false;
    beforeScroll(*this);
    d->setSingleRow(std::move(*row));
    d->afterMove();
    return true;
}

bool Table::returnTo(const Bookmark &bookmark)
{
    d->requireOpen();
    if (bookmark.isEmpty() || d->state != DatasetState::Browse || d->probe || d->current < 0)
        return gotoBookmark(bookmark);
    // Nearest first: a reader moves a screen's length away at most.
    const int count = int(d->rows.size());
    const auto backTo = [&](int index) {
        if (index < 0 || index >= count || d->identityOf(d->rows[index]) != bookmark)
            return false;
        beforeScroll(*this);
        d->current = index;
        d->bof = d->eof = false;
        d->invalidateCalc();
        d->afterMove();
        return true;
    };
    const int home = d->current;
    for (int distance = 0; home - distance >= 0 || home + distance < count; ++distance) {
        if (backTo(home - distance) || (distance > 0 && backTo(home + distance)))
            return true;
    }
    return gotoBookmark(bookmark);
}

} // namespace db
