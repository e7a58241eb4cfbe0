#pragma once

#include "masterdata/KundenAdresse.h"
#include "masterdata/Listendruck.h"
#include "masterdata/Stammformular.h"

namespace masterdata {
class Sortierwahl;
}

// The identification kind ("Ident-Art") as S_KUNDEN.IsDeuZoll keeps it: one
// letter per item. "J", which earlier versions wrote for a German customs
// number, reads as "Zollnummer".
namespace Identifikationsart {
inline const QString Adressdaten = QStringLiteral("A");
inline const QString Zollnummer = QStringLiteral("Z");
inline const QString EoriTin = QStringLiteral("E");
inline const QString AdressdatenUndTin = QStringLiteral("T");
}

// TKundenAdresse.ZollNrDE of a stored identification kind: "1" for a
// German customs number, "0" for every other kind.
QString ZollNrDEKennzeichen(const QString &isDeuZoll);

// The customers (S_KUNDEN): upkeep and take-over form with the sort choice
// "Sortieren nach:" kept in "Razazu.ini" (key "Kunden"); list print.
class TfrmKunden : public masterdata::Stammformular
{
    Q_OBJECT
public:
    explicit TfrmKunden(QWidget *parent = nullptr);

    masterdata::Sortierwahl *RadioGroup1;   // "Sortieren nach:"

    // The first customer whose TIN equals tin, regardless of case (an empty
    // tin finds nobody): the address filled, with ZollNrDE the stored
    // identification letter, true. Otherwise the address
    // stays as it was, false.
    static bool KundeNachTIN(const QString &tin, TKundenAdresse &adresse);
    // The form in take-over mode: on "Übernehmen" the address of the chosen
    // customer with ZollNrDE the customs-number flag, true; otherwise the address stays as it was, false.
    static bool WaehleKundenAdresse(TKundenAdresse &adresse, QWidget *parent = nullptr);
    // The form in take-over mode: the chosen customer's number, or -1.
    static int WaehleKundenNr(QWidget *parent = nullptr);
};

class TfrmKunden_d : public masterdata::Listendruck
{
    Q_OBJECT
public:
    explicit TfrmKunden_d(QWidget *parent = nullptr);
};
