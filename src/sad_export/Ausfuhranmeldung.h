#pragma once

#include "common/Belegart.h"

#include <QLatin1String>

// The export declaration on the single administrative document: headers in
// EINHEIT, items in EINFOLG, numbered through VorschlagNr_1_1.
const Belegart &Ausfuhranmeldung();

// Its entry form, item form and checks as data. The control names are part
// of the interface: the fixed-field list Memo_1 and the pickers writing by
// Tag name them.
QList<Eingabefeld> EinheitFelder();
QList<Auswahlbindung> EinheitAuswahlen();
QList<Eingabefeld> PositionFelder();
QList<Auswahlbindung> PositionAuswahlen();
// The box-44 panel of the item form, hidden for the first item of an
// ordinary declaration.
QString Feld44Kasten();
Pruefung PruefungEinheitspapier();
Pruefung PruefungPosition();

// Its pre-stamper lists in the program folder: the boxes left unprinted and
// the boxes printed in advance, which the print reads.
inline constexpr QLatin1String VorabUnbedrucktAE("Vorab.KD0");
inline constexpr QLatin1String VorabBedrucktAE("Vorab.KD1");

// Creates those of the two lists that are missing in programmOrdner, empty.
void VorablistenAEAnlegen(const QString &programmOrdner);
