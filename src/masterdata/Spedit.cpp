#include "Spedit.h"
#include "private/Adressstamm.h"

#include "platform/db/Table.h"

namespace {

masterdata::Stammdeklaration speditDeklaration()
{
    masterdata::adressstamm::Adressart art;
    art.name = QStringLiteral("frmSpedit");
    art.titel = QStringLiteral("Spediteure");
    art.tabelle = QStringLiteral("S_SPEDIT");
    art.hinweise = {
        QStringLiteral("Erster Spediteur"),
        QStringLiteral("Vorheriger Spediteur"),
        QStringLiteral("Nächster Spediteur"),
        QStringLiteral("Letzter Spediteur"),
        QStringLiteral("Spediteur hinzufügen"),
        QStringLiteral("Aktueller Spediteur löschen"),
        QStringLiteral("Aktueller Spediteur bearbeiten"),
    };
    art.nummerSuche = QStringLiteral("Spedit.-Nr.");
    art.nameSuche = QStringLiteral("Name");
    art.sucheMenue = QStringLiteral("&Suchen");
    art.abbruchText = QStringLiteral("Abbruch");
    art.kontakt = {
        {QStringLiteral("telefon"), QStringLiteral("Telefon")},
        {QStringLiteral("telefax"), QStringLiteral("Telefax")},
        {QStringLiteral("land"), QStringLiteral("Land")},
        {QStringLiteral("ansprech"), QStringLiteral("Ansprechpartner")},
    };
    art.namenSpalte = QStringLiteral("Name %1");
    art.listeKontakt = {
        {QStringLiteral("land"), QStringLiteral("Land")},
        {QStringLiteral("telefon"), QStringLiteral("Telefon")},
        {QStringLiteral("telefax"), QStringLiteral("Telefax")},
        {QStringLiteral("ansprech"), QStringLiteral("Ansprechpartner")},
    };
    art.listendruck = masterdata::listendruck<TfrmSpedit_d>;
    return masterdata::adressstamm::deklaration(art);
}

masterdata::Listenlayout speditListenlayout()
{
    masterdata::Listenlayout l;
    l.name = QStringLiteral("frmSpedit_d");
    l.titel = QStringLiteral("Spediteure");
    l.fortschritt = QStringLiteral("Die Spediteure werden geduckt...");
    l.auftrag = QStringLiteral("Spediteure");
    l.ueberschrift = QStringLiteral("Spediteure");
    l.ueberschriftX = 900;
    l.tabelle = QStringLiteral("S_SPEDIT");
    l.proBlatt = 5;
    l.abstand = 530;
    l.trennlinie = 680;
    const QString anschrift = QStringLiteral("Anschrift       : ");
    l.felder = {
        {QStringLiteral("Spediteur-Nr.   :"), 900, 200, QStringLiteral("Spediteur-Nr.   : "), {QStringLiteral("nummer")}},
        {QStringLiteral("Anschrift       :"), 150, 260, anschrift, {QStringLiteral("name1")}},
        {{}, 150, 302, anschrift, {QStringLiteral("name2")}},
        {{}, 150, 344, anschrift, {QStringLiteral("name3")}},
        {{}, 150, 386, anschrift, {QStringLiteral("name4")}},
        {{}, 150, 428, anschrift, {QStringLiteral("name5")}},
        {QStringLiteral("Telefon         :"), 150, 500, QStringLiteral("Telefon         : "), {QStringLiteral("telefon")}},
        {QStringLiteral("Telefax         :"), 150, 542, QStringLiteral("Telefon         : "), {QStringLiteral("telefax")}},
        // The country's number as the country table has it: empty for a
        // number it does not hold.
        {.beschriftung = QStringLiteral("Land            :"),
         .x = 150,
         .y = 584,
         .breiteText = QStringLiteral("Telefon         : "),
         .felder = {QStringLiteral("Land")},
         .nachgeschlagen = true},
        {QStringLiteral("Ansprechpartner :"), 150, 626, QStringLiteral("Ansprechpartner : "),
         {QStringLiteral("ansprech")}},
    };
    l.nachschlag = {QStringLiteral("S_LANDBZ"), QStringLiteral("land")};
    l.fortschrittJeSatz = 10;
    return l;
}

} // namespace

TfrmSpedit::TfrmSpedit(QWidget *parent) : Stammformular(speditDeklaration(), parent)
{
}

int TfrmSpedit::WaehleSpediteurNr(QWidget *parent)
{
    TfrmSpedit form(parent);
    form.uebernahmeZeigen();
    if (form.showModal() != ui::ModalResult::Ok || form.Table1->isEmpty())
        return -1;
    return form.Table1->fieldByName(QStringLiteral("nummer")).asInteger();
}

TfrmSpedit_d::TfrmSpedit_d(QWidget *parent) : Listendruck(speditListenlayout(), parent)
{
}
