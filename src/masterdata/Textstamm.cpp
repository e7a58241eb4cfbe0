#include "private/Textstamm.h"
#include "Sprachwahl.h"

namespace masterdata::textstamm {

Stammdeklaration deklaration(const Textart &art)
{
    Stammdeklaration d;
    d.name = art.name;
    d.titel = art.titel;
    d.tabelle = art.tabelle;
    d.suche = art.suche;
    d.ordnungNachSuche = art.ordnungNachSuche;
    d.hinweise = art.hinweise;
    d.karte = {{.feld = art.schluessel, .beschriftung = art.nummerText}};
    // The lines of language 1; the language buttons bind them anew.
    for (int zeile = 1; zeile <= art.zeilen; ++zeile) {
        d.karte.append({.feld = art.praefixe.first() + QString::number(zeile),
                        .beschriftung = zeile == 1 ? art.zeilenText : QString(),
                        .spalte = art.spalten.value(zeile - 1)});
    }
    d.nummern = {art.schluessel, false};
    d.uebernahme = {QStringLiteral("bbtUebernehmen"), QStringLiteral("bbtAbbruch"), QStringLiteral("Abbrechen"), true};
    d.listendruck = art.listendruck;
    return d;
}

Listenlayout listenlayout(const Blattart &art)
{
    Listenlayout l;
    l.name = art.name;
    l.titel = art.titel;
    l.fortschritt = art.fortschritt;
    l.auftrag = art.auftrag;
    l.ueberschrift = art.ueberschrift;
    l.ueberschriftX = art.ueberschriftX;
    l.tabelle = art.tabelle;
    l.proBlatt = 1;
    l.rahmenUnten = art.rahmenUnten;
    l.abstand = art.rahmenUnten;
    l.linien = art.linien;
    // One step for the number and one for each language block.
    l.fortschrittJeSatz = 1 + static_cast<int>(art.praefixe.size());
    l.felder = {{.beschriftung = art.nummerText,
                 .x = art.nummerX,
                 .y = 200,
                 .breiteText = art.nummerText,
                 .felder = {art.schluessel},
                 .unterstrichen = false}};
    const QStringList namen = sprachnamen();
    for (int sprache = 0; sprache < art.praefixe.size(); ++sprache) {
        const int kopf = art.sprachY.value(sprache);
        l.felder.append({namen.value(sprache), 150, kopf});
        for (int zeile = 1; zeile <= art.zeilen; ++zeile) {
            l.felder.append({{}, 150, kopf + art.ersteZeile + 42 * (zeile - 1), {},
                             {art.praefixe[sprache] + QString::number(zeile)}});
        }
    }
    return l;
}

} // namespace masterdata::textstamm
