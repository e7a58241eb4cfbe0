#pragma once

#include "common/Belegart.h"
#include "common/Belegdruck.h"
#include "common/Druckeinstellungen.h"
#include "platform/ui/Form.h"

#include <QList>
#include <memory>

class QAction;
class QGridLayout;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;
class RadioGroup;

namespace ui {
class StatusBar;
}

// The print dialog every document family shows for one document: "BelegNr.
// :" with the number, "Anzahl Kopien : " of the first page kind, the medium
// ("Ausdruck auf"), "OK" and "Abbrechen", a progress bar while printing, the
// printer in the status bar and the menu "&Drucker ..." with "...
// &einrichten" (one printer for all the family's page kinds) and "...
// &parameter einstellen" (the print settings of the page kinds beginning
// with the prefix). Enter clicks "OK", Esc "Abbrechen".
//
// The family adds its own controls to inhalt(), calls druckerPruefen() at
// the end of its constructor and prints in drucken(); "OK" shows the
// progress, runs it and closes the dialog.
class TfrmBelegdruck : public ui::Form
{
    Q_OBJECT
public:
    // medien: the captions of "Ausdruck auf" in their order (none: no choice).
    TfrmBelegdruck(const Belegart &art, QString praefix, const QStringList &medien, QWidget *parent = nullptr);
    ~TfrmBelegdruck() override;

    Druckeinstellungen &einstellungen() { return einstellungen_; }
    // Sets the number shown beside "BelegNr. :".
    void setBelegNr(qint64 belegNr);
    qint64 belegNr() const { return belegNr_; }

    QMenu *mnuDrucker;
    QAction *mnuDruckerEinrichten;
    QAction *mnuDruckerParameter;
    QLabel *lblBelegNr;
    QLabel *lblKopien;
    RadioGroup *RadioGroup2;       // "Ausdruck auf"
    QProgressBar *ProgressBar1;
    ui::StatusBar *StatusBar1;
    QPushButton *BtnOK;
    QPushButton *BtnAbbruch;

    void BtnOKClick();
    void BtnAbbruchClick();
    // The printer and the copies of the first page kind, as stored now.
    void druckerAnzeigen();
    // The progress bar over one sheet: it starts at 0, moves one of
    // `schritte` equal steps with each fortschrittSchritt() (or to the next
    // of the given per-cent marks) and stands at 100 when the sheet is done.
    // A sheet drawn inside another (the data of a form drawn on blank paper)
    // takes its steps from the outer one.
    class Blattfortschritt
    {
    public:
        Blattfortschritt(TfrmBelegdruck &dialog, int schritte);
        Blattfortschritt(TfrmBelegdruck &dialog, QList<int> marken);
        ~Blattfortschritt();
        Blattfortschritt(const Blattfortschritt &) = delete;
        Blattfortschritt &operator=(const Blattfortschritt &) = delete;

    private:
        TfrmBelegdruck &dialog_;
        bool aussen_;
    };
    void fortschrittSchritt();

protected:
    // Where the family's controls go, above the buttons.
    QGridLayout *inhalt() const { return inhalt_; }
    // The run behind "OK"; the dialog closes after it unless it answers
    // false (input the clerk is to correct).
    virtual bool drucken() = 0;
    // Opens the print-settings rows and, when the first page kind has no
    // printer, asks for one (the set-up, or the editor where the family
    // declares it); the family calls it once its rows are in order.
    void druckerPruefen();
    void keyPressEvent(QKeyEvent *event) override;
    // The jobs of the running print ("Abbrechen" drops an open one).
    Druckauftraege *laufendeAuftraege_ = nullptr;

private:
    Druckeinstellungen einstellungen_;
    QString praefix_;
    bool ohneDruckerEditor_;
    bool blattLaeuft_ = false;
    QList<int> marken_{100};
    int getan_ = 0;
    QGridLayout *inhalt_;
    qint64 belegNr_ = 0;
};

// The register's and the entry form's "&Drucken": the family's print dialog
// titled with the number, shown only when its own copy of the header table
// finds the document.
template<typename Dialog>
void belegdruckZeigen(const Belegart &art, qint64 belegNr, QWidget *parent)
{
    Dialog dialog(parent);
    dialog.setWindowTitle(art.regie.druckTitel + QString::number(belegNr));
    if (dialog.belegSuchen(belegNr))
        dialog.showModal();
}
