#pragma once

#include <QString>

class Belegregister;

// The export declaration as a document of another family ("&Wechseln" of
// its entry form), under the declaration's number.

// Box 31's packages ("12 KT"): the count before the first blank, the kind
// after it (empty without a blank); an empty box counts 0.
struct Packstuecke
{
    QString anzahl;
    QString art;
};
Packstuecke PackstueckeTeilen(const QString &f31_1);

// "&CMR - Frachtbrief": the declaration the register stands on becomes the
// CMR consignment note of its number: consignee and exporter into boxes 2
// and 1, its date, and one line of goods per item (count, kind and the first
// description line; goods number; gross mass). Answers whether the note's
// entry form opened.
bool CmrAusAusfuhranmeldung(Belegregister &ausfuhr);
