#pragma once

#include <QString>

class QAction;

namespace masterdata {

class Stammformular;

// What a master's import works on: the table in its key order, the tag
// that chooses the key (1, 2: the first field; 3: the first five), the
// import form's caption and the INI key of the chosen file format.
struct Importziel
{
    QString tabelle;
    QString ordnung;
    int tag = 1;
    QString titel;
    QString iniSchluessel;
};

// "Daten-&Import" in the menu of a master that imports, before the closing
// item: opens the import form on the target with the format chosen last
// (asking for one when none is kept), keeps the choice, and refreshes the
// master's list afterwards.
QAction *datenImportMenue(Stammformular &form, const Importziel &ziel);

// The same steps without the menu.
void datenImportieren(Stammformular &form, const Importziel &ziel);

} // namespace masterdata
