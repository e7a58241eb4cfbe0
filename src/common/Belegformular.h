#pragma once

#include "common/EingabePositionen.h"
#include "common/Eingabeformular.h"
#include "common/TfrmRegie.h"

class QAction;

// The entry form of one document of a family, built from the family's
// declaration on its register's tables: the field table's controls bound to
// the header, lines and parameter record, the document in status panel 1,
// the fixed fields (F6 in the master record), the main menu "&Drucken"
// (post, the check, the family's print) and "&Schließen", the check of
// required boxes before closing, and where the family has lines the line
// grid with its seven buttons (first, prior, next, last, add, delete, edit;
// Enter and a double click in the grid edit) and the line form behind them.
// What is the family's own it adds through its hooks, once the form is built.
class Belegformular : public Eingabeformular
{
    Q_OBJECT
public:
    // On the register's current document; status goes into panel 1.
    Belegformular(TfrmRegie &regie, const QString &status, QWidget *parent = nullptr);

    TfrmRegie &regie() { return regie_; }
    const Belegart &art() const { return regie_.art(); }
    EingabePositionen &positionen() { return positionen_; }
    const QString &status() const { return status_; }

    // The family's plausibility switch in S_PARAME is on.
    bool pruefungAn();
    // The check of required boxes; true: closing or printing goes on.
    bool belegPruefen();
    // "&Drucken": post, check, then the family's print.
    void Drucken();

    QAction *Drucken1;
    QAction *Schliessen1;

protected:
    bool closeQuery() override { return belegPruefen(); }

private:
    void positionsKnoepfeBauen();
    void positionsNavigation();

    TfrmRegie &regie_;
    EingabePositionen positionen_;
    QString status_;
    QList<ui::SpeedButton *> navigation_;
};
