#pragma once

#include <QString>

// The seam through which every register asks before it edits, copies,
// prints or deletes a document. Documents are not locked here: while a
// record is being edited the data store itself keeps other workstations off
// it (platform/db/Locks.h), so these hooks only keep the registers'
// calls in one place for a lock of the documents' own, should one be wanted.

// Just before a document's entry form is shown.
void DatensatzSperren(const QString &tabelle, const QString &belegNr);
// After the entry form has closed.
void DatensatzFreigeben(const QString &tabelle, const QString &belegNr);
// Before editing, copying and printing, and for each document of a range
// deletion; a document is never locked this way.
bool IstDatensatzGesperrt(const QString &tabelle, const QString &belegNr);
