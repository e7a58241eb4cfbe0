#pragma once

namespace common {

// Registers the tables of this folder with the schema catalogue (the
// parameter record, users, languages, the print-settings template, the field
// adjustments and the order-print captions), so a new data store gets them.
// Registering twice is harmless.
void tabellenAnmelden();

} // namespace common
