#pragma once

#include "common/Beleghaken.h"

// What the CMR does beyond its declaration: the head of the paper form on
// the entry form, the issue date of a new note, and its print.
class CmrHaken : public Beleghaken
{
public:
    void nachNeu(TfrmRegie &regie) override;
    void eingabeformularGebaut(Belegformular &formular) override;
    void druckformularZeigen(TfrmRegie &regie, int belegNr) override;
};
