#pragma once

#include "Tagprotokoll.h"

#include "platform/ui/DataGrid.h"
#include "platform/ui/Form.h"

#include <QList>
#include <QSize>
#include <QString>
#include <functional>
#include <memory>

class TSR_dbGrid;

namespace db {
class DataSource;
class Table;
}
namespace ui {
class SpeedButton;
}

namespace masterdata {

// Which keys move a selection dialog's list by their character.
enum class Tippsuche {
    BuchstabenZiffern,   // '0'-'9', 'A'-'Z', 'a'-'z'; other keys do nothing
    JedeTaste,           // every printable key but Enter and Esc
};

// Everything one selection dialog (picker) is: the engine (Auswahldialog)
// builds the dialog from it. The code tables, countries, goods numbers and
// package kinds are picked through it.
struct Auswahldeklaration
{
    QString name;            // object name: "frmVerzw_e"
    QString titel;           // caption: "Auswahl: VerkehrszweigeTabelle"
    QString tabelle;         // "S_VERKZG", over its own copy of the table
    QString ordnung;         // order at opening: index name or field list
    QString suchIndex;       // the type-ahead's index: "iBez"
    Tippsuche tasten = Tippsuche::BuchstabenZiffern;
    QList<ui::GridColumn> spalten;
    QList<TagZiel> tagZiele;   // the Tag protocol; empty: none
    // Rows whose logical field of this name is true are drawn red, the
    // others blue; empty: the grid's own colours.
    QString roteZeilen = {};
    QSize groesse = {420, 300};
    bool festeGroesse = false;
};

// A modal selection dialog over one master table: a read-only list in the
// declared order, a typed character moves it to the first row at or after
// that single character (typed characters do not add up), "Übernehmen"
// (Enter, double click) closes with modal result 1, "Abbrechen" (Esc) with
// 2. The caller reads Table1's current row on 1 before freeing the dialog.
class Auswahldialog : public ui::Form
{
    Q_OBJECT
public:
    explicit Auswahldialog(Auswahldeklaration deklaration, QWidget *parent = nullptr);
    ~Auswahldialog() override;

    const Auswahldeklaration &deklaration() const { return deklaration_; }

    db::Table *Table1;
    db::DataSource *DataSource1;
    TSR_dbGrid *DBGrid1;
    ui::SpeedButton *SpeedButton1;   // "Abbrechen"
    ui::SpeedButton *SpeedButton2;   // "Übernehmen"
    // Set by an entry form before showing: "Übernehmen" then writes the
    // chosen row into that form's boxes (Auswahldeklaration::tagZiele).
    int Tag = 0;

    void Uebernehmen();
    void Abbrechen();
    // Switches to the type-ahead index and goes to the first row at or after
    // the character.
    void Tippsuche(QChar zeichen);

    // Shows the dialog modally; the field of the chosen row, or empty when
    // it ended otherwise.
    QString waehle(const QString &feld);

private:
    bool tasteGedrueckt(QKeyEvent *event);

    Auswahldeklaration deklaration_;
};

// Runs a freshly made dialog to its end and returns the field of the chosen
// row, or empty; the dialog is freed in every case. vorbereiten (may be
// empty) positions the table first.
QString auswahlErgebnis(std::unique_ptr<Auswahldialog> dialog, const QString &feld,
                        const std::function<void(db::Table &)> &vorbereiten = {});

} // namespace masterdata
