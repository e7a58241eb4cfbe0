#pragma once

namespace app {

// Registers this folder's tables with the schema catalogue.
void tabellenAnmelden();

} // namespace app

// Registers every table of the program with the schema catalogue: the
// start-up, the set-up of a new installation and the tests call it.
void alleTabellenAnmelden();
