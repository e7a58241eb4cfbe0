#pragma once

namespace transport {

// Registers the tables of this folder with the schema catalogue; calling it
// again changes nothing.
void tabellenAnmelden();

} // namespace transport
