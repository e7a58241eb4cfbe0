#include "Geschft.h"

namespace {

masterdata::Stammdeklaration geschftDeklaration()
{
    masterdata::Stammdeklaration d;
    d.name = QStringLiteral("frmGeschft");
    d.titel = QStringLiteral("Geschäftsart");
    d.tabelle = QStringLiteral("S_GESART");
    d.suche = {
        {QStringLiteral("Geschäfts-Art"), QStringLiteral("Geart"), true, 11},
        {QStringLiteral("Bezeichnung"), QStringLiteral("Bez"), true, 0},
    };
    d.ordnungNachSuche = QStringLiteral("iBez");
    d.enter = masterdata::EnterArt::Kette;
    d.hinweise = {
        QStringLiteral("Ertste Geschäftsart"),
        QStringLiteral("Vorherige Geschäftsart"),
        QStringLiteral("Nächste Geschäftsart"),
        QStringLiteral("Letze Geschäftsart"),
        QStringLiteral("Geschäftsart hinzufügen"),
        QStringLiteral("Aktuelle Geschäftsart löschen"),
        QStringLiteral("Aktuelle Geschäftsart bearbeiten"),
    };
    d.karte = {
        {.feld = QStringLiteral("Geart"), .beschriftung = QStringLiteral("Nummer")},
        {.feld = QStringLiteral("Bez"), .beschriftung = QStringLiteral("Bezeichnung")},
    };
    d.zeilenAuswahl = true;
    d.listendruck = masterdata::listendruck<TfrmGeschft_d>;
    return d;
}

masterdata::Listenlayout geschftListenlayout()
{
    masterdata::Listenlayout l;
    l.name = QStringLiteral("frmGeschft_d");
    l.titel = QStringLiteral("Geschäftsarten");
    l.auftrag = QStringLiteral("Geschäftsarten");
    l.ueberschrift = QStringLiteral("Geschäftsarten");
    l.ueberschriftX = 850;
    l.tabelle = QStringLiteral("S_GESART");
    l.proBlatt = 40;
    l.rahmenRechts = 2000;
    l.rahmenUnten = 2800;
    l.abstand = 60;
    l.felder = {
        {QStringLiteral("Geschäftsart :"), 150, 300, QStringLiteral("Geschäftsart : "), {QStringLiteral("Geart")}},
        {QStringLiteral("Bezeichnung :"), 600, 300, QStringLiteral("Bezeichnung : "), {QStringLiteral("Bez")}},
    };
    return l;
}

} // namespace

TfrmGeschft::TfrmGeschft(QWidget *parent) : Stammformular(geschftDeklaration(), parent)
{
}

TfrmGeschft_d::TfrmGeschft_d(QWidget *parent) : Listendruck(geschftListenlayout(), parent)
{
}
