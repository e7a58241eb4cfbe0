#pragma once

#include "masterdata/Listenlayout.h"
#include "masterdata/Stammdeklaration.h"

// The invoice clauses and the payment terms are one master twice: a number
// held as text of digits (proposed as the highest number + 1), a few lines
// of text in each of five languages behind the language buttons, and a
// list print of one sheet per record with the five language blocks.
namespace masterdata::textstamm {

struct Textart
{
    QString name;              // "frmKlausel"
    QString titel;
    QString tabelle;
    QString schluessel;        // "reklaus"
    QStringList praefixe;      // the columns of languages 1 to 5: {"k", "e", "f", "p", "s"}
    int zeilen = 0;
    QStringList hinweise;
    QString nummerText;        // the number's label and column
    QString zeilenText;        // the label over the lines
    QStringList spalten;       // the lines' column titles
    QList<Suchkriterium> suche;
    QString ordnungNachSuche;
    std::function<std::unique_ptr<QDialog>(QWidget *parent)> listendruck;
};

Stammdeklaration deklaration(const Textart &art);

// The sheet of one record: the number line and the five language blocks.
struct Blattart
{
    QString name;              // "frmKlausel_d"
    QString titel;
    QString fortschritt;
    QString auftrag;
    QString ueberschrift;
    int ueberschriftX = 0;
    QString tabelle;
    int rahmenUnten = 0;
    QString nummerText;        // "Nummer. : "
    int nummerX = 0;
    QString schluessel;
    QStringList praefixe;      // languages 1 to 5, in print order
    int zeilen = 0;
    QList<int> sprachY;        // the language headings
    int ersteZeile = 0;        // the first line below its heading
    QList<int> linien;         // lines across: under the number, between blocks
};

Listenlayout listenlayout(const Blattart &art);

} // namespace masterdata::textstamm
