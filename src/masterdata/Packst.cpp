#include "Packst.h"
#include "Stammdatenbank.h"
#include "Sprachwahl.h"

#include "common/TSR_dbGrid.h"

#include "platform/db/Table.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

// The language texts: in this master the fourth language name labels column
// s and the fifth column p, and stored tables rely on that pairing.
const QStringList sprachSpalten = {QStringLiteral("bez"), QStringLiteral("e"), QStringLiteral("f"),
                                   QStringLiteral("s"), QStringLiteral("p")};

// The list's column titles, which do not follow the language names.
const QStringList packstSpaltentitel = {QStringLiteral("Bezeichnung"), QStringLiteral("Englisch"),
                                        QStringLiteral("Französich"), QStringLiteral("Spanisch"),
                                        QStringLiteral("Portugisisch")};

// The language names; where the parameter record names none, the list's
// column title.
QStringList packstSprachen()
{
    QStringList namen = masterdata::sprachnamen();
    for (int sprache = 0; sprache < namen.size(); ++sprache) {
        if (namen[sprache].isEmpty())
            namen[sprache] = packstSpaltentitel[sprache];
    }
    return namen;
}

masterdata::Stammdeklaration packstDeklaration()
{
    const QStringList sprachen = packstSprachen();
    masterdata::Stammdeklaration d;
    d.name = QStringLiteral("frmPackst");
    d.titel = QStringLiteral("Packstücke");
    d.tabelle = QStringLiteral("S_PACKST");
    d.suche = {
        {QStringLiteral("Packart"), QStringLiteral("PackArt"), true, 11},
        {QStringLiteral("Bezeichnung"), QStringLiteral("Bez"), true, 0},
    };
    d.ordnungNachSuche = QStringLiteral("iBez");
    d.hinweise = {
        QStringLiteral("Erstes Packstück"),
        QStringLiteral("Vorheriges Packstück"),
        QStringLiteral("Nächstes Packstück"),
        QStringLiteral("Letztes Packstück"),
        QStringLiteral("Packstück hinzufügen"),
        QStringLiteral("Aktuelles Packstück löschen"),
        QStringLiteral("Aktuelles Packstück bearbeiten"),
    };
    d.karte = {
        {.feld = QStringLiteral("packart"), .beschriftung = QStringLiteral("Packart")},
        {.feld = QStringLiteral("Besch"), .beschriftung = QStringLiteral("Beschreibung ")},
    };
    for (int sprache = 0; sprache < sprachSpalten.size(); ++sprache)
        d.karte.append({.feld = sprachSpalten[sprache], .beschriftung = sprachen[sprache]});
    d.karte.append({.feld = QStringLiteral("laenge"), .beschriftung = QStringLiteral("Länge")});
    d.karte.append({.feld = QStringLiteral("breite"), .beschriftung = QStringLiteral("Breite")});
    d.karte.append({.feld = QStringLiteral("hoehe"), .beschriftung = QStringLiteral("Höhe")});
    // The description before the language texts and the longer description
    // last, whatever the card's tab order.
    d.liste = {{QStringLiteral("packart"), QStringLiteral("Art")}};
    for (int sprache = 0; sprache < sprachSpalten.size(); ++sprache)
        d.liste.append({sprachSpalten[sprache], packstSpaltentitel[sprache]});
    d.liste.append({{QStringLiteral("laenge"), QStringLiteral("Länge")},
                    {QStringLiteral("breite"), QStringLiteral("Breite")},
                    {QStringLiteral("hoehe"), QStringLiteral("Höhe")},
                    {QStringLiteral("Besch"), QStringLiteral("Beschreibung")}});
    d.uebernahme = {QStringLiteral("BitBtn1"), QStringLiteral("bbtAbbruch"), QStringLiteral("Abbruch"), true};
    d.listendruck = masterdata::listendruck<TfrmPackst_d>;
    return d;
}

masterdata::Listenlayout packstListenlayout()
{
    const QStringList sprachen = packstSprachen();
    masterdata::Listenlayout l;
    l.name = QStringLiteral("frmPackst_d");
    l.titel = QStringLiteral("Packstücke");
    l.fortschritt = QStringLiteral("Die Packstücke werden geduckt...");
    l.auftrag = QStringLiteral("Packstücke");
    l.ueberschrift = QStringLiteral("Packstücke");
    l.ueberschriftX = 900;
    l.tabelle = QStringLiteral("S_PACKST");
    l.proBlatt = 7;
    l.rahmenRechts = 2000;
    l.rahmenUnten = 2610;
    l.abstand = 350;
    l.trennlinie = 200 + 310;
    l.fortschrittJeSatz = 10;
    const QString masse = QStringLiteral("Packart: ");
    const QString texte = QStringLiteral("123456789012345 : ");
    l.felder = {
        {QStringLiteral("Packart :"), 900, 200, QStringLiteral("Packart : "), {QStringLiteral("packart")}},
        {QStringLiteral("Länge  :"), 150, 242, masse, {QStringLiteral("laenge")}},
        {QStringLiteral("Breite :"), 150, 284, masse, {QStringLiteral("breite")}},
        {QStringLiteral("Höhe   :"), 150, 326, masse, {QStringLiteral("hoehe")}},
    };
    // The value column lies at x 900 plus the width of texte, whatever the
    // caption's own width: a caption is placed as label and value apart.
    for (int sprache = 0; sprache < sprachSpalten.size(); ++sprache) {
        const int y = 284 + 42 * sprache;
        l.felder.append({sprachen[sprache] + QStringLiteral(" :"), 900, y});
        l.felder.append({.x = 900, .y = y, .breiteText = texte, .felder = {sprachSpalten[sprache]}});
    }
    return l;
}

} // namespace

QString AnzahlMitPackart(const Packstueckwahl &wahl)
{
    return wahl.anzahl + QLatin1Char(' ') + wahl.packart;
}

QString AnzahlMitBezeichnung(const Packstueckwahl &wahl)
{
    return wahl.anzahl + QLatin1Char(' ') + wahl.bez;
}

QString AnzahlAusZeile(const QString &zeile)
{
    const qsizetype blank = zeile.indexOf(QLatin1Char(' '));
    return blank < 0 ? QString() : zeile.left(blank);
}

TfrmPackst::TfrmPackst(QWidget *parent) : Stammformular(packstDeklaration(), parent)
{
    Edit2 = new QLineEdit(QStringLiteral("1"), body());
    Edit2->setObjectName(QStringLiteral("Edit2"));
    auto *label = new QLabel(QStringLiteral("Anzahl :"), body());
    label->setBuddy(Edit2);
    const int zeile = karte()->rowCount();
    karte()->addWidget(label, zeile, 0);
    karte()->addWidget(Edit2, zeile, 1);
}

std::optional<Packstueckwahl> TfrmPackst::Waehlen(QWidget *parent, const QString &anzahl)
{
    TfrmPackst form(parent);
    form.Edit2->setText(anzahl);
    form.uebernahmeZeigen();
    if (form.showModal() != ui::ModalResult::Ok || form.Table1->isEmpty())
        return std::nullopt;
    db::Table &satz = *form.Table1;
    return Packstueckwahl{form.Edit2->text(),
                          satz.fieldByName(QStringLiteral("packart")).asString(),
                          satz.fieldByName(QStringLiteral("bez")).asString(),
                          satz.fieldByName(QStringLiteral("laenge")).asInteger(),
                          satz.fieldByName(QStringLiteral("breite")).asInteger(),
                          satz.fieldByName(QStringLiteral("hoehe")).asInteger()};
}

QString TfrmPackst::PackartBezeichnung(const QString &packart)
{
    if (packart.isEmpty())
        return {};
    db::Table packstuecke(masterdata::datenbank(), QStringLiteral("S_PACKST"));
    packstuecke.setReadOnly(true);
    packstuecke.open();
    if (!packstuecke.locate(QStringLiteral("packart"), {packart}, {.caseInsensitive = true}))
        return {};
    return packstuecke.fieldByName(QStringLiteral("bez")).asString();
}

QString TfrmPackst::WaehlePackart(const QString &start)
{
    TfrmPackst form;
    if (!start.isEmpty()) {
        form.oeffnen();
        if (!form.Table1->locate(QStringLiteral("packart"), {start}, {.caseInsensitive = true}))
            form.Table1->first();
    }
    form.uebernahmeZeigen();
    if (form.showModal() != ui::ModalResult::Ok || form.Table1->isEmpty())
        return {};
    return form.Table1->fieldByName(QStringLiteral("packart")).asString();
}

TfrmPackst_d::TfrmPackst_d(QWidget *parent) : Listendruck(packstListenlayout(), parent)
{
}
