#include "Hafen.h"

namespace {

masterdata::Stammdeklaration hafenDeklaration()
{
    masterdata::Stammdeklaration d;
    d.name = QStringLiteral("frmHafen");
    d.titel = QStringLiteral("Hafenverwaltung");
    d.tabelle = QStringLiteral("S_HAFEN");
    d.suche = {
        {QStringLiteral("Nummer"), QStringLiteral("Nummer"), true, 11},
        {QStringLiteral("Hafen"), QStringLiteral("Hafen"), true, 0},
    };
    d.ordnungNachSuche = QStringLiteral("iHafen");
    d.enter = masterdata::EnterArt::Kette;
    d.hinweise = {
        QStringLiteral("Erster Hafen"),
        QStringLiteral("Vorheriger Hafen"),
        QStringLiteral("Nächster Hafen"),
        QStringLiteral("Letzter Hafen"),
        QStringLiteral("Hafen hinzufügen"),
        QStringLiteral("Akteller Hafen löschen"),
        QStringLiteral("Aktueller Hafen bearbeiten"),
    };
    d.karte = {
        {.feld = QStringLiteral("Nummer"), .beschriftung = QStringLiteral("Nummer")},
        {.feld = QStringLiteral("Hafen"), .beschriftung = QStringLiteral("Hafen")},
    };
    d.listendruck = masterdata::listendruck<TfrmHafen_d>;
    return d;
}

masterdata::Listenlayout hafenListenlayout()
{
    masterdata::Listenlayout l;
    l.name = QStringLiteral("frmHafen_d");
    l.titel = QStringLiteral("Flughäfen");
    l.fortschritt = QStringLiteral("Die Flughäfen werden gedruckt...");
    l.auftrag = QStringLiteral("Flughäfen");
    l.ueberschrift = QStringLiteral("Flughäfen");
    l.ueberschriftX = 950;
    l.tabelle = QStringLiteral("S_HAFEN");
    l.proBlatt = 40;
    l.rahmenRechts = 2000;
    l.rahmenUnten = 2800;
    l.abstand = 60;
    l.felder = {
        {QStringLiteral("Nummer. :"), 150, 300, QStringLiteral("Nummer. : "), {QStringLiteral("Nummer")}},
        {QStringLiteral("Hafen :"), 1000, 300, QStringLiteral("Hafen : "), {QStringLiteral("Hafen")}},
    };
    return l;
}

} // namespace

TfrmHafen::TfrmHafen(QWidget *parent) : Stammformular(hafenDeklaration(), parent)
{
}

TfrmHafen_d::TfrmHafen_d(QWidget *parent) : Listendruck(hafenListenlayout(), parent)
{
}
