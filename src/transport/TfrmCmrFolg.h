#pragma once

#include "common/Eingabeformular.h"

class TfrmRegie;

// "CMR - Frachtbrief Positionen": one line of goods (boxes 6 to 12) of a CMR
// note, on the register's line table as the entry form has positioned it.
// Closing it stores the line.
class TfrmCmrFolg : public Eingabeformular
{
    Q_OBJECT
public:
    // status: the entry form's panel 1 ("BelegNr: 12").
    TfrmCmrFolg(TfrmRegie &regie, const QString &status, QWidget *parent = nullptr);
    ~TfrmCmrFolg() override;

    QAction *Schliessen1;
};

extern TfrmCmrFolg *frmCmrFolg;

QList<Eingabefeld> CmrPositionFelder();
QList<Auswahlbindung> CmrPositionAuswahlen();
