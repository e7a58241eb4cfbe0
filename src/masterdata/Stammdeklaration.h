#pragma once

#include "common/TfrmSuche.h"

#include "platform/ui/Appearance.h"

#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QDialog;
class QWidget;

namespace masterdata {

class Stammformular;

// What Enter does on a master form's card.
enum class EnterArt {
    NaechstesFeld,   // every input: on to the next control in tab order
    Kette,           // DBEdit1 -> DBEdit2 -> ... -> DBEdit<enterBis>, nowhere else
    Keine,
};

// The list of a lookup combo: rows of another table, the field the combo
// stores and the fields it shows.
struct Auswahlliste
{
    QString tabelle;           // "S_LANDBZ"
    QString schluessel;        // the list's field the combo stores: "Land"
    QString anzeige;           // the shown fields: "Bez"
    QString schluesselIndex;   // order once left: the stored field's index (empty: primary key)
    QString namensIndex;       // order while open and for the type-ahead (empty: none)
    bool buchstabensuche = false;   // a letter moves to the first name at or after it
    bool namensIndexBeimBetreten = false;   // entering the box already orders it by name
};

// The country combo over S_LANDBZ storing the country number (Land) or the
// two-letter code (Lkz), listed by name, with the letter type-ahead.
Auswahlliste landNachNummer();
Auswahlliste landNachKennzeichen();

enum class Eingabeart { Edit, Auswahl, Kontrollkaestchen, Werteliste };

// One item of a fixed list (Werteliste): the text shown and the value
// stored; values stored by earlier versions that still mean this item are
// shown as it as well.
struct Werteintrag
{
    QString text;
    QString wert;
    QStringList auchGelesen = {};
};

// One input of the card, in tab order. Edits are named DBEdit1, DBEdit2, ...,
// lookup combos DBLookupComboBox1, ..., check boxes DBCheckBox1, ... in the
// order of the card (fixed lists DBComboBox1, ...); DBEdit1 is the key field.
struct Kartenfeld
{
    QString feld;
    QString beschriftung;            // the label on the card; empty: none
    Eingabeart art = Eingabeart::Edit;
    // The list's column title: empty takes the label; imListe false leaves
    // the field out of the list.
    QString spalte = {};
    bool imListe = true;
    Auswahlliste liste = {};         // Auswahl
    QString wahr = QStringLiteral("True");     // Kontrollkaestchen: the values written
    QString falsch = QStringLiteral("False");
    QList<Werteintrag> werte = {};   // Werteliste
    // A button "..." of this object name beside the input, clicked by F9 in
    // it; the form connects what it does. Empty: none.
    QString knopf = {};
    // On the row of the input before it, after that input, its label in
    // front of it.
    bool nebenVorigem = false;
    // The input's width in characters; 0: as wide as its place.
    int zeichen = 0;
};

// A column of the list where it is declared apart from the card.
struct Listenspalte
{
    QString feld;
    QString titel;
};

// "hinzufügen" proposes the next number: the highest of the key field over
// the whole table plus one (see Nummernvorschlag.h), or the master's own.
struct Nummernvergabe
{
    QString feld;                    // empty: no proposal, a blank new record
    // The new record is stored at once with only its number, so that no
    // other workstation gets the same number meanwhile.
    bool sofortSpeichern = false;
    // The master's own proposal in place of the highest plus one, asked
    // once a pending record is settled; db::Abort adds no record.
    std::function<qint64(Stammformular &form)> vorschlag = {};
};

// The take-over buttons, hidden until a caller shows them: "Übernehmen"
// closes with modal result 1, the other one with 2.
struct Uebernahme
{
    QString uebernehmen;                          // component name; empty: no take-over
    QString abbruch;
    QString abbruchText = QStringLiteral("Abbruch");
    // A double click (and Enter) in the list takes the row while the buttons show.
    bool listeUebernimmt = false;
};

// Everything one master form is: the engine (Stammformular) builds the
// form from it.
struct Stammdeklaration
{
    QString name;            // object name: "frmZoll"
    QString titel;           // caption: "Zollstellen"
    QString tabelle;         // "S_ZOLLST"
    QString ordnung;         // order at opening: index name or field list; empty: primary key
    // "Suche nach:": first the key criterion, then the text criterion. A
    // key is cut to 11 characters and matches as a prefix (Nummer of the
    // address masters: whole and exact); the text matches as a prefix.
    QList<Suchkriterium> suche;
    QString ordnungNachSuche;   // order after a successful search: the text criterion's index
    EnterArt enter = EnterArt::NaechstesFeld;
    int enterBis = 2;
    // Hints of first, prior, next, last, add, delete, edit.
    QStringList hinweise;
    QList<Kartenfeld> karte;
    // The list's columns; empty: the card's fields as Kartenfeld says.
    QList<Listenspalte> liste = {};
    Nummernvergabe nummern = {};
    Uebernahme uebernahme = {};
    // List and card on the pages "Liste" and "Karteikarte"; add and edit
    // show the card, Enter in the list edits.
    bool karteikarte = false;
    ui::LabelFont beschriftung = ui::LabelFont::MasterData;
    bool zeilenAuswahl = false;     // the list selects whole rows
    // Rows whose logical field of this name is true are listed red, the
    // others blue; empty: the grid's own colours.
    QString roteZeilen = {};
    QString sucheMenue = QStringLiteral("&Suche");
    QString schliessenMenue = QStringLiteral("Sc&hließen");
    // "&Drucken": the list print, shown modally and freed.
    std::function<std::unique_ptr<QDialog>(QWidget *parent)> listendruck;
    QSize groesse = {560, 450};
};

// The factory of a list print form, for Stammdeklaration::listendruck.
template<typename Druck>
std::unique_ptr<QDialog> listendruck(QWidget *parent)
{
    return std::make_unique<Druck>(parent);
}

} // namespace masterdata
