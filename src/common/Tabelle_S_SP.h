#pragma once

#include "platform/db/TableDef.h"

#include <QString>

// S_SP.DB in the data directory: the fixed captions of the order print, one
// row per caption keyed by Bezeichnung, one column per print language. The
// rows come with the data directory; no form adds or deletes any.
db::TableDef Tabelle_S_SP();

// The column of S_SP holding the captions for an order's language letter
// (D, E, F, P, S, in any case): "a", "d", "e", "f", "s"; empty for any
// other letter. The translations form titles the columns by the same rule.
QString S_SP_Spalte(const QString &sprachkennzeichen);
