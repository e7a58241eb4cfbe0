#pragma once

#include <QString>
#include <QStringList>

class RadioGroup;

namespace masterdata {

class Stammformular;

// "Sortieren nach:" on a master's card: the list's order chosen by the clerk
// and kept per workstation in "Razazu.ini" under the master's key.
struct Sortierwahl
{
    QString schluessel;       // the INI key: "WarenNr", "Artikel"
    QStringList eintraege;    // the radio items
    QStringList ordnungen;    // the order of each item (index name or field list)
};

// The stored choice, 0 when absent or out of range.
int StammSortRead(const Sortierwahl &wahl);
void StammSortWrite(const Sortierwahl &wahl, int eintrag);
// The order the stored choice gives: the master opens its list in it.
QString gespeicherteOrdnung(const Sortierwahl &wahl);

// Puts the radio group "Sortieren nach:" (RadioGroup1) on the card, selects
// the stored choice and stores it back. Choosing an item stores it, orders
// Table1 by it and goes to the first record.
RadioGroup *sortierwahlEinrichten(Stammformular &form, const Sortierwahl &wahl);

} // namespace masterdata
