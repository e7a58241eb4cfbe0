#pragma once

#include <QString>
#include <functional>

// The code tables of box 37's two sub-fields belong to the export
// declaration's family, above the master data. The country form picks a
// country's default codes from them through this seam, which the program
// fills at start-up.
namespace masterdata {

// Shows the code table of the sub-field (1 or 2) for picking, on the first
// code equal to start (on the last code when none is); true and the code
// of the chosen row on "Übernehmen".
using VerfahrenscodeAuswahl = std::function<bool(int unterfeld, const QString &start, QString &code)>;

// Returns the one installed before.
VerfahrenscodeAuswahl setVerfahrenscodeAuswahl(VerfahrenscodeAuswahl auswahl);
// False without a choice (also when nothing is installed).
bool VerfahrenscodeWaehlen(int unterfeld, const QString &start, QString &code);

} // namespace masterdata
