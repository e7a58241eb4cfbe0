#pragma once

#include "platform/ui/Form.h"

class QPushButton;
class TSR_dbGrid;

namespace db {
class DataSource;
}

// "Felder Justieren": the per-field offsets of one form's row of
// S_FelderJust, in a grid whose columns are titled after the fields of the
// IMO or the shipper's declaration. "OK" stores what was typed, "Abbrechen"
// (and closing the window) discards it.
class TfrmFelderJustieren : public ui::Form
{
    Q_OBJECT
public:
    // seitenname: the page kind the print-settings editor stands on.
    TfrmFelderJustieren(const QString &seitenname, db::DataSource *quelle, QWidget *parent = nullptr);

    TSR_dbGrid *DBGrid1;
    QPushButton *btnAbbrechen;
    QPushButton *btnOK;

    // The titles of the fields 1 to 25 of a form (empty: unknown form). An
    // empty title still has its columns; a form with fewer fields has fewer.
    static QStringList feldnamen(const QString &seitenname);

protected:
    void formClose(int modalResult) override;

private:
    void okClick();
};
