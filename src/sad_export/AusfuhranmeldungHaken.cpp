#include "sad_export/AusfuhranmeldungHaken.h"

#include "common/TfrmRegie.h"
#include "sad_export/TfrmEinheit_d.h"

void AusfuhranmeldungHaken::druckformularZeigen(TfrmRegie &regie, int belegNr)
{
    AusfuhranmeldungDrucken(belegNr, &regie);
    // The print stores the form number (AENR) through a cursor of its own.
    regie.kopf().refresh();
}
