#pragma once

#include "common/Belegart.h"

// The export declaration on the single administrative document: headers in
// EINHEIT, items in EINFOLG, numbered through VorschlagNr_1_1.
const Belegart &Ausfuhranmeldung();
