#pragma once

namespace transport {

// Registers the CMR's own lookups with the entry forms' lookup registry:
// "AuswahlSpediteur" (the forwarders, Name1 to Name5) and
// "AuswahlWarennummer" (the small goods-number picker, waren).
void auswahlenAnmelden();

} // namespace transport
