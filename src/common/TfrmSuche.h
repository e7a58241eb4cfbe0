#pragma once

#include "common/Suchkriterium.h"
#include "platform/ui/Form.h"

#include <QList>
#include <functional>

class QLineEdit;
class RadioGroup;
class TSR_dbGrid;

namespace db {
class DataSource;
class Table;
}
namespace ui {
class SpeedButton;
}

// "Stammdaten-Suche": filters a register's or master-data form's list by a
// criterion its caller defines. The dialog knows no table: the caller points
// the grid at its data source, adds the criteria and sets onSuchen, which
// filters the caller's table by the text of Edit1 and the chosen criterion.
class TfrmSuche : public ui::Form
{
    Q_OBJECT
public:
    explicit TfrmSuche(QWidget *parent = nullptr);

    TSR_dbGrid *DBGrid1;
    RadioGroup *RadioGroup1;        // "Suche nach:", items from the caller
    QLineEdit *Edit1;
    ui::SpeedButton *SpeedButton1;  // "Übernehmen"
    ui::SpeedButton *SpeedButton2;  // "Abbruch"
    ui::SpeedButton *SpeedButton3;  // "Suchen"

    // The click of "Suchen" (Enter in Edit1 as well).
    std::function<void(TfrmSuche &dialog)> onSuchen;

private:
    void textGeaendert();
};

// The filter condition a criterion makes of a typed text, the text quoted as
// the filter syntax wants it (an apostrophe in a name stays a letter).
QString suchFilter(const Suchkriterium &kriterium, const QString &text);
// A text as a quoted literal of a filter expression.
QString filterLiteral(const QString &text);

// What "Suchen" does to the caller's table: filters it by the condition,
// within the filter it had before (alterFilter, where warGefiltert), and
// goes to the first record found. The table reads once, and its controls
// show the result once, not each step of the change.
void suchfilterSetzen(db::Table &tabelle, const QString &bedingung, const QString &alterFilter, bool warGefiltert);

// The whole search as the registers run it: the dialog over the caller's
// data source, the chosen criterion filtering the table within a filter the
// table already had, which is back afterwards. The table filters without
// regard to case from then on. "Übernehmen" leaves the table on the chosen
// record. Returns whether the clerk took a record.
bool StammdatenSuchen(db::Table &tabelle, db::DataSource &quelle, const QList<Suchkriterium> &kriterien,
                      QWidget *parent = nullptr);
