#pragma once

#include "masterdata/Stammdeklaration.h"

// The forwarders and the shipping addresses are one master twice: a number
// (proposed as highest + 1, searched exactly), five address lines, a
// country chosen by name and contact data. What differs is data.
namespace masterdata::adressstamm {

struct Adressart
{
    QString name;             // "frmSpedit"
    QString titel;
    QString tabelle;
    QStringList hinweise;
    QString nummerSuche;      // the search criteria's captions
    QString nameSuche;
    QString sucheMenue;
    QString abbruchText;
    // The inputs after the five address lines, in tab order ("land" is the
    // country choice).
    QList<Listenspalte> kontakt;
    // The list's columns after "Nummer" and the address lines.
    QString namenSpalte;      // "Name %1"
    QList<Listenspalte> listeKontakt;
    std::function<std::unique_ptr<QDialog>(QWidget *parent)> listendruck;
};

Stammdeklaration deklaration(const Adressart &art);

} // namespace masterdata::adressstamm
