#pragma once

#include "common/TfrmRegie.h"
#include "sad_export/Ausfuhranmeldung.h"

// "Regiezentrum: Einheitspapier", the register of export declarations. It
// holds EINHEIT and EINFOLG against other workstations while it exists;
// its main menu "Liste" exports a date range of declarations.
using TfrmRegieAE = Familienregister<Ausfuhranmeldung>;

// Opens the declaration of that number in its entry form without showing
// the register; a number without a declaration shows nothing.
inline void BelegBearbeitenAE(int belegNr)
{
    TfrmRegie::belegBearbeiten<TfrmRegieAE>(belegNr);
}
