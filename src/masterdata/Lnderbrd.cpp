#include "Lnderbrd.h"

namespace {

masterdata::Stammdeklaration lnderbrdDeklaration()
{
    masterdata::Stammdeklaration d;
    d.name = QStringLiteral("frmBundeslnder");
    d.titel = QStringLiteral("Bundesländer");
    d.tabelle = QStringLiteral("S_INLAND");
    d.suche = {
        {QStringLiteral("Nummer"), QStringLiteral("Ulandi"), true, 11},
        {QStringLiteral("Bundes-Land"), QStringLiteral("Bez"), true, 0},
    };
    d.ordnungNachSuche = QStringLiteral("iBez");
    d.enter = masterdata::EnterArt::Kette;
    d.hinweise = {
        QStringLiteral("Erstes Bundesland"),
        QStringLiteral("Vorheriges Bundesland"),
        QStringLiteral("Nächstes Bundesland"),
        QStringLiteral("Letztes Bundesland"),
        QStringLiteral("Bundesland hinzufügen"),
        QStringLiteral("Akuelles Bundesland löschen"),
        QStringLiteral("Aktuelles Bundesland bearbeiten"),
    };
    d.karte = {
        {.feld = QStringLiteral("Ulandi"), .beschriftung = QStringLiteral("Nummer")},
        {.feld = QStringLiteral("Bez"), .beschriftung = QStringLiteral("Bundesland")},
    };
    d.listendruck = masterdata::listendruck<TfrmBundeslnder_d>;
    return d;
}

masterdata::Listenlayout lnderbrdListenlayout()
{
    masterdata::Listenlayout l;
    l.name = QStringLiteral("frmBundeslnder_d");
    l.titel = QStringLiteral("Bundesländer");
    l.fortschritt = QStringLiteral("Die Bundesländer werden gedruckt...");
    l.auftrag = QStringLiteral("Bundesländer");
    l.ueberschrift = QStringLiteral("Bundesländer");
    l.ueberschriftX = 850;
    l.tabelle = QStringLiteral("S_INLAND");
    // No fixed count: as many states per sheet as fit the frame, so a long
    // list goes on over further sheets instead of below the frame.
    l.rahmenRechts = 2000;
    l.rahmenUnten = 2800;
    l.abstand = 60;
    l.felder = {
        {QStringLiteral("Nummer :"), 150, 300, QStringLiteral("Nummer : "), {QStringLiteral("Ulandi")}},
        {QStringLiteral("Bundesland :"), 1000, 300, QStringLiteral("Bundesland : "), {QStringLiteral("Bez")}},
    };
    return l;
}

} // namespace

TfrmBundeslnder::TfrmBundeslnder(QWidget *parent) : Stammformular(lnderbrdDeklaration(), parent)
{
}

TfrmBundeslnder_d::TfrmBundeslnder_d(QWidget *parent) : Listendruck(lnderbrdListenlayout(), parent)
{
}
