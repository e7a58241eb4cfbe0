#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace db {
class Table;
}

namespace masterdata {

// One caption of a list record and the value after it. Positions are those
// of the first record on a sheet, in 0.1 mm; each further record is one
// pitch lower.
struct Listenfeld
{
    QString beschriftung;    // empty: none
    int x = 0;
    int y = 0;
    // The value stands at x plus the width of this text in the value font;
    // empty: at x itself. Without fields and text the caption has no value.
    QString breiteText = {};
    QStringList felder = {};  // joined by a blank
    int wertY = -1;           // the value's y where it is not the caption's
    int wertX = -1;           // the x the width is added to where it is not the caption's
    bool nachgeschlagen = false;   // the fields are those of the looked-up record
    bool unterstrichen = true;     // the caption; false: regular
    // The fields are those of the record looked up in this table (one of
    // Listenlayout::nachschlaege).
    QString nachschlagTabelle = {};
    // The value as the master formats it (a price, say), in place of felder.
    std::function<QString(db::Table &satz)> text = {};
    // Caption and value only for records this answers true for.
    std::function<bool(db::Table &satz)> nurWenn = {};
};

// A record of another table shown with each record (the country of a
// certificate text); a key it does not find shows empty values.
struct Nachschlag
{
    QString tabelle;         // empty: none
    QString verknuepfung;    // the printed table's field holding the key
    QString index = {};      // the looked-up table's index of that key; empty: primary key
};

// One master's list print: form texts, table, and the sheet's layout.
struct Listenlayout
{
    QString name;            // object name: "frmZoll_d"
    QString titel;           // the form's caption is 'Druck "<titel>"'
    QString fortschritt;     // the progress text
    QString auftrag;         // the job is titled "Razazu / Versand: <auftrag>"
    QString ueberschrift;
    int ueberschriftX = mittig;   // or centred on x 1050
    QString tabelle;
    QString ordnung;         // index name or field list; empty: primary key
    // Records per sheet; 0: as many as fit the frame, one pitch each.
    int proBlatt = 0;
    int rahmenRechts = 2000;
    int rahmenUnten = 2800;
    int abstand = 60;        // pitch between records
    int trennlinie = 0;      // y of the line below the first record; 0: none
    bool trennlinieAmBlattende = true;   // also below the last record of a full sheet
    QList<int> linien = {};  // further lines across the first record, by y
    QList<Listenfeld> felder;
    Nachschlag nachschlag = {};
    QList<Nachschlag> nachschlaege = {};   // further ones, named by their table
    int fortschrittJeSatz = 1;    // progress steps per record

    static constexpr int mittig = -1;
};

} // namespace masterdata
