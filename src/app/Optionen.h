#pragma once

#include "platform/ui/Form.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;

class TfrmMain;

// The options dialog "Optionen". "&OK" takes the values into the main
// window (which writes them when it closes); font and colour changes take
// effect at once, however the dialog is closed.
class TfrmOptionen : public ui::Form
{
    Q_OBJECT
public:
    explicit TfrmOptionen(TfrmMain &main, QWidget *parent = nullptr);

    // The entries of the "Farben" list, in their order.
    enum Eintrag { EingabeFelder, FormularAnzeige, StammdatenAnzeige, Hintergrund, Ausdruck };

    QTabWidget *PageControl1;
    // "Allgemein"
    QCheckBox *cbAutomatischAnmelden;
    QComboBox *cbbxAnmeldeNamen;
    QCheckBox *cbBestaetigung;
    QCheckBox *cbXPThemes;
    // "Farben"
    QListWidget *lbFarben;
    QGroupBox *gbBeispiel;
    QLineEdit *edBeispiel;
    QLabel *lblFormularAnzeige;
    QLabel *lblStammdatenAnzeige;
    QPushButton *btnSchriftart;
    QPushButton *btnFarbe;
    // "Zollanmeldung"
    QCheckBox *cbAbgabensatz;
    QCheckBox *cbStatistischerWert;
    QCheckBox *cbRechnungsWert;
    // "Ausfuhranmeldung"
    QLineEdit *edZollamt1;
    QLineEdit *edZollamt2;
    QLineEdit *edZollamtAn1;
    QLineEdit *edZollamtAn2;
    QLineEdit *edZollamtNr;
    QCheckBox *cbAEFeld33Focus;
    // "Intrastat"
    QCheckBox *cbIntraUebernahme;
    QLineEdit *edIntraVerfahren;
    QPushButton *btnIntraVerfahren;
    QCheckBox *cbIntraArtUebernahme;
    QLineEdit *edIntraArt;
    QPushButton *btnIntraArt;
    // "Atlas"
    QLineEdit *edAtlasKundenNr;

    QPushButton *btnOK;

    // The picker buttons of "Intrastat": the procedure from the box-37
    // procedure codes, the business type from the business types.
    void IntraVerfahrenWaehlen();
    void IntraArtWaehlen();

private:
    void OptionenAnzeigen();
    void OptionenUebernehmen();
    void EintragGewaehlt(int eintrag);
    void SchriftartAendern();
    void FarbeAendern();
    void BeispielZeigen();

    TfrmMain &main_;
};
