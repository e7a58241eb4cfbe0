#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// An entry form as data: which control edits which field, what it says in
// status panel 0, which lookup F9 or its button opens and what the lookup's
// choice fills. The engine (Eingabeformular) builds and binds the controls
// from it; the control names are part of the interface (fixed-field lists,
// pickers writing by name).

// " - (hier besteht eine Übernahmemöglichkeit)" after a box's help text:
// the box has a lookup.
QString mitUebernahme(const QString &hilfe);

enum class Feldart {
    Edit,
    Memo,
    Kontrollkaestchen,
    Positionsliste,     // the grid of the lines (DBGrid1), with its buttons
};

enum class Datenquelle { Kopf, Positionen, Parameter };

enum class Blaettern {
    Keins,
    NachOben,           // entering the control scrolls the form to the top
    ScrollDelta,        // leaving it scrolls so work goes on in the upper three quarters
};

// Where a box stands on its paper form: its ruling rectangle, x and y in
// 0.1 mm from the sheet's top-left as the print draws it. The entry form
// cuts its grid at the edges of all its boxes' rectangles, so boxes stand
// side by side where the paper has them side by side, and share the width
// as the paper does.
struct Papierplatz
{
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;

    bool leer() const { return x2 <= x1 || y2 <= y1; }
};

// One control of the form, in tab order.
struct Eingabefeld
{
    QString steuerelement;      // "DBEdit3"
    QString feld;               // "F1_1"
    QString kasten;             // the box it stands in ("1 Anmeldung"); rows of one box go together
    // The box's place on the paper form, given on (one of) its rows; a box
    // without one goes below the placed ones, across the whole width.
    Papierplatz platz = {};
    QString hilfe = {};         // status panel 0 while the control has the focus
    QString auswahl = {};       // the lookup button F9 clicks (Auswahlbindung::knopf); empty: none
    Feldart art = Feldart::Edit;
    Datenquelle quelle = Datenquelle::Kopf;
    bool nurLesen = false;      // read-only, no tab stop, red font (counters)
    bool verborgen = false;
    bool nebenVorigem = false;  // on the line of the previous control of its box, else on a line below
    Blaettern blaettern = Blaettern::Keins;
    QString wahr = QStringLiteral("True");    // check boxes: the values written
    QString falsch = QStringLiteral("False");
    QString beschriftung = {};  // check boxes: the caption
    int maxZeichen = 0;         // at most so many characters; 0: the field's size
};

// Where the focus goes after a lookup.
enum class FokusDanach { Naechstes, Unveraendert, Ziel, ZielAmEnde };

// One column (or several, put together by a pattern) of a lookup's choice
// going into one control.
struct Zuordnung
{
    QString steuerelement;
    QStringList spalten;
    QString muster = {};        // "%1 %2", "%1-%2-"; empty: the first column as it is
};

// The columns of a lookup's row into the controls, one for one in order
// (the lines of an address box).
inline QList<Zuordnung> zeilenweise(const QStringList &spalten, const QStringList &steuerelemente)
{
    QList<Zuordnung> zuordnungen;
    for (int i = 0; i < steuerelemente.size() && i < spalten.size(); ++i)
        zuordnungen << Zuordnung{steuerelemente[i], {spalten[i]}};
    return zuordnungen;
}

// A lookup: its button, the registered lookup it opens, how that is asked,
// what its choice fills.
struct Auswahlbindung
{
    QString knopf;              // the button's component name; F9 rows name it
    QString auswahl;            // the registered lookup ("AuswahlLand")
    QString nebenSteuerelement; // the button stands right of this control
    int tag = 0;                // the picker writes by this Tag itself
    QString index = {};         // positioning order handed to the lookup
    QString listenordnung = {}; // the order it then lists in; empty: the positioning order
    QString startSteuerelement = {};   // its text is the start value; empty: the F9 control's
    QString titelZusatz = {};
    QList<Zuordnung> zuordnungen = {};
    FokusDanach fokus = FokusDanach::Naechstes;
    QString fokusZiel = {};
    bool fokusNurNachWahl = false;  // a cancelled lookup leaves the focus where it is
    // An option under which the focus stays where it is instead, asked each time.
    bool (*fokusBleibtWenn)() = nullptr;
    bool buchen = true;         // the record is posted after the dialog
    bool tasteBeimDruecken = false;   // F9 acts on press instead of release
    QString hinweis = {};
};

enum class Pruefart {
    Leer,       // the (one) field is empty
    AlleLeer,   // every field of the list is empty
    EinesLeer,  // at least one field of the list is empty
};

// A condition over the current texts of the form's controls, named by field.
struct Pruefregel
{
    Pruefart art;
    QStringList felder;
};

inline Pruefregel leer(const QString &feld)
{
    return {Pruefart::Leer, {feld}};
}
inline Pruefregel alleLeer(const QStringList &felder)
{
    return {Pruefart::AlleLeer, felder};
}
inline Pruefregel einesLeer(const QStringList &felder)
{
    return {Pruefart::EinesLeer, felder};
}

// One point of a check of required boxes: its caption in the check dialog,
// ticked while its rule holds, and the gap it makes (by default the same
// rule). The first gap found, in the order of the points, gets the focus:
// the first field of an "empty" or "all empty" rule, the first empty field
// of an "any empty" one.
struct Pruefpunkt
{
    QString beschriftung;
    Pruefregel regel;
    std::optional<Pruefregel> luecke = {};   // the gap, where it differs from the ticked rule
    bool keineLuecke = false;                // only ticked: never stops the form
};

// The check of required boxes of one form: its points and the title of
// their group in the family's check dialog.
struct Pruefung
{
    QString gruppe = QStringLiteral("Nicht ausgefüllte Felder sind markiert!");
    QList<Pruefpunkt> punkte;

    bool leer() const { return punkte.isEmpty(); }
};
