#pragma once

#include "common/EingabePositionen.h"
#include "common/Eingabeformular.h"
#include "common/TfrmRegie.h"
#include "platform/ui/WaitCursor.h"

#include <memory>

class QAction;

// The entry form of one document of a family, on its register's tables: the
// field table's controls bound to the header, lines and parameter record,
// the document in status panel 1, the fixed fields (F6 in the master
// record), the main menu "&Drucken" (post, the family's check, the family's
// print) and "&Schließen", the family's check before closing, and, where the
// family has lines, the line buttons over the line grid.
class Belegformular : public Eingabeformular
{
    Q_OBJECT
public:
    // A line button: its component name, caption and hint.
    struct Knopf
    {
        QString name;
        QString titel;
        QString hinweis;
    };

    Belegformular(const QString &name, const QString &titel, TfrmRegie &regie, const QString &status,
                  const QList<Eingabefeld> &felder, const QList<Auswahlbindung> &auswahlen,
                  QWidget *parent = nullptr);

    TfrmRegie &regie() { return regie_; }
    EingabePositionen &positionen() { return positionen_; }
    const QString &status() const { return status_; }

    // The family's plausibility switch in S_PARAME is on.
    bool pruefungAn();
    // The family's check of required boxes; true: closing or printing goes on.
    virtual bool belegPruefen() { return true; }
    // "&Drucken": post, check, then the family's print.
    void Drucken();

    QAction *Drucken1;
    QAction *Schliessen1;

protected:
    // The seven line buttons under the line grid, in this order: first,
    // prior, next, last, add, delete, edit; Enter and a double click in the
    // grid edit. The way back is open at the end of the lines, the way on at
    // their start.
    QList<ui::SpeedButton *> positionsKnoepfeBauen(const QList<Knopf> &knoepfe);
    bool closeQuery() override { return belegPruefen(); }

private:
    void positionsNavigation();

    TfrmRegie &regie_;
    EingabePositionen positionen_;
    QString status_;
    QList<ui::SpeedButton *> navigation_;
};

// "&Bearbeiten" of a family whose entry form is `Formular`: built under the
// hourglass, then shown modally.
template<typename Formular>
void eingabeformularModal(TfrmRegie &regie, const QString &status)
{
    std::unique_ptr<Formular> formular;
    {
        ui::WaitCursor warten;
        formular = std::make_unique<Formular>(regie, status, &regie);
    }
    formular->showModal();
}
