#pragma once

#include "platform/db/TableDef.h"

// S_ARTIST.DB, the articles: number, goods number, six description lines in
// each of the five document languages, price, net mass, country of origin
// and whether the article qualifies for preference.
db::TableDef Tabelle_S_ARTIST();
