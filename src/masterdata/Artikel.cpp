#include "Artikel.h"
#include "DatenImport.h"
#include "Sortierwahl.h"
#include "Ware_e.h"

#include "platform/db/DatabaseError.h"
#include "platform/db/Table.h"
#include "platform/sys/GermanFormat.h"
#include "platform/ui/DataControls.h"
#include "platform/ui/Guard.h"

#include <QAbstractButton>

namespace {

constexpr int artikelZeilen = 6;

// The column prefixes of the five language buttons: German, English,
// French, Portuguese, Spanish.
const QStringList artikelSprachen = {QStringLiteral("bez"), QStringLiteral("e"), QStringLiteral("f"),
                                     QStringLiteral("p"), QStringLiteral("s")};

const QString artikelSortSchluessel = QStringLiteral("Artikel");

const QList<masterdata::Sortiereintrag> &artikelSortierung()
{
    static const QList<masterdata::Sortiereintrag> eintraege = {
        {QStringLiteral("Artikel-Nr."), QString()},   // the primary key, artikel
        {QStringLiteral("Bezeichnung"), QStringLiteral("iBez1")},
    };
    return eintraege;
}

masterdata::Stammdeklaration artikelDeklaration()
{
    masterdata::Stammdeklaration d;
    d.name = QStringLiteral("frmArtikel");
    d.titel = QStringLiteral("Artikelverwaltung");
    d.tabelle = QStringLiteral("S_ARTIST");
    d.ordnung = masterdata::Sortierwahl::gespeicherteOrdnung(artikelSortSchluessel, artikelSortierung());
    d.suche = {
        {QStringLiteral("Artikel-Nr."), QStringLiteral("Artikel"), true, 11},
        {QStringLiteral("Artikel"), QStringLiteral("Bez1"), true, 0},
    };
    d.ordnungNachSuche = QStringLiteral("iBez1");
    d.hinweise = {
        QStringLiteral("Erster Artikel"),
        QStringLiteral("Vorheriger Artikel"),
        QStringLiteral("Nächster Artikel"),
        QStringLiteral("Letzter Artikel"),
        QStringLiteral("Artikel hinzufügen"),
        QStringLiteral("Aktuellen Artikel löschen"),
        QStringLiteral("aktuellen Artikel bearbeiten"),
    };
    d.karte = {
        {.feld = QStringLiteral("artikel"), .beschriftung = QStringLiteral("Artikelnummer"), .spalte = QStringLiteral("Artikel-Nr.")},
        {.feld = QStringLiteral("waren"),
         .beschriftung = QStringLiteral("Warennummer"),
         .spalte = QStringLiteral("Waren-Nr."),
         .knopf = QStringLiteral("btnWarenNr")},
    };
    for (int zeile = 1; zeile <= artikelZeilen; ++zeile)
        d.karte.append({.feld = QStringLiteral("bez%1").arg(zeile),
                        .beschriftung = QStringLiteral("Bezeichnung %1").arg(zeile),
                        .imListe = zeile <= 4});
    d.karte.append({.feld = QStringLiteral("preis"), .beschriftung = QStringLiteral("Preis")});
    d.karte.append({.feld = QStringLiteral("netto"), .beschriftung = QStringLiteral("Nettogewicht")});
    masterdata::Auswahlliste land = masterdata::landNachKennzeichen();
    land.buchstabensuche = false;
    d.karte.append({.feld = QStringLiteral("urland"),
                    .beschriftung = QStringLiteral("Ursprungsland"),
                    .art = masterdata::Eingabeart::Auswahl,
                    .spalte = QStringLiteral("urland"),
                    .liste = land});
    d.karte.append({.feld = QStringLiteral("Praefberech"),
                    .beschriftung = QStringLiteral("Präferenzberechtigt"),
                    .art = masterdata::Eingabeart::Kontrollkaestchen,
                    .wahr = QStringLiteral("Wahr"),
                    .falsch = QStringLiteral("Falsch")});
    d.uebernahme = {QStringLiteral("SpeedButton9"), QStringLiteral("SpeedButton6"), QStringLiteral("Abbrechen"), true};
    d.nummern = {.feld = QStringLiteral("artikel"), .vorschlag = [](masterdata::Stammformular &form) -> qint64 {
                     // A proposal that fails (a locked table, say) adds nothing and says nothing.
                     try {
                         return static_cast<TfrmArtikel &>(form).ArtikelNrVorschlagen();
                     } catch (const std::exception &) {
                         throw db::Abort();
                     }
                 }};
    d.listendruck = masterdata::listendruck<TDruckArtikel>;
    return d;
}

masterdata::Listenlayout artikelListenlayout()
{
    masterdata::Listenlayout l;
    l.name = QStringLiteral("DruckArtikel");
    l.titel = QStringLiteral("Artikelstammdaten");
    l.fortschritt = QStringLiteral("Die Artikel werden geduckt...");
    l.auftrag = QStringLiteral("Artikelstamm");
    l.ueberschrift = QStringLiteral("Artikel Stammdaten");
    l.ueberschriftX = 850;
    l.tabelle = QStringLiteral("S_ARTIST");
    l.proBlatt = 5;
    l.rahmenRechts = 2000;
    l.rahmenUnten = 2790;
    l.abstand = 530;
    l.trennlinie = 670;
    l.trennlinieAmBlattende = false;
    const QString links = QStringLiteral("Artikelnr.            : ");
    const QString rechts = QStringLiteral("Netto Gewicht : ");
    l.felder = {
        {links, 150, 200, links, {QStringLiteral("artikel")}},
        {QStringLiteral("Statistische Warennr. : "), 150, 242, links, {QStringLiteral("waren")}},
        {.beschriftung = QStringLiteral("Ursprungsland         : "),
         .x = 150,
         .y = 284,
         .breiteText = links,
         .felder = {QStringLiteral("Bez")},
         .nachgeschlagen = true},
        {.beschriftung = QStringLiteral("Preis         : "),
         .x = 1200,
         .y = 200,
         .breiteText = rechts,
         .text = [](db::Table &satz) {
             return sys::german::formatNumber(satz.fieldByName(QStringLiteral("preis")).asFloat(), 2, true)
                 + QStringLiteral(" €");
         }},
        {.beschriftung = rechts,
         .x = 1200,
         .y = 242,
         .breiteText = rechts,
         .text = [](db::Table &satz) {
             return sys::german::formatNumber(satz.fieldByName(QStringLiteral("netto")).asFloat(), 2, true);
         }},
    };
    for (int zeile = 1; zeile <= artikelZeilen; ++zeile)
        l.felder.append({.x = 150, .y = 342 + 42 * (zeile - 1), .felder = {QStringLiteral("bez%1").arg(zeile)}});
    l.nachschlag = {QStringLiteral("S_LANDBZ"), QStringLiteral("urland"), QStringLiteral("Lkz")};
    // The article list alone prints its captions regular.
    for (masterdata::Listenfeld &feld : l.felder)
        feld.unterstrichen = false;
    return l;
}

} // namespace

TfrmArtikel::TfrmArtikel(QWidget *parent)
    : Textstammformular(artikelDeklaration(), artikelSprachen, artikelZeilen, parent)
{
    RadioGroup1 = new masterdata::Sortierwahl(*this, artikelSortSchluessel, artikelSortierung(), true);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    masterdata::datenImportMenue(*this, {QStringLiteral("S_Artist.DB"), QStringLiteral("Artikel"), 2,
                                        QStringLiteral("Stammdaten Import !          * Artikel *"),
                                        QStringLiteral("Artikel-Import")});

    auto *artikelNr = findChild<ui::DataEdit *>(QStringLiteral("DBEdit1"));
    connect(artikelNr, &ui::DataEdit::exited, this, [this, artikelNr] {
        bool zahl = false;
        const int nummer = artikelNr->text().trimmed().toInt(&zahl);
        if (zahl)
            LetzteArtikelNr = nummer;
    });

    btnWarenNr = kartenKnopf(QStringLiteral("btnWarenNr"));
    connect(btnWarenNr, &QAbstractButton::clicked, this, ui::guarded([this] { WarenNrWaehlen(); }));

    // Defaults, so that a new article the clerk leaves untouched is dropped.
    ereignisse_ << Table1->onNewRecord.add([](db::Table &artikel) {
        artikel.fieldByName(QStringLiteral("preis")).setValue(0.0);
        artikel.fieldByName(QStringLiteral("netto")).setValue(0.0);
    });
}

TfrmArtikel::~TfrmArtikel()
{
    for (db::Subscription &ereignis : ereignisse_)
        ereignis.remove();
}

int TfrmArtikel::ArtikelNrVorschlagen()
{
    Table1->checkBrowseMode();
    masterdata::ordnungSetzen(*Table1, QString());
    int nummer = LetzteArtikelNr + 1;
    while (Table1->findKey({QString::number(nummer)}))
        ++nummer;
    masterdata::ordnungSetzen(*Table1, QStringLiteral("iBez1"));
    LetzteArtikelNr = nummer;
    return nummer;
}

void TfrmArtikel::WarenNrWaehlen()
{
    if (Table1->state() == db::DatasetState::Browse) {
        if (Table1->isEmpty())
            Table1->append();
        else
            Table1->edit();
    }
    TfrmWare_e auswahl(this);
    auswahl.move(pos() + QPoint(112, 176));
    const QString waren = auswahl.waehle(QStringLiteral("waren"));
    if (!waren.isEmpty())
        Table1->fieldByName(QStringLiteral("waren")).setAsString(waren);
    Table1->post();
}

void TfrmArtikel::WaehleArtikelText(const QString &, QString &text)
{
    TfrmArtikel form;
    form.uebernahmeZeigen();
    text.clear();
    if (form.showModal() != ui::ModalResult::Ok || form.Table1->isEmpty())
        return;
    QStringList zeilen;
    for (int zeile = 1; zeile <= artikelZeilen; ++zeile)
        zeilen << form.Table1->fieldByName(QStringLiteral("bez%1").arg(zeile)).asString();
    text = zeilen.join(QLatin1Char(' '));
}

TDruckArtikel::TDruckArtikel(QWidget *parent) : Listendruck(artikelListenlayout(), parent)
{
    setWindowTitle(QStringLiteral("Druck \"Artikelstammdaten\" keine "));
}
