#pragma once

#include "TableDef.h"

#include <QString>
#include <QVariantList>
#include <functional>

namespace db {

// A WHERE condition with positional '?' parameters.
struct SqlCondition
{
    QString sql;
    QVariantList params;
};

// Parses a filter in the old engine's expression syntax into SQL with bound
// values: comparisons (= <> < > <= >=) of a field with a quoted text, a
// number or another field, 'text*' as a prefix match, and/or/not, brackets.
// Field names are matched without regard to case. Throws DatabaseError on a
// malformed expression or an unknown field.
// nocaseRanges: the store keeps case-insensitive indexes in the NOCASE
// collation (SQLite); a case-insensitive prefix then also gets a range in
// that collation, so such an index finds the rows instead of a full scan.
SqlCondition parseFilter(const QString &expression, const TableDef &table,
                         bool caseInsensitive,
                         const std::function<QString(const QString &)> &quoteIdentifier,
                         bool nocaseRanges = false);

} // namespace db
