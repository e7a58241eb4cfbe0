#pragma once

#include <QString>
#include <functional>

namespace db {
class Table;
}

// Record locks as the registers meet them. The real record lock is the data
// layer's (platform/db/Locks.h), which keeps other workstations off a record
// while it is edited; the three hooks below are no-ops the registers call.

// Just before a document's entry form is shown.
void DatensatzSperren(const QString &tabelle, const QString &belegNr);
// After the entry form has closed.
void DatensatzFreigeben(const QString &tabelle, const QString &belegNr);
// Before editing, copying and printing, and for each document of a range
// deletion; a document is never locked this way.
bool IstDatensatzGesperrt(const QString &tabelle, const QString &belegNr);

// Changes the current record of a table that several workstations change in
// turn (the parameter record S_PARAME) in one short transaction: read as the
// store holds it now, changed, written, and left in browse state. While
// another workstation edits the record it waits as a write waits for the
// store's locks; should it stay busy, the clerk gets the store's lock message
// and the answer is false, with nothing changed.
bool DatensatzKurzAendern(db::Table &tabelle, const std::function<void(db::Table &)> &aendern);
