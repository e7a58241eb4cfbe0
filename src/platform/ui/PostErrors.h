#pragma once

#include <QString>

namespace db {
class DatabaseError;
class Table;
}

namespace ui {

// "<the store's message>\nDaten konnten nicht gespeichert werden!"
QString postErrorText(const db::DatabaseError &error);

// A write the store refuses shows postErrorText as an error and is aborted:
// the record stays in edit or insert state and the user stays in the form.
// Post-error listeners added before it are asked first and may still mend the
// record; it answers every failure they leave, so it is added last.
void showPostErrors(db::Table &table);

} // namespace ui
