#pragma once

#include "platform/print/CanvasFont.h"

#include <QList>
#include <QString>
#include <functional>

namespace db {
class Table;
}
namespace print {
class Canvas;
}

// The positions a print form fills, as a table: where each value comes
// from, where it stands (x, y in 0.1 mm from the sheet's top-left), its
// height, alignment, format and the condition under which it is printed.
// A print form keeps its tables as constants beside the paper form they
// fill and hands them to positionenDrucken.

enum class Quelle {
    Kopf,       // a field of the document's header
    Position,   // a field of the current line
    Text,       // the literal text in `feld`
    Wert,       // a value the print form names (sheet number, typed numbers)
};

enum class Ausrichtung {
    Links,      // x is the left end
    Rechts,     // x is the right end
    Zentriert,  // x is the centre
    Gesperrt,   // one character every `schritt` from x
};

enum class Format {
    Text,                 // as stored
    Kreuz,                // "X" when the value is set (see Bedingung::Gleich for what "set" means)
    Ganzzahl,             // a whole number, nothing for 0
    Betrag,               // two decimals with thousands separators: 1.234,50
    BetragOhneTausender,  // two decimals: 1234,50
    Zeichen,              // `anzahl` characters from index `von`
};

struct Bedingung
{
    enum class Art {
        Immer,
        Gleich,             // the field holds `wert` (without regard to case)
        Ungleich,           // the field does not hold `wert`
        UeberNull,          // the field read as a number is above 0
        ErstesBlatt,
        LetztesBlatt,
        MehrerePositionen,  // the document has two lines or more
        WeissesPapier,      // the form is drawn on blank paper
    };
    Art art = Art::Immer;
    Quelle quelle = Quelle::Kopf;
    QString feld;
    QString wert;
};

struct Druckposition
{
    static constexpr int keinTor = -1;

    // The pre-stamper gate of the element (a box number); keinTor: printed
    // whatever the gates say.
    int tor = keinTor;
    Quelle quelle = Quelle::Kopf;
    QString feld;               // field name, value name or the literal text
    int x = 0;
    int y = 0;
    double hoehe = 0;           // character height in mm; 0: the context's
    Ausrichtung ausrichtung = Ausrichtung::Links;
    int schritt = 0;            // Gesperrt: the pitch in 0.1 mm
    Format format = Format::Text;
    int von = 0;                // Zeichen
    int anzahl = 0;
    Bedingung bedingung;
    // Marks of boxes left empty, drawn on blank paper only: grey, regular,
    // in the print font's name; black and the print font come back after.
    bool grau = false;
};

// What a table is printed against.
struct Druckkontext
{
    db::Table *kopf = nullptr;
    db::Table *position = nullptr;   // on the line to print; may be null
    int blatt = 1;
    int blaetter = 1;
    int positionen = 0;              // lines of the document
    bool weissesPapier = false;
    // Whether an element with this gate is printed; empty: all are.
    std::function<bool(int tor)> torOffen;
    // Values of Quelle::Wert by name.
    std::function<QString(const QString &name)> wert;
    // The print font and its usual height.
    QString schriftName = QStringLiteral("Courier New");
    print::FontStyles schriftStil;
    double hoehe = 4;
    // Added to every y (the second and third line block of a sheet).
    int dy = 0;
};

// A context in the print font of the options (name and style; the height
// stays the usual 4 mm).
Druckkontext druckkontextInAusdruckschrift();

// The texts of a table, in its order, transparent, each in the print font
// at its height. Empty values draw nothing.
void positionenDrucken(print::Canvas &canvas, const QList<Druckposition> &positionen, const Druckkontext &kontext);

// The text one position prints, or an empty string when it prints nothing
// (condition or gate closed, empty value).
QString druckText(const Druckposition &position, const Druckkontext &kontext);

// Fields `muster` with n from `erste` to `letzte` ("f2_%1"), one under the
// other from y, `abstand` apart: the ranges of the paper forms' boxes.
QList<Druckposition> untereinander(int tor, Quelle quelle, const QString &muster, int erste, int letzte, int x, int y,
                                   int abstand, double hoehe = 0);
