#pragma once

#include "common/Beleghaken.h"
#include "common/Belegformular.h"

class QMenu;

// "Ausfuhranmeldung", the entry form of one export declaration, laid out box
// by box like the single administrative document, on the register's tables:
// the header boxes, the items with their buttons, the lookups, the fixed
// fields of the master record (F6), "&Wechseln" (the declaration becomes a
// document of another family), "&Drucken" and "&Schließen". Pickers write
// into its boxes by control name through the open entry forms ("frmEinheit").
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

    // "&Wechseln": the declaration under its number in another family. Only
    // the families built so far are offered, and none from the master record.
    QMenu *Wechseln1;
    QMenu *RazazuPapiere1;
    QAction *EP7;      // "&AT. R."
    QAction *EP2;      // "EUR &1"
    QAction *EP3;      // "EUR &2", hidden
    QAction *EP4;      // "&Ursprngszeugnis"
    QAction *EP6;      // "&Versandanmeldung T1, T2"
    QMenu *VersandPapiere1;
    QAction *VP3;      // "&CMR - Frachtbrief"
    QAction *VP11;     // "&DHL"
    QAction *VP5;      // "&Packliste"
    QAction *VP6;      // "Paket&karte"
    QAction *VP8;      // "TNT - &Express Inland"
    QAction *VP9;      // "TNT - &Worldwide"
    QAction *FedEX1;   // "FedEX"
    QAction *VP10;     // "&UPS"
    QAction *VP2;      // "&Versand- / Speditionsauftrag"

    void VP3Click();

private:
    void knoepfeBauen();
    void wechselnBauen();
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
