#pragma once

namespace masterdata {

// Registers the master-data selection dialogs under the lookup names the
// entry forms bind to ("AuswahlLand", "AuswahlKunde", "AuswahlWarenNr", "AuswahlSpediteur", ...).
void eingabeauswahlenAnmelden();

} // namespace masterdata
