#pragma once

#include "platform/ui/Form.h"

#include <QDate>

class QCalendarWidget;
class QLabel;
class QLineEdit;
class QPushButton;

// "Datum und Zeit auswählen": a month calendar and a time edit ("hh:mm").
class TfrmDateTime : public ui::Form
{
    Q_OBJECT
public:
    explicit TfrmDateTime(QWidget *parent = nullptr);

    QLabel *Label1;
    QCalendarWidget *MonthCalendar1;
    QLabel *Label2;
    QLineEdit *MaskEdit1;
    QPushButton *btnAbbruch;
    QPushButton *btnUebernehmen;

    // The picker on a date (not preset when it is invalid); on "Übernehmen"
    // the text becomes the date as "YYYYMMDD", otherwise empty.
    static void WaehleDatum(QString &text, const QDate &datum);
    // The picker on a date "dd.mm.yyyy" and a time "hh:mm" (neither preset
    // when empty, "0", or no valid date); on "Übernehmen" the texts become
    // the chosen date "dd.mm.yyyy" and the time edit's text and the answer
    // is true, otherwise both become "0" and the answer is false.
    static bool WaehleDatumZeit(QString &datumText, QString &zeitText);
};

void AuswahlDatum(QString &text, const QDate &datum);
bool AuswahlDatumZeit(QString &datumText, QString &zeitText);
