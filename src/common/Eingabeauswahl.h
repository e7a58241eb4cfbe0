#pragma once

#include <QHash>
#include <QString>
#include <functional>
#include <optional>

class QWidget;

// The lookups of the entry forms, by a name that stays (the lookup wrappers'
// names: "AuswahlLand", "AuswahlKunde", "AuswahlWarenNr", ...). The master-data
// layer registers its selection dialogs under these names; an entry form's
// field table names the lookup it binds to, so the forms and the dialogs do
// not know each other.

// What an entry form asks of a lookup.
struct Auswahlanfrage
{
    // The asking form's name in the registry of open entry forms; a picker
    // given a Tag writes its choice into that form's controls itself.
    QString formular;
    int tag = 0;
    QString start;          // the box's current text, to position on
    QString index;          // the order to position in ("LKZ", "Bez", "Ulandi"); empty: the dialog's own
    // The order the list then shows, on the row found; empty: the one it was
    // positioned in.
    QString listenordnung;
    QString titelZusatz;    // appended to the dialog's caption ("  (Feld: 17)")
    QWidget *eltern = nullptr;
};

// The chosen row's values by column name ("Lkz", "Name1", "bez1"); nullopt
// when the clerk cancelled. A picker that wrote by Tag answers with the
// columns it has or none.
using Auswahlergebnis = std::optional<QHash<QString, QString>>;
using Auswahlfunktion = std::function<Auswahlergebnis(const Auswahlanfrage &anfrage)>;

// Registers (or replaces) the lookup of that name; an empty function removes it.
void auswahlRegistrieren(const QString &name, Auswahlfunktion auswahl);
// The lookup of that name; empty when nobody registered one.
Auswahlfunktion auswahlNamens(const QString &name);
