#pragma once

#include "common/Beleghaken.h"

// What the export declaration does at the register's named points.
class AusfuhranmeldungHaken : public Beleghaken
{
public:
    void druckformularZeigen(TfrmRegie &regie, int belegNr) override;
};
