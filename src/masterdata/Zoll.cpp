#include "Zoll.h"

namespace {

masterdata::Stammdeklaration zollDeklaration()
{
    masterdata::Stammdeklaration d;
    d.name = QStringLiteral("frmZoll");
    d.titel = QStringLiteral("Zollstellen");
    d.tabelle = QStringLiteral("S_ZOLLST");
    d.suche = {
        {QStringLiteral("Zollstelle"), QStringLiteral("Zollst"), true, 11},
        {QStringLiteral("Ort"), QStringLiteral("Ort"), true, 0},
    };
    d.ordnungNachSuche = QStringLiteral("iOrt");
    d.hinweise = {
        QStringLiteral("Erste Zollstelle"),
        QStringLiteral("Vorherige Zollstelle"),
        QStringLiteral("Nächste Zollstelle"),
        QStringLiteral("Letzte Zollstelle"),
        QStringLiteral("Zollstelle hinzufügen"),
        QStringLiteral("Aktuelle Zollstelle löschen"),
        QStringLiteral("Aktuelle Zollstelle bearbeiten"),
    };
    d.karte = {
        {.feld = QStringLiteral("Zollst"), .beschriftung = QStringLiteral("Zollstelle")},
        {.feld = QStringLiteral("Art"), .beschriftung = QStringLiteral("Art der Zollstelle")},
        {.feld = QStringLiteral("Ort"), .beschriftung = QStringLiteral("Ort")},
        {.feld = QStringLiteral("Tart"), .beschriftung = QStringLiteral("Transportart")},
    };
    d.listendruck = masterdata::listendruck<TfrmZoll_d>;
    return d;
}

masterdata::Listenlayout zollListenlayout()
{
    masterdata::Listenlayout l;
    l.name = QStringLiteral("frmZoll_d");
    l.titel = QStringLiteral("Zollstellen");
    l.fortschritt = QStringLiteral("Die Zollstellen werden gedruckt...");
    l.auftrag = QStringLiteral("Zollstellen");
    l.ueberschrift = QStringLiteral("Zollstellen");
    l.tabelle = QStringLiteral("S_ZOLLST");
    l.proBlatt = 17;
    l.rahmenRechts = 2020;
    l.rahmenUnten = 2700;
    l.abstand = 150;
    l.trennlinie = 300;
    l.felder = {
        {QStringLiteral("Zollstelle         :"), 150, 200, QStringLiteral("Art der Zollstelle : "), {QStringLiteral("Zollst")}},
        {QStringLiteral("Art der Zollstelle :"), 150, 242, QStringLiteral("Art der Zollstelle : "), {QStringLiteral("Art")}},
        {QStringLiteral("Ort          :"), 950, 200, QStringLiteral("Transportart : "), {QStringLiteral("Ort")}},
        {QStringLiteral("Transportart :"), 950, 242, QStringLiteral("Transportart : "), {QStringLiteral("Tart")}},
    };
    return l;
}

} // namespace

TfrmZoll::TfrmZoll(QWidget *parent) : Stammformular(zollDeklaration(), parent)
{
}

TfrmZoll_d::TfrmZoll_d(QWidget *parent) : Listendruck(zollListenlayout(), parent)
{
}
