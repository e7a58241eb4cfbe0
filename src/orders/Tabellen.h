#pragma once

namespace orders {

// Registers the tables of this folder with the schema catalogue; calling it
// again changes nothing.
void tabellenAnmelden();

} // namespace orders
