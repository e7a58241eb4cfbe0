#pragma once

#include "platform/ui/Form.h"

class QPushButton;
class TSR_dbGrid;
struct Seitenart;

namespace db {
class DataSource;
}

// "Felder Justieren": the per-field offsets of one form's row of
// S_FelderJust, in a grid whose columns are titled after the page kind's
// adjustable fields (a page kind without them: the table's own fields).
// "OK" stores what was typed, "Abbrechen" (and closing the window)
// discards it.
class TfrmFelderJustieren : public ui::Form
{
    Q_OBJECT
public:
    // seitenart: the page kind the print-settings editor stands on.
    TfrmFelderJustieren(const Seitenart &seitenart, db::DataSource *quelle, QWidget *parent = nullptr);

    TSR_dbGrid *DBGrid1;
    QPushButton *btnAbbrechen;
    QPushButton *btnOK;

protected:
    void formClose(int modalResult) override;

private:
    void okClick();
};
