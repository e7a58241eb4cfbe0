#pragma once

namespace masterdata {

// Registers the master-data tables with the schema catalogue.
void tabellenAnmelden();

} // namespace masterdata
