#pragma once

class TSR_dbGrid;

namespace ui {
class Form;
class SpeedButton;
}

namespace masterdata {

struct Auswahlknoepfe
{
    ui::SpeedButton *abbrechen;     // SpeedButton1
    ui::SpeedButton *uebernehmen;   // SpeedButton2
};

// A picker's body: its list above, below it "Abbrechen" on the left and
// "Übernehmen" on the right, framed as the appearance says; a double click
// in the list clicks "Übernehmen". The caller connects what the buttons do.
Auswahlknoepfe auswahlRahmen(ui::Form &form, TSR_dbGrid *liste);

} // namespace masterdata
