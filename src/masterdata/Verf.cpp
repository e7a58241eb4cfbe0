#include "Verf.h"

namespace {

masterdata::Stammdeklaration verfDeklaration()
{
    masterdata::Stammdeklaration d;
    d.name = QStringLiteral("frmVerf");
    d.titel = QStringLiteral("Verfahren");
    d.tabelle = QStringLiteral("S_EINH37");
    d.suche = {
        {QStringLiteral("Nummer"), QStringLiteral("Einh37"), true, 11},
        {QStringLiteral("Bedeutung"), QStringLiteral("Bedeutung"), true, 0},
    };
    d.ordnungNachSuche = QStringLiteral("iBedeutung");
    d.hinweise = {
        QStringLiteral("Erstes Verfahren"),
        QStringLiteral("Vorheriges Verfahren"),
        QStringLiteral("Nächstes Verfahren"),
        QStringLiteral("Letztes Verfahren"),
        QStringLiteral("Verfahren hinzufügen"),
        QStringLiteral("Aktuelles Verfahren löschen"),
        QStringLiteral("Aktuelles Verfahren bearbeiten"),
    };
    d.karte = {
        {.feld = QStringLiteral("Einh37"), .beschriftung = QStringLiteral("Nummer")},
        {.feld = QStringLiteral("Verfnr1"), .beschriftung = QStringLiteral("Verfahren1"), .spalte = QStringLiteral("Verfahren 1")},
        {.feld = QStringLiteral("Verfnr2"), .beschriftung = QStringLiteral("Verfahren2"), .spalte = QStringLiteral("Verfahren 2")},
        {.feld = QStringLiteral("Bedeutung"), .beschriftung = QStringLiteral("Bedeutung")},
    };
    d.listendruck = masterdata::listendruck<TfrmVerf_d>;
    return d;
}

masterdata::Listenlayout verfListenlayout()
{
    masterdata::Listenlayout l;
    l.name = QStringLiteral("frmVerf_d");
    l.titel = QStringLiteral("Verfahren");
    l.fortschritt = QStringLiteral("Die Verfahren werden gedruckt...");
    l.auftrag = QStringLiteral("Verfahren");
    l.ueberschrift = QStringLiteral("Verfahren");
    l.tabelle = QStringLiteral("S_EINH37");
    l.proBlatt = 17;
    l.rahmenRechts = 2020;
    l.rahmenUnten = 2730;
    l.abstand = 150;
    l.trennlinie = 330;
    l.felder = {
        {QStringLiteral("Nummmer   :"), 150, 200, QStringLiteral("Bedeutung : "), {QStringLiteral("Einh37")}},
        {QStringLiteral("Verfahren :"), 150, 242, QStringLiteral("Bedeutung : "), {QStringLiteral("Verfnr1"), QStringLiteral("Verfnr2")}},
        {QStringLiteral("Bedeutung :"), 150, 284, QStringLiteral("Bedeutung : "), {QStringLiteral("Bedeutung")}},
    };
    return l;
}

} // namespace

TfrmVerf::TfrmVerf(QWidget *parent) : Stammformular(verfDeklaration(), parent)
{
}

TfrmVerf_d::TfrmVerf_d(QWidget *parent) : Listendruck(verfListenlayout(), parent)
{
}
