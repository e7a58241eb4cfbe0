#pragma once

#include <QDate>
#include <QList>
#include <QString>

class QWidget;

namespace db {
class Database;
}

// One declaration of the list export, as the list writes it.
struct Listenzeile
{
    QString aenr;        // AENR
    QDate datum;
    QString land;        // F17_2
    QString betrag;      // f22_2
    QString bezug;       // f7
};

// The declarations dated from `von` to `bis` (both included), by date.
QList<Listenzeile> ListeLesen(db::Database &datenbank, const QDate &von, const QDate &bis);

// The fixed-width line of the text file for row `nummer` (from 1): the
// number right-aligned in 5, a blank, AENR in 11, the date in 11, the
// country in 18, the amount right-aligned in 14, a blank, the reference in
// 23. A longer value is written whole and shifts the rest of the line.
QString ListenTextzeile(int nummer, const Listenzeile &zeile);

// The list as a text file (Windows-1252, CR LF) or as a spreadsheet: row r
// holds r, AENR, the date as a date, country, amount and reference.
void ListeAlsText(const QString &datei, const QList<Listenzeile> &zeilen);
void ListeAlsTabelle(const QString &datei, const QList<Listenzeile> &zeilen);

// The register's "Liste": the date-range dialog, the declarations of the
// range, the target file, "Die Liste wurde exportiert!".
void ListeDrucken(db::Database &datenbank, QWidget *parent = nullptr);
