#pragma once

#include "common/Beleghaken.h"
#include "common/Belegformular.h"

// "CMR-Frachtbrief", the entry form of one CMR consignment note on the
// register's tables: the boxes of the paper form, the lines of goods with
// their buttons, customers and forwarders taken over by F9, the fixed fields
// of the master record (F6), "&Drucken" and "&Schließen".
class TfrmCmr : public Belegformular
{
    Q_OBJECT
public:
    // On the register's current note; status goes into panel 1.
    TfrmCmr(TfrmRegie &regie, const QString &status, QWidget *parent = nullptr);
    ~TfrmCmr() override;

    // The check of required boxes (with Plausi_10 on); true: go on.
    bool PlausiPruef();
    bool belegPruefen() override { return PlausiPruef(); }

    // The line buttons: first, prior, next, last, insert, delete, edit.
    QList<ui::SpeedButton *> navigator;
};

// The open CMR entry form, while it exists.
extern TfrmCmr *frmCmr;

// The CMR's hooks: its entry form, its print, and the issue date of a new note.
class CmrHaken : public Beleghaken
{
public:
    void eingabeformularZeigen(TfrmRegie &regie, const QString &status) override;
    void druckformularZeigen(TfrmRegie &regie, int belegNr) override;
    void nachNeu(TfrmRegie &regie) override;
};

QList<Eingabefeld> CmrFelder();
QList<Auswahlbindung> CmrAuswahlen();
const Pruefung &CmrPruefung();
