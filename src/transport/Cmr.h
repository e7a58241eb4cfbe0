#pragma once

#include "common/Belegart.h"

// The CMR consignment note: headers in CMR, lines of goods in Cmrfolg,
// numbered through VorschlagNr_10.
const Belegart &CmrFrachtbrief();

// Its entry form and line form as data (the control names are stored in
// Memo_10, the fixed fields, so they stay as they are), and its check.
QList<Eingabefeld> CmrFelder();
QList<Auswahlbindung> CmrAuswahlen();
QList<Eingabefeld> CmrPositionFelder();
QList<Auswahlbindung> CmrPositionAuswahlen();
Pruefung CmrPruefung();
