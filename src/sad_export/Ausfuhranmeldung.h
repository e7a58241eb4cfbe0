#pragma once

#include "common/Belegart.h"

#include <QLatin1String>

// The export declaration on the single administrative document: headers in
// EINHEIT, items in EINFOLG, numbered through VorschlagNr_1_1.
const Belegart &Ausfuhranmeldung();

// Its pre-stamper lists in the program folder: the boxes left unprinted and
// the boxes printed in advance, which the print reads.
inline constexpr QLatin1String VorabUnbedrucktAE("Vorab.KD0");
inline constexpr QLatin1String VorabBedrucktAE("Vorab.KD1");

// Creates those of the two lists that are missing in programmOrdner, empty.
void VorablistenAEAnlegen(const QString &programmOrdner);
