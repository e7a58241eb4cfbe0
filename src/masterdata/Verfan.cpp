#include "Verfan.h"

namespace {

masterdata::Stammdeklaration verfanDeklaration()
{
    masterdata::Stammdeklaration d;
    d.name = QStringLiteral("frmVerfan");
    d.titel = QStringLiteral("Verfahren - Anmeldung");
    d.tabelle = QStringLiteral("S_VERFAH");
    d.suche = {
        {QStringLiteral("Verfahren"), QStringLiteral("Verfahr"), true, 11},
        {QStringLiteral("Bezeichnung"), QStringLiteral("Bez"), true, 0},
    };
    d.ordnungNachSuche = QStringLiteral("iBez");
    d.enter = masterdata::EnterArt::Kette;
    d.hinweise = {
        QStringLiteral("Erstes Verfahren"),
        QStringLiteral("Vorheriges Verfahren"),
        QStringLiteral("Nächstes Verfahren"),
        QStringLiteral("Letztes Verfahren"),
        QStringLiteral("Verfahren hinzufügen"),
        QStringLiteral("Aktuelles Verfahren löschen"),
        QStringLiteral("Aktuelles Verfahren Bearbeiten"),
    };
    d.karte = {
        {.feld = QStringLiteral("Verfahr"), .beschriftung = QStringLiteral("Nummer")},
        {.feld = QStringLiteral("Bez"), .beschriftung = QStringLiteral("Verfahren")},
    };
    d.listendruck = masterdata::listendruck<TfrmVerfan_d>;
    return d;
}

masterdata::Listenlayout verfanListenlayout()
{
    masterdata::Listenlayout l;
    l.name = QStringLiteral("frmVerfan_d");
    l.titel = QStringLiteral("Verfahren / Anmeldung");
    l.fortschritt = QStringLiteral("Die Verfahren / Anmeldung werden gedruckt...");
    l.auftrag = QStringLiteral("Verfahren - Anmeldung");
    l.ueberschrift = QStringLiteral("Verfahren - Anmeldung");
    l.tabelle = QStringLiteral("S_VERFAH");
    l.proBlatt = 17;
    l.rahmenRechts = 2020;
    l.rahmenUnten = 2730;
    l.abstand = 150;
    l.trennlinie = 330;
    l.felder = {
        {QStringLiteral("Nummer    :"), 150, 200, QStringLiteral("Verfahren : "), {QStringLiteral("Verfahr")}},
        {.beschriftung = QStringLiteral("Verfahren :"),
         .x = 150,
         .y = 250,
         .breiteText = QStringLiteral("Verfahren : "),
         .felder = {QStringLiteral("Bez")},
         .wertY = 254},
    };
    return l;
}

} // namespace

TfrmVerfan::TfrmVerfan(QWidget *parent) : Stammformular(verfanDeklaration(), parent)
{
}

TfrmVerfan_d::TfrmVerfan_d(QWidget *parent) : Listendruck(verfanListenlayout(), parent)
{
}
