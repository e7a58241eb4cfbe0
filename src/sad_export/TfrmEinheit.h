#pragma once

#include "common/Beleghaken.h"
#include "common/Belegformular.h"

class QMenu;

// "Ausfuhranmeldung", the entry form of one export declaration, laid out box
// by box like the single administrative document, on the register's tables:
// the header boxes, the items with their buttons, the lookups, the fixed
// fields of the master record (F6), "&Drucken" and "&Schließen". Pickers
// write into its boxes by control name through the open entry forms
// ("frmEinheit").
class TfrmEinheit : public Belegformular
{
    Q_OBJECT
public:
    // On the register's current declaration; status goes into panel 1.
    TfrmEinheit(TfrmRegie &regie, const QString &status, QWidget *parent = nullptr);
    ~TfrmEinheit() override;

    // The check of required boxes (with Plausi_1_1 on); true: go on.
    bool PruefeEinheitspapier();
    bool belegPruefen() override { return PruefeEinheitspapier(); }

    void PositionHinzufuegen();
    void PositionBearbeiten();
    void PositionLoeschen();
    // Boxes 3 and 5 from the number of items.
    void ZaehlerAktualisieren();

    ui::SpeedButton *sbPosErste;
    ui::SpeedButton *sbPosVorherige;
    ui::SpeedButton *sbPosNaechste;
    ui::SpeedButton *sbPosLetzte;
    ui::SpeedButton *sbPosHinzufuegen;
    ui::SpeedButton *sbPosLoeschen;
    ui::SpeedButton *sbPosBearbeiten;
    ui::SpeedButton *SpeedButton14_1;   // "[1] " .. "[3] " before box 14 line 1
    ui::SpeedButton *SpeedButton14_2;   // exporter / consignor after line 2
    QMenu *PopupMenu14_1;
    QMenu *PopupMenu14_2;

private:
    void knoepfeBauen();
    void vermerkSperreAnwenden();
    void bestimmungslandAufloesen();
    void feld14Ergaenzen(const QString &steuerelement, const QString &text, bool voran);

    bool aufloesend_ = false;
};

// The open entry form of the export declarations, while it exists.
extern TfrmEinheit *frmEinheit;

// The export declaration's hooks: "&Bearbeiten" opens TfrmEinheit.
class EinheitHaken : public Beleghaken
{
public:
    void eingabeformularZeigen(TfrmRegie &regie, const QString &status) override;
    void druckformularZeigen(TfrmRegie &regie, int belegNr) override;
};

QList<Eingabefeld> EinheitFelder();
QList<Auswahlbindung> EinheitAuswahlen();
