#pragma once

#include "platform/ui/DataGrid.h"
#include "platform/ui/Form.h"

#include <QList>
#include <QSize>
#include <QString>

class QPushButton;
class TSR_dbGrid;

namespace db {
class DataSource;
class Table;
}

namespace masterdata {

// A small picker over its own copy of a master table.
struct Auswahldeklaration
{
    QString name;                 // object name: "frmWare_e"
    QString titel;                // "Auswahl: Statistische Warennummer"
    QString tabelle;
    QString ordnung;              // index at creation
    QList<ui::GridColumn> spalten;
    // A typed character moves to the first row whose field of this index
    // is at or after that single character.
    QString suchIndex;
    QSize groesse = {480, 360};
};

// The picker: a read-only grid with "Abbrechen" (modal result 2) and
// "Übernehmen" (modal result 1). Enter takes the highlighted row, Esc
// cancels, a double click takes the row; any other character positions
// anew on itself, typed characters do not add up. On modal result 1 the
// caller reads Table1's current row before freeing the picker.
class Auswahldialog : public ui::Form
{
    Q_OBJECT
public:
    explicit Auswahldialog(Auswahldeklaration deklaration, QWidget *parent = nullptr);
    ~Auswahldialog() override;

    db::Table *Table1;
    db::DataSource *DataSource1;
    TSR_dbGrid *DBGrid1;
    QPushButton *bbtAbbruch;
    QPushButton *bbtUebernehmen;

private:
    bool tasteGedrueckt(QKeyEvent *event);

    Auswahldeklaration deklaration_;
};

} // namespace masterdata
