#pragma once

#include "masterdata/Listendruck.h"
#include "masterdata/Stammformular.h"

#include <QList>
#include <QString>

class QAbstractButton;
class QToolButton;
class RadioGroup;

// The articles (S_ARTIST): upkeep form with five language buttons over the
// six description edits, article numbers proposed from the last one typed,
// the sort choice and the goods-number picker; take-over for the documents;
// list print.
class TfrmArtikel : public masterdata::Stammformular
{
    Q_OBJECT
public:
    explicit TfrmArtikel(QWidget *parent = nullptr);
    ~TfrmArtikel() override;

    RadioGroup *RadioGroup1;                   // "Sortieren nach:"
    QList<QAbstractButton *> Sprachknoepfe;   // slots 1 to 5
    QToolButton *btnWarenNr;                  // the goods-number picker (F9 in the field)
    // The number last typed or proposed; the next proposal starts after it.
    int LetzteArtikelNr = 0;

    // The first free article number after LetzteArtikelNr, as text.
    QString ArtikelNrVorschlagen();
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
