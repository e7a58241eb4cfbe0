#pragma once

#include "common/Eingabeformular.h"

class TfrmRegie;

// "Packstücke und Warenbezeichnung": one item of an export declaration, on
// the register's item table as the entry form has positioned it (a new item
// inserted or the current one in edit state). Its lookups fill several boxes
// at once from the package kinds and the goods numbers.
class TfrmEinAnl : public Eingabeformular
{
    Q_OBJECT
public:
    // status: the entry form's panel 1 ("BelegNr: 17").
    TfrmEinAnl(TfrmRegie &regie, const QString &status, QWidget *parent = nullptr);
    ~TfrmEinAnl() override;

    QAction *Schliessen1;

protected:
    bool closeQuery() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    TfrmRegie &regie_;
};

extern TfrmEinAnl *frmEinAnl;

// "EUROPÄISCHE GEMEINSCHAFT", the head of the paper form, at its place
// above the boxes of the entry and the item form.
void gemeinschaftKopfSetzen(Eingabeformular &form, const Papierplatz &platz);

QList<Eingabefeld> PositionFelder();
// The box-44 panel, hidden for the first item of an ordinary declaration.
QString Feld44Kasten();
QList<Auswahlbindung> PositionAuswahlen();
