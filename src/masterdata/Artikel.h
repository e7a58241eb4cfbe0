#pragma once

#include "masterdata/Listendruck.h"
#include "masterdata/Textstammformular.h"

#include <QList>
#include <QString>

class QAbstractButton;

namespace masterdata {
class Sortierwahl;
}

// The articles (S_ARTIST): upkeep form with five language buttons over the
// six description edits, article numbers proposed from the last one typed,
// the sort choice and the goods-number picker; take-over for the documents;
// list print.
class TfrmArtikel : public masterdata::Textstammformular
{
    Q_OBJECT
public:
    explicit TfrmArtikel(QWidget *parent = nullptr);
    ~TfrmArtikel() override;

    masterdata::Sortierwahl *RadioGroup1;   // "Sortieren nach:"
    QAbstractButton *btnWarenNr;               // the goods-number picker (F9 in the field)
    // The number last typed or proposed; the next proposal starts after it.
    int LetzteArtikelNr = 0;

    // The first free article number after LetzteArtikelNr.
    int ArtikelNrVorschlagen();
    void WarenNrWaehlen();

    // Shows a form of its own with "Abbrechen" and "Übernehmen"; on
    // "Übernehmen" the German lines bez1 to bez6 of the chosen article
    // joined by single blanks, whatever language was shown; otherwise empty.
    static void WaehleArtikelText(const QString &unbenutzt, QString &text);

private:
    QList<db::Subscription> ereignisse_;
};

class TDruckArtikel : public masterdata::Listendruck
{
    Q_OBJECT
public:
    explicit TDruckArtikel(QWidget *parent = nullptr);
};
