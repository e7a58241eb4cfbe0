#pragma once

#include <QString>

namespace db {

class Database;
class Table;

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

} // namespace db
