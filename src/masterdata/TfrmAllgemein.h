#pragma once

#include "platform/ui/Form.h"

class TSR_dbGrid;

namespace ui {
class SpeedButton;
}

// "Übernahme": the generic chooser among several records. The caller gives
// the grid a data source (and columns), shows it modally and on modal
// result 1 reads the dataset's current record. "Übernehmen", Enter and a
// double click close with 1, "Abbrechen" and Esc with 2.
class TfrmAllgemein : public ui::Form
{
    Q_OBJECT
public:
    explicit TfrmAllgemein(QWidget *parent = nullptr);

    TSR_dbGrid *DBGrid1;
    ui::SpeedButton *SpeedButton1;   // "Abbrechen"
    ui::SpeedButton *SpeedButton2;   // "Übernehmen"
};
