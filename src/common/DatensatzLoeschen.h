#pragma once

namespace db {
class Table;
}

// The delete button of a list form: asks "Datensatz löschen?" and on OK
// removes the current record (a record not yet stored is dropped). An empty
// table asks nothing.
void DatensatzLoeschen(db::Table &tabelle);
