#pragma once

#include "common/Druckpositionen.h"
#include "common/Linierung.h"

// The export declaration's print as tables, constants in 0.1 mm from the
// sheet's top-left as on forms 0733 (sheet 1) and 0734 (continuation).

// Gate numbers of the free-text lines of box 44 in the pre-stamper lists.
inline constexpr int Tor44_1 = 56;
inline constexpr int Tor44_2 = 57;
inline constexpr int Tor44_3 = 58;

// Sheet 1: header and the first item, each element with its gate.
const QList<Druckposition> &ersteSeitePositionen();
// Continuation sheet: the head, and one item block (shifted by 590 for the
// second and 1180 for the third item). Values: "Nummer" (the form number),
// "Blatt" (the sheet number), "44_1" .. "44_5" (the item's box-44 lines).
const QList<Druckposition> &folgeseiteKopf();
const QList<Druckposition> &folgeseitePosition();

// Blank paper: sheet 1 of copy j of the set (1..4; another j draws no copy
// captions), without the customs-office stamp; the continuation sheet of
// copy j without its item blocks' data; the back page with box E; the back
// page with the instructions.
const Linierung &ersteSeiteFormular(int kopie);
const Linierung &folgeseiteFormular(int kopie);
const Linierung &rueckseiteFormular();
const Linierung &anleitungFormular();
