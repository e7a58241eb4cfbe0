#pragma once

#include <QString>

// No-op lock hooks the registers call: the real record lock is the data
// layer's (platform/db/Locks.h), which keeps other workstations off a record
// while it is edited.

// Just before a document's entry form is shown.
void DatensatzSperren(const QString &tabelle, const QString &belegNr);
// After the entry form has closed.
void DatensatzFreigeben(const QString &tabelle, const QString &belegNr);
// Before editing, copying and printing, and for each document of a range
// deletion; a document is never locked this way.
bool IstDatensatzGesperrt(const QString &tabelle, const QString &belegNr);
