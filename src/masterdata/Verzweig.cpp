#include "Verzweig.h"

namespace {

masterdata::Stammdeklaration verzweigDeklaration()
{
    masterdata::Stammdeklaration d;
    d.name = QStringLiteral("frmVerkehrszweig");
    d.titel = QStringLiteral("Verkehrszweige");
    d.tabelle = QStringLiteral("S_VERKZG");
    d.suche = {
        {QStringLiteral("Nummer"), QStringLiteral("Vkzweig"), true, 11},
        {QStringLiteral("Bezeichnung"), QStringLiteral("Bez1"), true, 0},
    };
    d.ordnungNachSuche = QStringLiteral("iBez");
    d.enter = masterdata::EnterArt::Kette;
    d.enterBis = 3;
    d.hinweise = {
        QStringLiteral("Erster Verkehrszweig"),
        QStringLiteral("Vorheriger Verkehrszweig"),
        QStringLiteral("Nächster Verkehrszweig"),
        QStringLiteral("Letzter Verkehrszweig"),
        QStringLiteral("Verkehrszweig hinzufügen"),
        QStringLiteral("Aktueller Verkehrszweig löschen"),
        QStringLiteral("Aktueller Verkehrszweig bearbeiten"),
    };
    d.karte = {
        {.feld = QStringLiteral("Vkzweig"), .beschriftung = QStringLiteral("Verkehrszweig"), .spalte = QStringLiteral("Nummer")},
        {.feld = QStringLiteral("Bez1"), .beschriftung = QStringLiteral("Bezeichnung")},
        {.feld = QStringLiteral("Bez2"), .beschriftung = QStringLiteral("Transportart")},
    };
    d.listendruck = masterdata::listendruck<TfrmVerkehrszweig_d>;
    return d;
}

masterdata::Listenlayout verzweigListenlayout()
{
    masterdata::Listenlayout l;
    l.name = QStringLiteral("frmVerkehrszweig_d");
    l.titel = QStringLiteral("Verkehrszweige");
    l.auftrag = QStringLiteral("Verkehrszweige");
    l.ueberschrift = QStringLiteral("Verkehrszweige");
    l.tabelle = QStringLiteral("S_VERKZG");
    l.proBlatt = 9;
    l.rahmenRechts = 2020;
    l.rahmenUnten = 2730;
    l.abstand = 120;
    l.trennlinie = 300;
    l.felder = {
        {QStringLiteral("Verkehrszweig :"), 150, 200, QStringLiteral("Verkehrszweig : "), {QStringLiteral("Vkzweig")}},
        {QStringLiteral("Transportart  :"), 150, 250, QStringLiteral("Verkehrszweig : "), {QStringLiteral("Bez1")}},
        {QStringLiteral("Bezeichnung :"), 1000, 250, QStringLiteral("Bezeichnung : "), {QStringLiteral("Bez2")}},
    };
    return l;
}

} // namespace

TfrmVerkehrszweig::TfrmVerkehrszweig(QWidget *parent) : Stammformular(verzweigDeklaration(), parent)
{
}

TfrmVerkehrszweig_d::TfrmVerkehrszweig_d(QWidget *parent) : Listendruck(verzweigListenlayout(), parent)
{
}
