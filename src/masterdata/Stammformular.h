#pragma once

#include "Stammdeklaration.h"

#include "platform/db/Event.h"
#include "platform/ui/Form.h"

#include <QList>

class QAbstractButton;
class QGridLayout;
class QPainter;
class QStyleOptionViewItem;
class QTabWidget;
class TSR_dbGrid;

namespace db {
class DataSource;
class Table;
}
namespace ui {
class DataLookupComboBox;
class SpeedButton;
struct GridCell;
}

namespace masterdata {

// A master form: the master table as a read-only list (dbgrBenutzer) above
// a card of data-aware inputs, seven navigation and editing buttons, the
// search and the list print, all as its declaration says.
//
// Upkeep: the main window shows it modally and frees it. Take-over: the
// caller may open and position Table1, calls uebernahmeZeigen(), shows the
// form modally and on modal result 1 reads Table1 before freeing the form.
// A pending insert or edit is posted when the form closes; a failed post
// keeps it open. Table1 stays open until the form is freed.
class Stammformular : public ui::Form
{
    Q_OBJECT
public:
    Stammformular(Stammdeklaration deklaration, QWidget *parent = nullptr);
    ~Stammformular() override;

    const Stammdeklaration &deklaration() const { return deklaration_; }

    db::Table *Table1;
    db::DataSource *DataSource1;
    TSR_dbGrid *dbgrBenutzer;
    ui::SpeedButton *SpeedButton13;   // first
    ui::SpeedButton *SpeedButton14;   // prior
    ui::SpeedButton *SpeedButton15;   // next
    ui::SpeedButton *SpeedButton16;   // last
    ui::SpeedButton *SpeedButton17;   // add
    ui::SpeedButton *SpeedButton18;   // delete
    ui::SpeedButton *SpeedButton19;   // edit
    QTabWidget *PageControl1 = nullptr;   // with a declared Karteikarte only
    // The card's inputs in tab order; the first one is DBEdit1.
    QList<QWidget *> eingaben() const { return eingaben_; }
    // The take-over buttons (nullptr without take-over).
    QAbstractButton *uebernehmenKnopf() const { return uebernehmen_; }
    QAbstractButton *abbruchKnopf() const { return abbruch_; }
    // A card field's button (Kartenfeld::knopf) by its name, or nullptr.
    QAbstractButton *kartenKnopf(const QString &name) const;
    // The card's input bound to the field, or nullptr.
    QWidget *eingabe(const QString &feld) const;
    // The card's grid (label in column 0, input in column 1, one row per
    // input but for inputs beside the one before): a master adds its own
    // controls there.
    QGridLayout *karte() const { return karte_; }

    // Opens Table1 (and the lookup tables) unless already open; showing the
    // form does it too.
    void oeffnen();
    void uebernahmeZeigen();

    void Erster();
    void Vorheriger();
    void Naechster();
    void Letzter();
    void Hinzufuegen();
    void Loeschen();
    void Bearbeiten();
    void Suchen();
    void Drucken();

protected:
    void showEvent(QShowEvent *event) override;

private:
    // The engine's listeners on Table1, taken off before the form goes.
    QList<db::Subscription> ereignisse_;
    void aufbauen();
    QWidget *karteAufbauen(QWidget *eltern);
    ui::DataLookupComboBox *auswahlAufbauen(const Kartenfeld &feld, QWidget *eltern);
    void tabellenEreignisse();
    void NavigationAnpassen();
    bool tasteGedrueckt(QKeyEvent *event);
    void karteZeigen();
    void eingabeFokus();

    struct Auswahl
    {
        ui::DataLookupComboBox *box;
        db::Table *liste;
        Auswahlliste art;
    };

    Stammdeklaration deklaration_;
    QList<QWidget *> eingaben_;
    QList<Auswahl> auswahlen_;
    QAbstractButton *uebernehmen_ = nullptr;
    QAbstractButton *abbruch_ = nullptr;
    QGridLayout *karte_ = nullptr;
};

// Draws a list cell as the country lists do: the current row in the
// highlight colours, any other row on the window colour in red when the
// first of the grid's row fields is true, else in blue.
bool zeileRotOderBlauZeichnen(QPainter &painter, const QStyleOptionViewItem &option, const ui::GridCell &cell);

// Sets a table's order from a declaration: a named index of the table, or
// else a field list ("Name;Vorname"); empty: the primary key.
void ordnungSetzen(db::Table &tabelle, const QString &ordnung);

} // namespace masterdata
