#pragma once

#include "platform/db/TableDef.h"

// The lines of goods of the CMR consignment notes (boxes 6 to 12), keyed by
// the note's number and the line number 1, 2, ... without gaps.
db::TableDef Tabelle_Cmrfolg();
