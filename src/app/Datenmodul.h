#pragma once

#include <functional>

// The master-data module frmData1 (the type-ahead lookups) lives for the
// whole run, except that it is freed and created again around the
// reorganisation program, so that none of the program's tables is open
// while that program repairs them. Whoever creates the module installs these
// two steps; until then there is nothing to free.
struct DatenmodulSchritte
{
    std::function<void()> freigeben;
    std::function<void()> erzeugen;
};

// Returns the steps installed before.
DatenmodulSchritte setDatenmodulSchritte(DatenmodulSchritte schritte);

void DatenmodulFreigeben();
void DatenmodulErzeugen();

// Installs the master-data module's steps and creates it (after the main
// window, at start-up).
void DatenmodulEinrichten();
