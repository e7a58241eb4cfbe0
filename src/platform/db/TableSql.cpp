#include "private/FieldConvert.h"
#include "private/TablePrivate.h"
#include "TextFormat.h"

#include <optional>

namespace db {

store::Statement &Table::Private::statement(const QString &sql)
{
    auto it = statements.find(sql);
    if (it == statements.end())
        it = statements.emplace(sql, database->prepare(sql)).first;
    return *it->second;
}

QString Table::Private::orderBy(bool forward) const
{
    QStringList parts;
    for (const OrderColumn &column : order) {
        const bool descending = column.descending == forward;
        QString part = column.expression + (descending ? QLatin1String(" DESC") : QLatin1String(""));
        // Nulls sort first in the index direction, as SQLite does on its own.
        if (dialect == store::Dialect::PostgreSQL && column.nullable)
            part += descending ? QLatin1String(" NULLS LAST") : QLatin1String(" NULLS FIRST");
        parts << part;
    }
    return parts.join(QLatin1String(", "));
}

QString Table::Private::columnValueSql(const OrderColumn &column) const
{
    if (column.caseInsensitive && dialect == store::Dialect::PostgreSQL)
        return QStringLiteral("lower(?)");
    return QStringLiteral("?");
}

// Null counts as the smallest value. Where no null takes part a row-value
// comparison lets the store seek straight to the key.
std::optional<Condition> Table::Private::rowValueKeyset(const QVariantList &values, bool after,
                                                        bool inclusive) const
{
    const int count = std::min<int>(values.size(), order.size());
    bool sameDirection = true;
    bool anyNull = false;
    bool anyNullable = false;
    for (int i = 0; i < count; ++i) {
        sameDirection = sameDirection && order[i].descending == order[0].descending;
        anyNull = anyNull || isNullValue(values[i]);
        anyNullable = anyNullable || order[i].nullable;
    }
    const bool greater = after != order[0].descending;
    // A null in the rows compares as unknown: it may only stand where those
    // rows lie outside the result anyway (before the key when reading on).
    if (!sameDirection || anyNull || (!greater && anyNullable))
        return std::nullopt;
    const QString op = greater ? (inclusive ? QStringLiteral(">=") : QStringLiteral(">"))
                               : (inclusive ? QStringLiteral("<=") : QStringLiteral("<"));
    Condition result;
    QStringList left;
    QStringList right;
    for (int i = 0; i < count; ++i) {
        left << order[i].expression;
        right << columnValueSql(order[i]);
        result.params << values[i];
    }
    if (count == 1)
        result.sql = QStringLiteral("%1 %2 %3").arg(left[0], op, right[0]);
    else
        result.sql = QStringLiteral("(%1) %2 (%3)").arg(left.join(QLatin1String(", ")), op,
                                                     right.join(QLatin1String(", ")));
    return result;
}

// Otherwise the comparison is spelled out column by column: equal on the
// leading columns and beyond on the next one. Each part is a single seek in
// the order's index (a nullable column taken down splits into "less" and
// "null"), the parts do not overlap, and they come nearest to the key first,
// so that reading them in turn reads the rows in order.
std::vector<Condition> Table::Private::keysetParts(const QVariantList &values, bool after, bool inclusive) const
{
    const int count = std::min<int>(values.size(), order.size());
    std::vector<std::vector<Condition>> beyondColumn(static_cast<size_t>(count));
    Condition prefix;
    for (int i = 0; i < count; ++i) {
        const OrderColumn &column = order[i];
        const bool up = after != column.descending;
        const bool null = isNullValue(values[i]);
        auto beyond = [&](const QString &sql, const QVariantList &params) {
            Condition part = prefix;
            part.add(Condition{sql, params});
            beyondColumn[size_t(i)].push_back(part);
        };
        if (up && null) {
            // Every text is at least the empty one, and SQLite keeps every
            // value of a character column as text: a range the index seeks,
            // where it would walk past the nulls for IS NOT NULL.
            if (dialect == store::Dialect::SQLite && column.type == FieldType::Alpha)
                beyond(QStringLiteral("%1 >= ''").arg(column.expression), {});
            else
                beyond(QStringLiteral("%1 IS NOT NULL").arg(column.expression), {});
        } else if (up) {
            beyond(QStringLiteral("%1 > %2").arg(column.expression, columnValueSql(column)), {values[i]});
        } else if (!null) {
            beyond(QStringLiteral("%1 < %2").arg(column.expression, columnValueSql(column)), {values[i]});
            if (column.nullable)
                beyond(QStringLiteral("%1 IS NULL").arg(column.expression), {});
        }
        if (null)
            prefix.add(Condition{QStringLiteral("%1 IS NULL").arg(column.expression), {}});
        else
            prefix.add(Condition{QStringLiteral("%1 = %2").arg(column.expression, columnValueSql(column)), {values[i]}});
    }
    std::vector<Condition> parts;
    if (inclusive)
        parts.push_back(prefix);
    for (int i = count - 1; i >= 0; --i) {
        for (Condition &part : beyondColumn[size_t(i)])
            parts.push_back(std::move(part));
    }
    return parts;
}

// Both forms in one condition; the spelled-out one is led by a bound on the
// first column so that the store can still start near the key.
Condition Table::Private::keyset(const QVariantList &values, bool after, bool inclusive) const
{
    Condition result;
    const int count = std::min<int>(values.size(), order.size());
    if (count == 0) {
        if (!inclusive && after)
            result.sql = QStringLiteral("1 = 0");
        return result;
    }
    if (std::optional<Condition> rowValue = rowValueKeyset(values, after, inclusive))
        return *rowValue;

    QStringList alternatives;
    QVariantList params;
    for (const Condition &part : keysetParts(values, after, inclusive)) {
        alternatives << QLatin1Char('(') + part.sql + QLatin1Char(')');
        params += part.params;
    }
    const QString expanded = alternatives.isEmpty() ? QStringLiteral("1 = 0")
                                                    : alternatives.join(QLatin1String(" OR "));

    // The leading bound: the first column at or beyond its value.
    const OrderColumn &first = order[0];
    const bool up = after != first.descending;
    Condition bound;
    if (up) {
        if (!isNullValue(values[0])) {
            bound.sql = QStringLiteral("%1 >= %2").arg(first.expression, columnValueSql(first));
            bound.params << values[0];
        }
    } else if (isNullValue(values[0])) {
        bound.sql = QStringLiteral("%1 IS NULL").arg(first.expression);
    } else if (!first.nullable) {
        bound.sql = QStringLiteral("%1 <= %2").arg(first.expression, columnValueSql(first));
        bound.params << values[0];
    }
    result = bound;
    result.add(Condition{expanded, params});
    return result;
}

Condition Table::Private::keyEquals(const QVariantList &values) const
{
    Condition result;
    const int count = std::min<int>(values.size(), order.size());
    for (int i = 0; i < count; ++i) {
        const OrderColumn &column = order[i];
        Condition c;
        if (isNullValue(values[i])) {
            c.sql = QStringLiteral("%1 IS NULL").arg(column.expression);
        } else {
            c.sql = QStringLiteral("%1 = %2").arg(column.expression, columnValueSql(column));
            c.params << values[i];
        }
        result.add(c);
    }
    return result;
}

Condition Table::Private::identityEquals(const QVariantList &identity) const
{
    Condition result;
    for (int i = 0; i < identityCells.size() && i < identity.size(); ++i) {
        const int cell = identityCells[i];
        const QString column = cell < def.fields.size() ? store::quoteIdentifier(def.fields[cell].name)
                                                        : identityExpression;
        result.add(Condition{QStringLiteral("%1 = ?").arg(column), {identity[i]}});
    }
    return result;
}

Condition Table::Private::baseCondition() const
{
    Condition result;
    if (rangeSet) {
        result.add(keyset(rangeStart, true, true));
        result.add(keyset(rangeEnd, false, true));
    }
    if (master) {
        if (!linkValues) {
            result.add(Condition{QStringLiteral("1 = 0"), {}});
        } else {
            for (int i = 0; i < detailFields.size(); ++i) {
                const int fieldIndex = def.fieldIndex(detailFields[i]);
                const QString column = store::quoteIdentifier(def.fields[fieldIndex].name);
                const QVariant value = i < linkValues->size() ? linkValues->at(i) : QVariant();
                if (isNullValue(value))
                    result.add(Condition{QStringLiteral("%1 IS NULL").arg(column), {}});
                else
                    result.add(Condition{QStringLiteral("%1 = ?").arg(column), {value}});
            }
        }
    }
    if (filtered && filterCondition && !filterCondition->sql.isEmpty())
        result.add(Condition{filterCondition->sql, filterCondition->params});
    return result;
}

QVariantList Table::Private::orderValues(const store::Row &row) const
{
    QVariantList values;
    for (const OrderColumn &column : order) {
        if (column.cell >= def.fields.size())
            values << row.cells[column.cell].integer;
        else
            values << store::cellValue(row, column.cell, column.type);
    }
    return values;
}

QVariantList Table::Private::identityOf(const store::Row &row) const
{
    QVariantList values;
    for (int cell : identityCells) {
        if (cell >= def.fields.size())
            values << row.cells[cell].integer;
        else
            values << store::cellValue(row, cell, def.fields[cell].type);
    }
    return values;
}

QString Table::Private::identityText(const QVariantList &identity) const
{
    QStringList parts;
    for (int i = 0; i < identity.size(); ++i) {
        const int cell = identityCells.value(i, -1);
        if (cell >= 0 && cell < def.fields.size())
            parts << detail::fieldText(def.fields[cell], identity[i]);
        else
            parts << identity[i].toString();
    }
    return parts.join(QLatin1Char(';'));
}

QVariant Table::Private::convertKeyValue(int cell, const QVariant &value) const
{
    if (cell >= def.fields.size())
        return value.toLongLong();
    const FieldDef &field = def.fields[cell];
    QVariant typed = detail::toFieldValue(field, value);
    // Key text fields hold '' rather than null (a key part may not be null).
    if (isNullValue(typed) && field.type == FieldType::Alpha && store::isKeyField(def, cell))
        typed = QString(QLatin1String(""));
    return typed;
}

namespace {

// The end of the field's range the value lies beyond, for an integer field
// and a number outside its range; nothing otherwise.
std::optional<qint64> rangeEndBeyond(const FieldDef &field, const QVariant &value)
{
    if (field.type != FieldType::Short && field.type != FieldType::Long && field.type != FieldType::AutoInc)
        return std::nullopt;
    std::optional<double> number;
    const store::StoredKind kind = store::storedKind(value);
    if (value.typeId() == QMetaType::QString)
        number = parseNumber(value.toString().trimmed());
    else if (value.typeId() != QMetaType::Bool && (kind == store::StoredKind::Integer || kind == store::StoredKind::Real))
        number = value.toDouble();
    const double lowest = field.type == FieldType::Short ? -32768.0 : -2147483648.0;
    const double highest = field.type == FieldType::Short ? 32767.0 : 2147483647.0;
    if (!number || (*number >= lowest && *number <= highest))
        return std::nullopt;
    return qint64(*number < lowest ? lowest : highest);
}

} // namespace

bool Table::Private::keyBeyondRange(const QVariantList &values) const
{
    for (int i = 0; i < values.size() && i < order.size(); ++i) {
        if (order[i].cell < def.fields.size() && rangeEndBeyond(def.fields[order[i].cell], values[i]))
            return true;
    }
    return false;
}

QVariantList Table::Private::clampedKeyValues(const QVariantList &values) const
{
    QVariantList result = values;
    for (int i = 0; i < result.size() && i < order.size(); ++i) {
        if (order[i].cell >= def.fields.size())
            continue;
        if (const std::optional<qint64> end = rangeEndBeyond(def.fields[order[i].cell], result[i]))
            result[i] = *end;
    }
    return result;
}

QVariantList Table::Private::convertKeyValues(const QVariantList &values) const
{
    if (values.size() > order.size())
        throw DatabaseError(QStringLiteral("Zu viele Schlüsselwerte für die Tabelle %1.").arg(storeName));
    QVariantList result;
    for (int i = 0; i < values.size(); ++i)
        result << convertKeyValue(order[i].cell, values[i]);
    return result;
}

} // namespace db
