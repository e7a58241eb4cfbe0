#include "private/Adressstamm.h"

namespace masterdata::adressstamm {

Stammdeklaration deklaration(const Adressart &art)
{
    Stammdeklaration d;
    d.name = art.name;
    d.titel = art.titel;
    d.tabelle = art.tabelle;
    d.ordnung = QStringLiteral("iName1");
    // The number matches whole: "12" finds 12, not 120.
    d.suche = {
        {art.nummerSuche, QStringLiteral("nummer"), false, 11},
        {art.nameSuche, QStringLiteral("name1"), true, 0},
    };
    d.ordnungNachSuche = QStringLiteral("iName1");
    d.hinweise = art.hinweise;
    d.karte = {{.feld = QStringLiteral("nummer"), .beschriftung = QStringLiteral("Nummer")},
               {.feld = QStringLiteral("name1"), .beschriftung = QStringLiteral("Adresse")}};
    for (int zeile = 2; zeile <= 5; ++zeile)
        d.karte.append({.feld = QStringLiteral("name%1").arg(zeile), .beschriftung = {}});
    for (const Listenspalte &feld : art.kontakt) {
        if (feld.feld == QLatin1String("land")) {
            d.karte.append({.feld = feld.feld,
                            .beschriftung = feld.titel,
                            .art = Eingabeart::Auswahl,
                            .liste = landNachNummer()});
        } else {
            d.karte.append({.feld = feld.feld, .beschriftung = feld.titel});
        }
    }
    d.liste = {{QStringLiteral("nummer"), QStringLiteral("Nummer")}};
    for (int zeile = 1; zeile <= 5; ++zeile)
        d.liste.append({QStringLiteral("name%1").arg(zeile), art.namenSpalte.arg(zeile)});
    d.liste.append(art.listeKontakt);
    d.nummern = {QStringLiteral("nummer"), false};
    d.uebernahme = {QStringLiteral("BitBtn1"), QStringLiteral("bbtAbbruch"), art.abbruchText, true};
    d.sucheMenue = art.sucheMenue;
    d.listendruck = art.listendruck;
    return d;
}

} // namespace masterdata::adressstamm
