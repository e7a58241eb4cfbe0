#pragma once

namespace common {

// Registers the tables of the shared register services (field adjustment,
// order-print captions) with the schema catalogue, so a new data store gets
// them. Registering twice is harmless.
void registerTabellenAnmelden();

} // namespace common
