#pragma once

#include "common/Eingabedeklaration.h"
#include "common/Suchkriterium.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class Beleghaken;

// One printed page kind: its row of the user's print settings (S_BENUTZ),
// keyed by the name.
struct Seitenart
{
    QString name;
    // The titles of the fields whose offsets S_FelderJust keeps for this page
    // kind, field 1 first (a title may be empty); none: no field adjustment.
    QStringList justierbareFelder;
};

// The page kind of that name, with its adjustable fields where it has them.
Seitenart seitenartNamens(const QString &name);

// What a document family is, as the shared register, entry-form and print
// code reads it. Each group holds what one side of the family needs; the
// family itself is a constant of this type.
struct Belegart
{
    // The family's template document; ordinary documents lie below it.
    static constexpr qint64 MasterFormularNr = 2000000000;

    struct Tabellen
    {
        QString kopf;             // keyed by BelegNr (field 0), the date as field 1
        QString positionen;       // keyed by BelegNr, Pos; empty: no lines
        QString positionsanzahl;  // header field keeping the line count; empty: none
    };
    // Field names in S_PARAME; several families share some of them.
    struct Parameter
    {
        QString vorschlag;        // the next-number proposal
        QString plausi;           // the switch of the check of required boxes; empty: none
        QString festeFelder;      // the fixed-field list, control names one per line
    };
    struct Druck
    {
        QList<Seitenart> seitenarten;  // the first one is shown in the status bar
        bool zeilenAnlegen = true;     // a page kind's missing row is created
        // The print-settings editor also edits the distance of the printed
        // lines (`Inta` of the parameter record).
        bool positionsabstand = false;
        // With no printer chosen for the first page kind, the print dialog
        // opens the print-settings editor on its page kinds rather than the
        // printer set-up.
        bool ohneDruckerEditor = false;
    };

    // A column of the register's list; an empty title shows the field's name.
    struct Spalte
    {
        QString feld;
        QString titel;
        int breite = 0;           // characters; 0: from the field's size
    };
    enum class MasterAusblenden {
        Nie,                      // the master record is an ordinary row
        Filter,                   // "BelegNr < 2000000000" while two or more records exist
        Schluesselbereich,        // key range 1..1999999999; with only the master, commands off
    };
    enum class Suche {
        Filter,                   // "Stammdaten-Suche" over the criteria
        Schrittweise,             // the list follows the typed number or name
    };
    struct Regie
    {
        QString titel;                     // the register's caption
        QStringList navigationsHinweise;   // first, previous, next, last
        QList<Spalte> spalten;
        MasterAusblenden masterAusblenden = MasterAusblenden::Nie;
        // The header and line tables are held against other workstations.
        bool exklusiv = false;
        // The master record has a first line (Pos 1), the template of new lines.
        bool masterPosition = false;
        // The master record's date is the text "1" instead of today.
        bool masterDatumEins = false;
        // Status panel 1 of the entry form: the prefix before the number, and
        // the text for the master record (most families show it alone, some
        // with the prefix before it).
        QString statusBeleg = QStringLiteral("BelegNr: ");
        QString statusMaster = QStringLiteral("Master-Formular");
        // Closing the register leaves its current number in AktuelleBelegNr.
        bool aktuelleBelegNrSchreiben = false;
        Suche suche = Suche::Filter;
        QList<Suchkriterium> suchkriterien;
        QString namensIndex;               // the index the incremental search by name uses
        // After a copy the proposal goes back to the number proposed, so the
        // next "&Neu" probes from there again (unless another workstation has
        // drawn a number since).
        bool kopieGibtVorschlagZurueck = false;
        QString druckTitel;                // the print form's caption before the number
    };

    // A button under a list: its component name, caption and hint.
    struct Knopf
    {
        QString name;
        QString titel;
        QString hinweis;
    };
    // The entry form of one document.
    struct Eingabe
    {
        QString name;                      // the form's name ("frmCmr"), also for the pickers
        QString titel;
        QList<Eingabefeld> felder;
        QList<Auswahlbindung> auswahlen;
        QList<Spalte> positionsspalten;    // the grid of the lines
        // Under the grid: first, prior, next, last, add, delete, edit.
        QList<Knopf> positionsknoepfe;
    };
    // The form of one line, opened from the entry form's line buttons.
    struct Positionsform
    {
        QString name;
        QString titel;
        QList<Eingabefeld> felder;
        QList<Auswahlbindung> auswahlen;
    };
    // The dialog of the check of required boxes, shared by the entry form
    // (its own group) and the line form (the lines' group beside it).
    struct Pruefdialogart
    {
        QString name;
        QString titel;
    };

    Tabellen tabellen;
    Parameter parameter;
    Druck druck;
    Regie regie;
    Eingabe eingabe;
    Positionsform position;
    Pruefdialogart pruefdialog;
    Pruefung pruefung;             // of the entry form; none: no check
    Pruefung positionsPruefung;    // of the line form; none: no check
    // The family's own logic at the engine's named points; none: the engine's.
    std::function<std::unique_ptr<Beleghaken>()> haken;

    bool hatPositionen() const { return !tabellen.positionen.isEmpty(); }
};
