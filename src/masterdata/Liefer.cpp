#include "Liefer.h"

namespace {

masterdata::Stammdeklaration lieferDeklaration()
{
    masterdata::Stammdeklaration d;
    d.name = QStringLiteral("frmLieferbedingungen");
    d.titel = QStringLiteral("Lieferbedingungen");
    d.tabelle = QStringLiteral("S_LIEFER");
    d.ordnung = QStringLiteral("iBedeutung");
    d.suche = {
        {QStringLiteral("Lieferbedingung"), QStringLiteral("Lieferb"), true, 11},
        {QStringLiteral("Bedeutung"), QStringLiteral("Bedeutung"), true, 0},
    };
    d.ordnungNachSuche = QStringLiteral("iBedeutung");
    d.enter = masterdata::EnterArt::Keine;
    d.hinweise = {
        QStringLiteral("Erste Lieferbedingung"),
        QStringLiteral("Vorherige Lieferbedingung"),
        QStringLiteral("Nächste Lieferbedingung"),
        QStringLiteral("Letzte Lieferbedingung"),
        QStringLiteral("Lieferbedingung hinzufügen"),
        QStringLiteral("Aktuelle Lieferbedingung löschen"),
        QStringLiteral("Aktuelle Lieferbedingung bearbeiten"),
    };
    d.karte = {
        {.feld = QStringLiteral("Lieferb"), .beschriftung = QStringLiteral("Lieferbedingung")},
        {.feld = QStringLiteral("Bedeutung"), .beschriftung = QStringLiteral("Bedeutung")},
        {.feld = QStringLiteral("LiefNr"), .beschriftung = QStringLiteral("Liefer-Nr.")},
        {.feld = QStringLiteral("Preis"), .beschriftung = QStringLiteral("Wert / Kg")},
    };
    d.listendruck = masterdata::listendruck<TfrmLieferbedingungen_d>;
    return d;
}

masterdata::Listenlayout lieferListenlayout()
{
    masterdata::Listenlayout l;
    l.name = QStringLiteral("frmLieferbedingungen_d");
    l.titel = QStringLiteral("Lieferbedingungen");
    l.fortschritt = QStringLiteral("Die Lieferbedingungen werden gedruckt...");
    l.auftrag = QStringLiteral("Lieferbedingungen");
    l.ueberschrift = QStringLiteral("Lieferbedingungen");
    l.ueberschriftX = 800;
    l.tabelle = QStringLiteral("S_LIEFER");
    l.proBlatt = 40;
    l.rahmenRechts = 2000;
    l.rahmenUnten = 2800;
    l.abstand = 60;
    l.felder = {
        {QStringLiteral("Lieferbedingung :"), 150, 200, QStringLiteral("Lieferbedingung : "), {QStringLiteral("Lieferb")}},
        {QStringLiteral("Bedeutung :"), 1000, 200, QStringLiteral("Bedeutung : "), {QStringLiteral("Bedeutung")}},
    };
    return l;
}

} // namespace

TfrmLieferbedingungen::TfrmLieferbedingungen(QWidget *parent) : Stammformular(lieferDeklaration(), parent)
{
}

TfrmLieferbedingungen_d::TfrmLieferbedingungen_d(QWidget *parent) : Listendruck(lieferListenlayout(), parent)
{
}
