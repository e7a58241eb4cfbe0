#pragma once

#include "masterdata/Listendruck.h"
#include "masterdata/Stammformular.h"

#include <QString>
#include <optional>

class QLineEdit;

// What a caller takes from the package kinds' form on "Übernehmen".
struct Packstueckwahl
{
    QString anzahl;   // the "Anzahl :" text
    QString packart;
    QString bez;
    int laenge = 0;
    int breite = 0;
    int hoehe = 0;
};

// The four take-over protocols: box 31 of the declarations' items gets the
// number and the code; the logistics positions and T5 items get the number
// and the description (the T5 item presets the number from its line); the
// second box-31 lookup takes the description alone, and the packing list
// the description, code and dimensions (Packstueckwahl's fields).
QString AnzahlMitPackart(const Packstueckwahl &wahl);
QString AnzahlMitBezeichnung(const Packstueckwahl &wahl);
// The number in front of a box-31 line: the text before its first blank,
// empty when it has none.
QString AnzahlAusZeile(const QString &zeile);

// The package kinds (S_PACKST): upkeep form with the language texts labelled
// by the parameter table's language names and the plain input "Anzahl :";
// take-over for the documents; list print.
class TfrmPackst : public masterdata::Stammformular
{
    Q_OBJECT
public:
    explicit TfrmPackst(QWidget *parent = nullptr);

    QLineEdit *Edit2;   // "Anzahl :", not stored

    // The form with its take-over buttons and "Anzahl :" preset; the chosen
    // package kind on "Übernehmen", nothing on any other end.
    static std::optional<Packstueckwahl> Waehlen(QWidget *parent = nullptr, const QString &anzahl = QStringLiteral("1"));

    // The description of a code found without regard to case; empty for an
    // empty or unknown code.
    static QString PackartBezeichnung(const QString &packart);
    // The form positioned on start (without regard to case; the first row
    // when not found); the chosen code on "Übernehmen", otherwise empty.
    static QString WaehlePackart(const QString &start);
};

class TfrmPackst_d : public masterdata::Listendruck
{
    Q_OBJECT
public:
    explicit TfrmPackst_d(QWidget *parent = nullptr);
};
