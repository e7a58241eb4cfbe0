#pragma once

#include "Listenlayout.h"

#include "platform/ui/Form.h"

class QLabel;
class QProgressBar;

namespace db {
class Table;
}
namespace print {
class Canvas;
}
namespace ui {
class SpeedButton;
class StatusBar;
}

namespace masterdata {

// A master's list print: asks for the blank sheets the list needs and
// prints the table sheet by sheet on the current printer, each sheet a job
// of its own with heading, date, sheet number and frame. "Drucken" prints
// and closes the form, "Abbrechen" closes it.
class Listendruck : public ui::Form
{
    Q_OBJECT
public:
    explicit Listendruck(Listenlayout layout, QWidget *parent = nullptr);
    ~Listendruck() override;

    const Listenlayout &layout() const { return layout_; }

    QLabel *Label1;                 // the progress text
    QProgressBar *ProgressBar1;
    ui::SpeedButton *SpeedButton1;  // "Drucken"
    ui::SpeedButton *SpeedButton2;  // "Abbrechen"
    ui::StatusBar *StatusBar1;
    db::Table *Table1;
    int SeitenNr = 1;

    // Records on one sheet.
    int proBlatt() const;
    // Sheets for that many records (none for none).
    int blaetter(int datensaetze) const;
    // "Bitte legen Sie ... in den Drucker ein! " for that many sheets.
    static QString einlegeText(int blaetter);

    void Button1Click();
    void Button2Click();
    void DruckerEinrichten();

private:
    void druckerAnzeigen();
    void SeiteDrucken(print::Canvas &canvas);
    QString wert(const Listenfeld &feld);

    Listenlayout layout_;
    db::Table *nachschlag_ = nullptr;
    QList<db::Table *> nachschlaege_;   // as Listenlayout::nachschlaege
};

} // namespace masterdata
