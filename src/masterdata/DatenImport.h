#pragma once

class QAction;

namespace masterdata {

class Stammformular;

// "Daten-&Import" in the menu of a master that imports, before "Sc&hließen".
// Until the master-data import exists the item says so and changes nothing.
QAction *datenImportMenue(Stammformular &form);

} // namespace masterdata
