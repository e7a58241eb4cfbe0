#include "Lnder.h"
#include "Verfahrenscodes.h"

#include "platform/db/Table.h"
#include "platform/ui/Guard.h"

#include <QAbstractButton>

namespace {

using masterdata::Eingabeart;

masterdata::Stammdeklaration lnderDeklaration()
{
    masterdata::Stammdeklaration d;
    d.name = QStringLiteral("frmLnder");
    d.titel = QStringLiteral("Länderverwaltung");
    d.tabelle = QStringLiteral("S_LANDBZ");
    d.ordnung = QStringLiteral("iBez");
    d.suche = {
        {QStringLiteral("Länder-Code"), QStringLiteral("Land"), true, 11},
        {QStringLiteral("ISO-Alpha-Code"), QStringLiteral("LKZ"), true, 0},
        {QStringLiteral("Länder-Name"), QStringLiteral("Bez"), true, 0},
    };
    d.ordnungNachSuche = QStringLiteral("iBez");
    d.hinweise = {
        QStringLiteral("Erstes Land"),
        QStringLiteral("Vorheriges Land"),
        QStringLiteral("Nächstes Land"),
        QStringLiteral("Letztes Land"),
        QStringLiteral("Land hinzufügen"),
        QStringLiteral("Aktuelles Land löschen"),
        QStringLiteral("Aktuelles Land bearbeiten"),
    };
    d.karte = {
        {.feld = QStringLiteral("Land"), .beschriftung = QStringLiteral("Land"), .spalte = QStringLiteral("Nummer")},
        {.feld = QStringLiteral("Bez"), .beschriftung = QStringLiteral("Bezeichnung"), .spalte = QStringLiteral("Bez")},
        {.feld = QStringLiteral("Landkbz"), .beschriftung = QStringLiteral("Land - Kbz."), .spalte = QStringLiteral("Kurzbezeichnung")},
        {.feld = QStringLiteral("Sprache"),
         .beschriftung = QStringLiteral("Sprache"),
         .art = Eingabeart::Auswahl,
         .liste = {QStringLiteral("S_SPRACH"), QStringLiteral("Skz"), QStringLiteral("Sprache")}},
        {.feld = QStringLiteral("Lkz"), .beschriftung = QStringLiteral("Alpha-2-Code")},
        {.feld = QStringLiteral("Zug"), .beschriftung = QStringLiteral("Zugehörigkeit")},
        {.feld = QStringLiteral("Grenzkz"), .beschriftung = QStringLiteral("Zollstelle")},
        {.feld = QStringLiteral("Grenzort"), .beschriftung = QStringLiteral("Grenzort")},
        {.feld = QStringLiteral("Kurs"), .beschriftung = QStringLiteral("Umrechnungskurs"), .spalte = QStringLiteral("Kurs")},
        {.feld = QStringLiteral("Waehrung"), .beschriftung = QStringLiteral("Iso-Alpha-3-Code:"), .spalte = QStringLiteral("Waehrung")},
        {.feld = QStringLiteral("WaerBez"), .beschriftung = QStringLiteral("Bezeichnung:"), .spalte = QStringLiteral("WaerBez")},
        {.feld = QStringLiteral("Verfahren1"), .beschriftung = QStringLiteral("Verfahren"), .spalte = QStringLiteral("Verfahren1"),
         .knopf = QStringLiteral("SpeedButton1")},
        {.feld = QStringLiteral("Verfahren2"), .beschriftung = QStringLiteral("Verfahren"), .spalte = QStringLiteral("Verfahren2"),
         .knopf = QStringLiteral("SpeedButton2")},
        {.feld = QStringLiteral("EinzelMit"),
         .beschriftung = QStringLiteral("Einzelmitteilung"),
         .art = Eingabeart::Kontrollkaestchen,
         .wahr = QStringLiteral("Wahr"),
         .falsch = QStringLiteral("Falsch")},
    };
    d.roteZeilen = QStringLiteral("EinzelMit");
    d.listendruck = masterdata::listendruck<TfrmLnder_d>;
    return d;
}

masterdata::Listenlayout lnderListenlayout()
{
    const QStringList land = {QStringLiteral("Land")};
    masterdata::Listenlayout l;
    l.name = QStringLiteral("frmLnder_d");
    l.titel = QStringLiteral("Länder");
    l.fortschritt = QStringLiteral("Die Länder werden gedruckt...");
    l.auftrag = QStringLiteral("Länder");
    l.ueberschrift = QStringLiteral("Länder");
    l.ueberschriftX = 950;
    l.tabelle = QStringLiteral("S_LANDBZ");
    l.ordnung = QStringLiteral("iBez");
    l.proBlatt = 17;
    l.rahmenRechts = 2020;
    l.rahmenUnten = 2730;
    l.abstand = 150;
    l.trennlinie = 330;
    l.nachschlag = {QStringLiteral("S_SPRACH"), QStringLiteral("Sprache")};
    const QString links = QStringLiteral("Land-Nr. : ");
    const QString mitte = QStringLiteral("Land-KBZ : ");
    const QString rechts = QStringLiteral("Bezeichnung : ");
    l.felder = {
        {QStringLiteral("Land-Nr. :"), 150, 200, links, {QStringLiteral("Land")}},
        {QStringLiteral("Zug      :"), 150, 284, links, {QStringLiteral("Zug")}},
        {QStringLiteral("Land-KBZ :"), 550, 200, mitte, {QStringLiteral("Landkbz")}},
        {QStringLiteral("LKZ      :"), 550, 242, mitte, {QStringLiteral("Lkz")}},
        {QStringLiteral("Grenzk   :"), 550, 284, mitte, {QStringLiteral("Grenzkz")}},
        {.beschriftung = QStringLiteral("Bezeichnung :"), .x = 980, .y = 200, .breiteText = rechts,
         .felder = {QStringLiteral("Bez")}, .wertX = 970},
        {.beschriftung = QStringLiteral("Sprache     :"), .x = 980, .y = 242, .breiteText = rechts,
         .felder = {QStringLiteral("Sprache")}, .wertX = 970, .nachgeschlagen = true},
        {.beschriftung = QStringLiteral("Grenzort    :"), .x = 980, .y = 284, .breiteText = rechts,
         .felder = {QStringLiteral("Grenzort")}, .wertX = 970},
    };
    return l;
}

} // namespace

TfrmLnder::TfrmLnder(QWidget *parent) : Stammformular(lnderDeklaration(), parent)
{
    SpeedButton1 = kartenKnopf(QStringLiteral("SpeedButton1"));
    SpeedButton2 = kartenKnopf(QStringLiteral("SpeedButton2"));
    connect(SpeedButton1, &QAbstractButton::clicked, this, ui::guarded([this] { VerfahrenWaehlen(1); }));
    connect(SpeedButton2, &QAbstractButton::clicked, this, ui::guarded([this] { VerfahrenWaehlen(2); }));
}

void TfrmLnder::VerfahrenWaehlen(int unterfeld)
{
    const QString feld = unterfeld == 1 ? QStringLiteral("Verfahren1") : QStringLiteral("Verfahren2");
    oeffnen();
    // Without a country there is nothing to give a code to.
    if (Table1->isEmpty() && Table1->state() == db::DatasetState::Browse)
        return;
    if (Table1->state() == db::DatasetState::Browse)
        Table1->edit();
    QString code;
    if (masterdata::VerfahrenscodeWaehlen(unterfeld, Table1->fieldByName(feld).asString(), code))
        Table1->fieldByName(feld).setAsString(code);
    Table1->post();
    if (unterfeld == 1) {
        if (QWidget *naechstes = eingabe(QStringLiteral("Verfahren2")))
            naechstes->setFocus();
    }
}

TfrmLnder_d::TfrmLnder_d(QWidget *parent) : Listendruck(lnderListenlayout(), parent)
{
}
