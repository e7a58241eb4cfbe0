#pragma once

namespace sad_export {

// Registers the tables of this folder with the schema catalogue; calling it
// again changes nothing.
void tabellenAnmelden();

} // namespace sad_export
