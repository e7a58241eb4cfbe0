#pragma once

#include <QList>
#include <QString>
#include <QStringList>

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
    };

    Tabellen tabellen;
    Parameter parameter;
    Druck druck;

    bool hatPositionen() const { return !tabellen.positionen.isEmpty(); }
};
