#pragma once

#include "platform/ui/Form.h"

#include <QDate>

class QCalendarWidget;
class QLabel;

namespace ui {
class SpeedButton;
}

// "Datum auswählen": a month calendar with month and year buttons, through
// which documents pick a reference month. "OK" (Enter, double click)
// closes with modal result 1, "Abbruch" (Esc) with 2.
class TBrDateForm : public ui::Form
{
    Q_OBJECT
public:
    explicit TBrDateForm(QWidget *parent = nullptr);

    QCalendarWidget *Calendar1;
    QLabel *TitleLabel;
    ui::SpeedButton *PrevMonthBtn;
    ui::SpeedButton *SpeedButton3;   // previous year
    ui::SpeedButton *SpeedButton4;   // next year
    ui::SpeedButton *NextMonthBtn;
    ui::SpeedButton *SpeedButton2;   // "OK"
    ui::SpeedButton *SpeedButton1;   // "Abbruch"

    QDate datum() const;
    void setDatum(const QDate &datum);

    void VorherigerMonat();
    void NaechsterMonat();
    void VorherigesJahr();
    void NaechstesJahr();

private:
    void titelZeigen();
};

// The same day one year on or back; 29 February becomes 28 February.
QDate umJahreVerschoben(const QDate &datum, int jahre);
