#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <vector>

namespace db {

class Database;
class Table;
struct TableDef;

enum class BatchMode {
    Append,        // add the source rows to the destination
    Update,        // replace destination rows with matching keys
    AppendUpdate,  // both
    Copy,          // replace the destination table by one of the source's layout
    Delete,        // delete destination rows with matching keys
};

// Copies the rows of source (from its current position's first record, in
// its order, honouring range and filter) into destinationTable of the
// destination alias, field by field by name, in one transaction. Returns the
// rows moved.
int batchMove(Table &source, Database &destination, const QString &destinationTable,
              BatchMode mode);

// The same for rows handed over one at a time, as a file reader streams
// them: nextRow fills its argument with the next row's values in the order
// of sourceLayout's fields, typed as Field::value() gives them (an invalid
// QVariant for null), and returns false after the last. The same conversion,
// modes and errors as the move from a table; an exception from nextRow rolls
// the whole move back. A copy gets sourceLayout's fields and key.
int batchMove(const TableDef &sourceLayout, const std::function<bool(QVariantList &)> &nextRow,
              Database &destination, const QString &destinationTable, BatchMode mode);

// Adds rows of values (in the order of columns; an invalid QVariant for
// null) to the table as they are, in one transaction: no field conversion,
// no record locks, no events. For filling a table that holds another
// file's data.
void appendRows(Database &database, const QString &tableName, const QStringList &columns,
                const std::vector<QVariantList> &rows);

} // namespace db
