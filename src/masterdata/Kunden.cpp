#include "Kunden.h"
#include "DatenImport.h"
#include "Sortierwahl.h"
#include "Stammdatenbank.h"
#include "Werteauswahl.h"

#include "platform/db/Query.h"
#include "platform/db/Table.h"

#include <QLabel>

namespace {

const QString kundenSortSchluessel = QStringLiteral("Kunden");

const QList<masterdata::Sortiereintrag> &kundenSortierung()
{
    static const QList<masterdata::Sortiereintrag> eintraege = {
        {QStringLiteral("Kunden-Nr."), QString()},   // the primary key, nummer
        {QStringLiteral("Firma"), QStringLiteral("iName1")},
    };
    return eintraege;
}

const QList<masterdata::Werteintrag> &identArten()
{
    static const QList<masterdata::Werteintrag> arten = {
        {QStringLiteral("Adressdaten"), Identifikationsart::Adressdaten},
        {QStringLiteral("Zollnummer"), Identifikationsart::Zollnummer, {QStringLiteral("J")}},
        {QStringLiteral("EORI-TIN"), Identifikationsart::EoriTin},
        {QStringLiteral("Adressdaten und TIN"), Identifikationsart::AdressdatenUndTin},
    };
    return arten;
}

masterdata::Kartenfeld kundenAuswahl(const QString &feld, const QString &beschriftung, const QString &tabelle,
                                     const QString &schluessel, const QString &anzeige)
{
    return {.feld = feld,
            .beschriftung = beschriftung,
            .art = masterdata::Eingabeart::Auswahl,
            .liste = {tabelle, schluessel, anzeige, QString(), QString(), false}};
}

masterdata::Stammdeklaration kundenDeklaration()
{
    masterdata::Stammdeklaration d;
    d.name = QStringLiteral("frmKunden");
    d.titel = QStringLiteral("Kundenverwaltung");
    d.tabelle = QStringLiteral("S_KUNDEN");
    d.ordnung = masterdata::Sortierwahl::gespeicherteOrdnung(kundenSortSchluessel, kundenSortierung());
    // The number matches whole: "12" finds 12, not 120.
    d.suche = {
        {QStringLiteral("Kunden-Nr."), QStringLiteral("nummer"), false, 11},
        {QStringLiteral("Kunde"), QStringLiteral("name1"), true, 0},
    };
    d.ordnungNachSuche = QStringLiteral("iName1");
    d.hinweise = {
        QStringLiteral("Erster Kunde"),
        QStringLiteral("Vorheriger Kunde"),
        QStringLiteral("Nächster Kunde"),
        QStringLiteral("Letzter Kunde"),
        QStringLiteral("Kunde hinzufügen"),
        QStringLiteral("Aktuellen Kunden löschen"),
        QStringLiteral("Aktuellen Kunden bearbeiten"),
    };
    d.karte = {
        {.feld = QStringLiteral("nummer"), .beschriftung = QStringLiteral("Kd-Nr.")},
        {.feld = QStringLiteral("TIN"), .beschriftung = QStringLiteral("TIN:")},
        {.feld = QStringLiteral("name1"), .beschriftung = QStringLiteral("Name:")},
        {.feld = QStringLiteral("name2"), .beschriftung = QStringLiteral("1. Zusatz:")},
        {.feld = QStringLiteral("name3"), .beschriftung = QStringLiteral("2. Zusatz:")},
        {.feld = QStringLiteral("strasse"), .beschriftung = QStringLiteral("Strasse:")},
        {.feld = QStringLiteral("PLZ"), .beschriftung = QStringLiteral("Postleitzahl:")},
        {.feld = QStringLiteral("ort"), .beschriftung = QStringLiteral("Ort:")},
        {.feld = QStringLiteral("ustnr"), .beschriftung = QStringLiteral("UST-Id.")},
        {.feld = QStringLiteral("telefon"), .beschriftung = QStringLiteral("Telefon")},
        {.feld = QStringLiteral("telefax"), .beschriftung = QStringLiteral("Telefax")},
        kundenAuswahl(QStringLiteral("land"), QStringLiteral("Land"), QStringLiteral("S_LANDBZ"), QStringLiteral("Land"),
                      QStringLiteral("Bez")),
        kundenAuswahl(QStringLiteral("sprache"), QStringLiteral("Sprache"), QStringLiteral("S_SPRACH"),
                      QStringLiteral("Skz"), QStringLiteral("Sprache")),
        kundenAuswahl(QStringLiteral("franka"), QStringLiteral("Frankatur"), QStringLiteral("S_LIEFER"),
                      QStringLiteral("Lieferb"), QStringLiteral("Bedeutung;Lieferb")),
        {.feld = QStringLiteral("IsDeuZoll"),
         .beschriftung = QStringLiteral("Ident-Art"),
         .art = masterdata::Eingabeart::Werteliste,
         .werte = identArten()},
    };
    // The list: nummer to franka in the table's order.
    d.liste = {
        {QStringLiteral("nummer"), QStringLiteral("Kd-Nr.")},
        {QStringLiteral("name1"), QStringLiteral("Name")},
        {QStringLiteral("name2"), QStringLiteral("1. Zusatz")},
        {QStringLiteral("name3"), QStringLiteral("2. Zusatz")},
        {QStringLiteral("strasse"), QStringLiteral("Strasse")},
        {QStringLiteral("ort"), QStringLiteral("Ort")},
        {QStringLiteral("land"), QStringLiteral("Land")},
        {QStringLiteral("telefon"), QStringLiteral("Telefon")},
        {QStringLiteral("telefax"), QStringLiteral("Telefax")},
        {QStringLiteral("telex"), QStringLiteral("Telex")},
        {QStringLiteral("sprache"), QStringLiteral("Sprache")},
        {QStringLiteral("ustnr"), QStringLiteral("UST-Id.")},
        {QStringLiteral("franka"), QStringLiteral("Frankatur")},
    };
    d.nummern = {QStringLiteral("nummer"), true};
    d.uebernahme = {QStringLiteral("BitBtn1"), QStringLiteral("bbtAbbruch"), QStringLiteral("Abbruch"), true};
    d.schliessenMenue = QStringLiteral("&Schließen");
    d.listendruck = masterdata::listendruck<TfrmKunden_d>;
    d.groesse = {640, 600};
    return d;
}

// The address from a customer's fields, each cut to what the record holds.
// ZollNrDE is the flag ("1" for a German customs number) or, for the TIN
// search, the identification letter as stored.
enum class ZollNrDEAls { Kennzeichen, GespeicherterBuchstabe };

template<typename Feld>
void kundenAdresseFuellen(TKundenAdresse &adresse, Feld feld, ZollNrDEAls zollNrDE)
{
    adresse.TIN = feld(QStringLiteral("TIN")).left(15);
    const QString art = feld(QStringLiteral("IsDeuZoll"));
    adresse.ZollNrDE = zollNrDE == ZollNrDEAls::Kennzeichen ? ZollNrDEKennzeichen(art) : art.left(1);
    adresse.Name = feld(QStringLiteral("name1")).left(105);
    adresse.Street = feld(QStringLiteral("strasse")).left(70);
    adresse.PLZ = feld(QStringLiteral("PLZ")).left(5);
    adresse.City = feld(QStringLiteral("ort")).left(35);
    const QString land = feld(QStringLiteral("land"));
    db::Database &daten = masterdata::datenbank();
    adresse.Land = land.isEmpty() ? QString()
                                  : db::Query::scalar(daten,
                                                      QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?")
                                                          .arg(daten.quote(QStringLiteral("Lkz")),
                                                               daten.quote(QStringLiteral("S_LANDBZ")),
                                                               daten.quote(QStringLiteral("Land"))),
                                                      {land})
                                        .toString()
                                        .left(3);
}

void ausFormularFuellen(TKundenAdresse &adresse, db::Table &kunden)
{
    kundenAdresseFuellen(
        adresse, [&kunden](const QString &name) { return kunden.fieldByName(name).asString(); },
        ZollNrDEAls::Kennzeichen);
}

masterdata::Listenlayout kundenListenlayout()
{
    masterdata::Listenlayout l;
    l.name = QStringLiteral("frmKunden_d");
    l.titel = QStringLiteral("Kundenstammdaten");
    l.fortschritt = QStringLiteral("Kundenstamm wird gedruckt...");
    l.auftrag = QStringLiteral("Kundenstamm");
    l.ueberschrift = QStringLiteral("Kunden Stammdaten");
    l.ueberschriftX = 800;
    l.tabelle = QStringLiteral("S_KUNDEN");
    l.ordnung = QStringLiteral("iName1");
    l.proBlatt = 5;
    l.abstand = 530;
    l.trennlinie = 680;
    const QString w = QStringLiteral("Firma      : ");
    l.felder = {
        {QStringLiteral("Kunden-Nr. :"), 900, 200, w, {QStringLiteral("nummer")}},
        {QStringLiteral("Firma      :"), 150, 242, w, {QStringLiteral("name1")}},
        {QStringLiteral("Anschrift  :"), 150, 284},
        {{}, 150, 326, w, {QStringLiteral("name2")}},
        {{}, 150, 368, w, {QStringLiteral("name3")}},
        {{}, 150, 410, w, {QStringLiteral("strasse")}},
        {{}, 150, 452, w, {QStringLiteral("ort")}},
        {QStringLiteral("Telefon    :"), 150, 500, w, {QStringLiteral("telefon")}},
        {QStringLiteral("Telefax    :"), 150, 542, w, {QStringLiteral("telefax")}},
        {.beschriftung = QStringLiteral("Land       :"),
         .x = 150,
         .y = 626,
         .breiteText = w,
         .felder = {QStringLiteral("Bez")},
         .nachschlagTabelle = QStringLiteral("S_LANDBZ")},
        {.beschriftung = QStringLiteral("Sprache    :"),
         .x = 900,
         .y = 500,
         .breiteText = w,
         .felder = {QStringLiteral("Sprache")},
         .nachschlagTabelle = QStringLiteral("S_SPRACH")},
        {QStringLiteral("Frankatur  :"), 900, 542, w, {QStringLiteral("franka")}},
        {QStringLiteral("UST-ID     :"), 900, 584, w, {QStringLiteral("ustnr")}},
    };
    l.nachschlaege = {{QStringLiteral("S_LANDBZ"), QStringLiteral("land")},
                      {QStringLiteral("S_SPRACH"), QStringLiteral("sprache")}};
    l.fortschrittJeSatz = 10;
    return l;
}

} // namespace

QString ZollNrDEKennzeichen(const QString &isDeuZoll)
{
    return masterdata::Werteauswahl::eintragZu(identArten(), isDeuZoll) == 1 ? QStringLiteral("1")
                                                                                : QStringLiteral("0");
}

TfrmKunden::TfrmKunden(QWidget *parent) : Stammformular(kundenDeklaration(), parent)
{
    RadioGroup1 = new masterdata::Sortierwahl(*this, kundenSortSchluessel, kundenSortierung());
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    masterdata::datenImportMenue(*this, {QStringLiteral("S_KUNDEN.DB"), QStringLiteral("Nummer"), 1,
                                         QStringLiteral("Stammdaten Import !          * Kunden *"),
                                         QStringLiteral("KundenImport")});
}

bool TfrmKunden::KundeNachTIN(const QString &tin, TKundenAdresse &adresse)
{
    if (tin.isEmpty())
        return false;
    db::Database &daten = masterdata::datenbank();
    const QString spalte = daten.quote(QStringLiteral("TIN"));
    db::Query kunde(daten, QStringLiteral("SELECT * FROM %1 WHERE LOWER(%2) = LOWER(?) ORDER BY %3")
                               .arg(daten.quote(QStringLiteral("S_KUNDEN")), spalte, daten.quote(QStringLiteral("nummer"))));
    kunde.bind(0, tin);
    kunde.open();
    if (kunde.eof())
        return false;
    kundenAdresseFuellen(
        adresse, [&kunde](const QString &name) { return kunde.value(name).toString(); },
        ZollNrDEAls::GespeicherterBuchstabe);
    return true;
}

bool TfrmKunden::WaehleKundenAdresse(TKundenAdresse &adresse, QWidget *parent)
{
    TfrmKunden form(parent);
    form.uebernahmeZeigen();
    if (form.showModal() != ui::ModalResult::Ok || form.Table1->isEmpty())
        return false;
    ausFormularFuellen(adresse, *form.Table1);
    return true;
}

int TfrmKunden::WaehleKundenNr(QWidget *parent)
{
    TfrmKunden form(parent);
    form.uebernahmeZeigen();
    if (form.showModal() != ui::ModalResult::Ok || form.Table1->isEmpty())
        return -1;
    return form.Table1->fieldByName(QStringLiteral("nummer")).asInteger();
}

TfrmKunden_d::TfrmKunden_d(QWidget *parent) : Listendruck(kundenListenlayout(), parent)
{
    Label1->setObjectName(QStringLiteral("Label4"));
}
