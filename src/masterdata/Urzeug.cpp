#include "Urzeug.h"

namespace {

constexpr int zeilen = 20;

masterdata::Stammdeklaration urzeugDeklaration()
{
    masterdata::Stammdeklaration d;
    d.name = QStringLiteral("frmUrzeug");
    d.titel = QStringLiteral("Ursprungszeugnis");
    d.tabelle = QStringLiteral("S_URZEUG");
    d.suche = {
        {QStringLiteral("Nummer"), QStringLiteral("uzklaus"), true, 11},
        {QStringLiteral("Text 1"), QStringLiteral("klausel1"), true, 0},
    };
    d.ordnungNachSuche = QStringLiteral("iKlausel1");
    d.hinweise = {
        QStringLiteral("Erste Position"),
        QStringLiteral("Vorherige Position"),
        QStringLiteral("Nächste Position"),
        QStringLiteral("Letzte Position"),
        QStringLiteral("Position hinzufügen"),
        QStringLiteral("Aktuelle Position löschen"),
        QStringLiteral("Aktuelle Position bearbeiten"),
    };
    d.karte = {
        {.feld = QStringLiteral("uzklaus"), .beschriftung = QStringLiteral("Nummer")},
        {.feld = QStringLiteral("klausel1"), .beschriftung = QStringLiteral("Erklärung"), .spalte = QStringLiteral("Text 1")},
    };
    for (int zeile = 2; zeile <= zeilen; ++zeile)
        d.karte.append({.feld = QStringLiteral("klausel%1").arg(zeile), .beschriftung = {}, .imListe = false});
    d.karte.append({.feld = QStringLiteral("land"),
                    .beschriftung = QStringLiteral("Land"),
                    .art = masterdata::Eingabeart::Auswahl,
                    .imListe = false,
                    .liste = masterdata::landNachNummer()});
    d.karteikarte = true;
    d.beschriftung = ui::LabelFont::Document;
    d.listendruck = masterdata::listendruck<TfrmUrzeug_d>;
    return d;
}

masterdata::Listenlayout urzeugListenlayout()
{
    masterdata::Listenlayout l;
    l.name = QStringLiteral("frmUrzeug_d");
    l.titel = QStringLiteral("Ursprungszeugnis");
    l.fortschritt = QStringLiteral("Die Ursprungszeugnisse werden gedruckt...");
    l.auftrag = QStringLiteral("Ursprungszeugnis - Rückseite");
    l.ueberschrift = QStringLiteral("Ursprungszeugnis - Rückseite");
    l.tabelle = QStringLiteral("S_URZEUG");
    l.proBlatt = 2;
    l.rahmenRechts = 2020;
    l.rahmenUnten = 2190;
    l.abstand = 1020;
    l.trennlinie = 1170;
    l.felder = {
        {QStringLiteral("Nummer    :"), 150, 200, QStringLiteral("Nummer    : "), {QStringLiteral("uzklaus")}},
        {.beschriftung = QStringLiteral("Land :"),
         .x = 1000,
         .y = 200,
         .breiteText = QStringLiteral("Land : "),
         .felder = {QStringLiteral("Bez")},
         .nachgeschlagen = true},
        {QStringLiteral("Erklärung :"), 150, 260},
    };
    for (int zeile = 1; zeile <= zeilen; ++zeile)
        l.felder.append({{}, 150, 310 + 42 * (zeile - 1), QStringLiteral("Erklärung : "),
                         {QStringLiteral("klausel%1").arg(zeile)}});
    l.nachschlag = {QStringLiteral("S_LANDBZ"), QStringLiteral("land")};
    l.fortschrittJeSatz = 5;
    return l;
}

} // namespace

TfrmUrzeug::TfrmUrzeug(QWidget *parent) : Stammformular(urzeugDeklaration(), parent)
{
}

TfrmUrzeug_d::TfrmUrzeug_d(QWidget *parent) : Listendruck(urzeugListenlayout(), parent)
{
}
