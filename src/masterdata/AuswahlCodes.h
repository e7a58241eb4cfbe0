#pragma once

#include <QString>

// One-call lookups into the code tables and the countries: each shows its
// selection dialog and writes the choice into its text argument; true when
// something was chosen, false (the argument empty) on cancel.

// The chosen country's field ("Lkz", "Waehrung"), starting on the country
// whose field equals start.
bool AuswahlLand(const QString &feld, QString &wert, const QString &start);
bool AuswahlGeschaeftsart(QString &code);
// Starts on the state of the code it is given.
bool AuswahlBundesland(QString &code);
bool AuswahlLieferbedingung(QString &code);
bool AuswahlVerkehrszweig(QString &code, const QString &start);
