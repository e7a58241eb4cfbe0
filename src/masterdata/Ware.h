#pragma once

#include "masterdata/Listendruck.h"
#include "masterdata/Stammformular.h"

#include <QString>

namespace masterdata {
class Sortierwahl;
}

namespace db {
class Table;
}

// A chosen goods number as the electronic declaration's goods item takes it;
// each code is cut to its length.
struct TWarenNrRec
{
    QString WarenNr;         // at most 8 characters
    QString WarenNr_TARIC;   // 2
    QString WarenNr_Zus1;    // 4
    QString WarenNr_Zus2;    // 4
    QString WarenNr_nat;     // 4
    QString WarenBez;        // bez1 to bez9 joined by single blanks
};

// The record of the goods row the table stands on.
TWarenNrRec WarenNrRecAusSatz(db::Table &waren);
// waren, Waren2, Waren3 and Waren4 of that row joined by ";".
QString WarenNrTextAusSatz(db::Table &waren);

// The statistical goods numbers (S_WARENN): upkeep form with the sort
// choice, take-over for the documents, list print.
class TfrmWare : public masterdata::Stammformular
{
    Q_OBJECT
public:
    explicit TfrmWare(QWidget *parent = nullptr);

    masterdata::Sortierwahl *RadioGroup1;   // "Sortieren nach:"

    // Each shows a form of its own with "Übernehmen" and "Abbrechen". On
    // "Übernehmen" the record is filled from the chosen row and the answer
    // is true; otherwise it stays as it was.
    static bool WaehleWarenNr(TWarenNrRec &satz);
    // The chosen row as WarenNrTextAusSatz gives it; empty on any other end.
    static void WaehleWarenNrText(QString &text);
};

class TfrmWare_d : public masterdata::Listendruck
{
    Q_OBJECT
public:
    explicit TfrmWare_d(QWidget *parent = nullptr);
};
