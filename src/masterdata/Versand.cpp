#include "Versand.h"
#include "private/Adressstamm.h"

#include <QLabel>

namespace {

masterdata::Stammdeklaration versandDeklaration()
{
    masterdata::adressstamm::Adressart art;
    art.name = QStringLiteral("frmVersand");
    art.titel = QStringLiteral("Versandanschrift");
    art.tabelle = QStringLiteral("S_VERSAN");
    art.hinweise = {
        QStringLiteral("Erste Versandanschrift"),
        QStringLiteral("Vorherige Versandanschrift"),
        QStringLiteral("Nächste Versandanschrift"),
        QStringLiteral("Letzte Versandanschrift"),
        QStringLiteral("Versandanschrift hinzufügen"),
        QStringLiteral("Aktuelle Versandanschrift löschen"),
        QStringLiteral("Aktuelle Versandanschrift bearbeiten"),
    };
    art.nummerSuche = QStringLiteral("Versender-Nr.");
    art.nameSuche = QStringLiteral("Versender");
    art.sucheMenue = QStringLiteral("&Suche");
    art.abbruchText = QStringLiteral("Abbrechen");
    art.kontakt = {
        {QStringLiteral("land"), QStringLiteral("Land")},
        {QStringLiteral("ansprech"), QStringLiteral("Ansprechpartner")},
        {QStringLiteral("telefon"), QStringLiteral("Telefon")},
        {QStringLiteral("telefax"), QStringLiteral("Telefax")},
        {QStringLiteral("telex"), QStringLiteral("Telex")},
    };
    art.namenSpalte = QStringLiteral("Name%1");
    art.listeKontakt = {
        {QStringLiteral("land"), QStringLiteral("Land")},
        {QStringLiteral("telefon"), QStringLiteral("Telefon")},
        {QStringLiteral("telefax"), QStringLiteral("Telefax")},
        {QStringLiteral("telex"), QStringLiteral("Telex")},
        {QStringLiteral("ansprech"), QStringLiteral("Ansprechpartner")},
    };
    art.listendruck = masterdata::listendruck<TfrmVersand_d>;
    return masterdata::adressstamm::deklaration(art);
}

masterdata::Listenlayout versandListenlayout()
{
    masterdata::Listenlayout l;
    l.name = QStringLiteral("frmVersand_d");
    l.titel = QStringLiteral("Versandanschriften");
    l.fortschritt = QStringLiteral("Versenserstamm wird gedruckt...");
    l.auftrag = QStringLiteral("Versandanschriften");
    l.ueberschrift = QStringLiteral("Versandanschriften");
    l.ueberschriftX = 800;
    l.tabelle = QStringLiteral("S_VERSAN");
    l.proBlatt = 7;
    l.rahmenUnten = 2680;
    l.abstand = 360;
    l.trennlinie = 520;
    // The address lines stand alone on the left, the contact data on the
    // right, all right-hand values in one column.
    const QString rechts = QStringLiteral("Ansprechpartner : ");
    l.felder = {
        {QStringLiteral("Nummer :"), 900, 200, QStringLiteral("Nummer : "), {QStringLiteral("nummer")}},
        {QStringLiteral("Anschrift :"), 150, 250},
        {{}, 150, 300, {}, {QStringLiteral("name1")}},
        {{}, 150, 342, {}, {QStringLiteral("name2")}},
        {{}, 150, 384, {}, {QStringLiteral("name3")}},
        {{}, 150, 426, {}, {QStringLiteral("name4")}},
        {{}, 150, 468, {}, {QStringLiteral("name5")}},
        {QStringLiteral("Telefon         :"), 900, 300, rechts, {QStringLiteral("telefon")}},
        {QStringLiteral("Telefax         :"), 900, 342, rechts, {QStringLiteral("telefax")}},
        {QStringLiteral("Telex           :"), 900, 384, rechts, {QStringLiteral("telex")}},
        {.beschriftung = QStringLiteral("Land            :"),
         .x = 900,
         .y = 426,
         .breiteText = rechts,
         .felder = {QStringLiteral("Bez")},
         .nachgeschlagen = true},
        {QStringLiteral("Ansprechpartner :"), 900, 468, rechts, {QStringLiteral("ansprech")}},
    };
    l.nachschlag = {QStringLiteral("S_LANDBZ"), QStringLiteral("land")};
    l.fortschrittJeSatz = 10;
    return l;
}

} // namespace

TfrmVersand::TfrmVersand(QWidget *parent) : Stammformular(versandDeklaration(), parent)
{
}

TfrmVersand_d::TfrmVersand_d(QWidget *parent) : Listendruck(versandListenlayout(), parent)
{
    Label1->setObjectName(QStringLiteral("Label4"));
}
