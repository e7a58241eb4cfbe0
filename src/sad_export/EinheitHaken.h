#pragma once

#include "common/Beleghaken.h"

// What the export declaration does beyond its declaration: the register's
// list export, the entry form's box-14 pop-ups, "&Wechseln", the box-17a
// type-ahead and the box-44 statement flag, the counters of boxes 3 and 5,
// the item form's box-44 panel and RET-EXP colouring, and its print.
class EinheitHaken : public Beleghaken
{
public:
    void registerGebaut(TfrmRegie &regie) override;
    void eingabeformularGebaut(Belegformular &formular) override;
    void positionsformularGebaut(Positionsformular &formular) override;
    void positionenGeaendert(Belegformular &formular) override;
    void druckformularZeigen(TfrmRegie &regie, int belegNr) override;
};

// "&Wechseln" of the entry form: the declaration under its number in another
// family. Only the families built so far are offered, none from the master
// record.
void WechselnMenueBauen(Belegformular &formular);
