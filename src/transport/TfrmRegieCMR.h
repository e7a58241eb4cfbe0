#pragma once

#include "common/TfrmRegie.h"
#include "transport/Cmr.h"

// "Regiezentrum : CMR-Frachtbrief", the register of CMR consignment notes.
using TfrmRegieCMR = Familienregister<CmrFrachtbrief>;

// Opens the note of that number in its entry form without showing the
// register; a number without a note shows nothing.
inline void BelegBearbeitenCMR(int belegNr)
{
    TfrmRegie::belegBearbeiten<TfrmRegieCMR>(belegNr);
}
