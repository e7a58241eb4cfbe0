#pragma once

#include "common/Eingabeformular.h"

class TfrmRegie;

// The form of one line of a document, built from the family's declaration on
// the register's line table as the entry form has positioned it (a new line
// inserted or the current one in edit state): its boxes, "&Schließen", the
// entry form's status with the line's position ("BelegNr: 17 (2. Position)"),
// and the family's check of its required boxes before closing.
class Positionsformular : public Eingabeformular
{
    Q_OBJECT
public:
    // status: the entry form's panel 1.
    Positionsformular(TfrmRegie &regie, const QString &status, QWidget *parent = nullptr);

    TfrmRegie &regie() { return regie_; }
    // The position of the line it shows.
    int position() const { return position_; }

    QAction *Schliessen1;

protected:
    bool closeQuery() override;

private:
    TfrmRegie &regie_;
    int position_ = 0;
};
