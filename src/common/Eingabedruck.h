#pragma once

#include <QString>
#include <functional>

class QWidget;
struct Belegart;

// The print of a document family, as its register's and its entry form's
// "&Drucken" call it: the print engine registers each family's print form
// here, by the family's header table, when it is built.
using Belegdruck = std::function<void(QWidget *parent, int belegNr)>;

// Registers (or replaces) the family's print; an empty function removes it.
void belegdruckRegistrieren(const Belegart &art, Belegdruck druck);
// Prints the document through the family's registered print; without one the
// clerk is told that the print is not there yet.
void belegDrucken(const Belegart &art, QWidget *parent, int belegNr);
