#include "Ware.h"
#include "DatenImport.h"
#include "Sortierwahl.h"

#include "common/TSR_dbGrid.h"

#include "platform/db/Table.h"
#include "platform/ui/DataControls.h"
#include "platform/ui/SpeedButton.h"

namespace {

constexpr int warenZeilen = 9;

const QString warenSortSchluessel = QStringLiteral("WarenNr");

const QList<masterdata::Sortiereintrag> &warenSortierung()
{
    static const QList<masterdata::Sortiereintrag> eintraege = {
        {QStringLiteral("St. Waren-Nr."), QStringLiteral("iware")},
        {QStringLiteral("Bezeichnung"), QStringLiteral("ibez")},
    };
    return eintraege;
}

masterdata::Stammdeklaration warenDeklaration()
{
    masterdata::Stammdeklaration d;
    d.name = QStringLiteral("frmWare");
    d.titel = QStringLiteral("Statistische Warennummern");
    d.tabelle = QStringLiteral("S_WARENN");
    d.ordnung = masterdata::Sortierwahl::gespeicherteOrdnung(warenSortSchluessel, warenSortierung());
    // The rows have no key of their own: the search comes back to the row
    // taken by the store's identity of it, which tells apart even rows that
    // agree in all seven fields of the index iFind.
    d.suche = {
        {QStringLiteral("Stat.-Waren-Nr."), QStringLiteral("Waren"), true, 11},
        {QStringLiteral("Bezeichnung"), QStringLiteral("Bez1"), true, 0},
    };
    d.ordnungNachSuche = QStringLiteral("ibez");
    d.hinweise = {
        QStringLiteral("Erste Stat.-Waren-Nr."),
        QStringLiteral("Vorherige Stat.-Waren-Nr."),
        QStringLiteral("Nächste Stat.-Waren-Nr."),
        QStringLiteral("Letzte Stat.-Waren-Nr."),
        QStringLiteral("Stat.-Waren-Nr. einfügen"),
        QStringLiteral("Stat.-Waren-Nr. löschen"),
        QStringLiteral("Stat.-Waren-Nr. bearbeiten"),
    };
    // The code parts stand beside the goods number, each with its label.
    d.karte = {{.feld = QStringLiteral("waren"), .beschriftung = QStringLiteral("Warennummer"), .zeichen = 8}};
    const struct
    {
        const char *feld;
        QString beschriftung;
        int zeichen;
    } codeteile[] = {
        {"Waren2", QStringLiteral("TARIC-Code"), 2},
        {"Waren3", QStringLiteral("1. Zusatzcode"), 4},
        {"Waren4", QStringLiteral("2. Zusatzcode"), 4},
        {"Waren5", QStringLiteral("Nat. Zusatzcode"), 4},
    };
    for (const auto &teil : codeteile)
        d.karte.append({.feld = QLatin1String(teil.feld),
                        .beschriftung = teil.beschriftung,
                        .spalte = QLatin1String(teil.feld),
                        .nebenVorigem = true,
                        .zeichen = teil.zeichen});
    for (int zeile = 1; zeile <= warenZeilen; ++zeile)
        d.karte.append({.feld = QStringLiteral("bez%1").arg(zeile), .beschriftung = QStringLiteral("Bezeichnung %1").arg(zeile)});
    d.karte.append({.feld = QStringLiteral("maseinheit"),
                    .beschriftung = QStringLiteral("Besondere Maßeinheit"),
                    .art = masterdata::Eingabeart::Kontrollkaestchen,
                    .spalte = QStringLiteral("Bes. Maßeinheit"),
                    .wahr = QStringLiteral("J"),
                    .falsch = QStringLiteral("N")});
    masterdata::Auswahlliste ursprungsland = masterdata::landNachKennzeichen();
    ursprungsland.namensIndexBeimBetreten = true;
    d.karte.append({.feld = QStringLiteral("Land"),
                    .beschriftung = QStringLiteral("Ursprungsland"),
                    .art = masterdata::Eingabeart::Auswahl,
                    .spalte = QStringLiteral("Land"),
                    .liste = ursprungsland});
    d.karte.append({.feld = QStringLiteral("Brutto"), .beschriftung = QStringLiteral("Brutto :"), .spalte = QStringLiteral("Brutto")});
    d.karte.append({.feld = QStringLiteral("Netto"), .beschriftung = QStringLiteral("Netto :"), .spalte = QStringLiteral("Netto")});
    d.uebernahme = {QStringLiteral("BitBtn1"), QStringLiteral("bbtAbbruch"), QStringLiteral("Abbrechen"), true};
    d.listendruck = masterdata::listendruck<TfrmWare_d>;
    d.groesse = {760, 720};
    return d;
}

masterdata::Listenlayout warenListenlayout()
{
    masterdata::Listenlayout l;
    l.name = QStringLiteral("frmWare_d");
    l.titel = QStringLiteral("Statistische Warennummer");
    l.fortschritt = QStringLiteral("Statistische Waren-Nr. wird gedruckt...");
    l.auftrag = QStringLiteral("Statistische Warennummer");
    l.ueberschrift = QStringLiteral("Statistische Warennummer");
    l.ueberschriftX = 750;
    l.tabelle = QStringLiteral("S_WARENN");
    l.ordnung = QStringLiteral("iware");
    l.proBlatt = 4;
    l.rahmenRechts = 2000;
    l.rahmenUnten = 2840;
    l.abstand = 670;
    l.trennlinie = 830;
    l.fortschrittJeSatz = 11;
    l.felder = {{QStringLiteral("Warennummer   :"), 550, 200, QStringLiteral("Warennummer   : "),
                 {QStringLiteral("waren"), QStringLiteral("Waren2"), QStringLiteral("Waren3"), QStringLiteral("Waren4"),
                  QStringLiteral("Waren5")}}};
    for (int zeile = 1; zeile <= warenZeilen; ++zeile)
        l.felder.append({QStringLiteral("Bezeichnung %1        :").arg(zeile), 150, 260 + 42 * (zeile - 1),
                         QStringLiteral("Bezeichnung 1        : "), {QStringLiteral("bez%1").arg(zeile)}});
    const QString wertSpalte = QStringLiteral("Besondere Maßeinheit : ");
    l.felder.append({.beschriftung = QStringLiteral("Besondere Maßeinheit :"),
                     .x = 150,
                     .y = 652,
                     .breiteText = wertSpalte,
                     .felder = {QStringLiteral("Einheit")},
                     .nurWenn = [](db::Table &satz) {
                         return satz.fieldByName(QStringLiteral("maseinheit")).asString().toUpper() == u"J";
                     }});
    l.felder.append({.beschriftung = QStringLiteral("Ursprungsland        :"),
                     .x = 150,
                     .y = 694,
                     .breiteText = wertSpalte,
                     .felder = {QStringLiteral("Bez")},
                     .nachgeschlagen = true});
    l.felder.append({QStringLiteral("Brutto Gewicht       :"), 150, 736, wertSpalte, {QStringLiteral("Brutto")}});
    l.felder.append({QStringLiteral("Netto Gewicht        :"), 150, 778, wertSpalte, {QStringLiteral("Netto")}});
    l.nachschlag = {QStringLiteral("S_LANDBZ"), QStringLiteral("Land"), QStringLiteral("Lkz")};
    return l;
}

QString warenFeld(db::Table &waren, const QString &feld, int laenge = -1)
{
    return waren.fieldByName(feld).asString().left(laenge);
}

} // namespace

TWarenNrRec WarenNrRecAusSatz(db::Table &waren)
{
    TWarenNrRec satz;
    satz.WarenNr = warenFeld(waren, QStringLiteral("waren"), 8);
    satz.WarenNr_TARIC = warenFeld(waren, QStringLiteral("Waren2"), 2);
    satz.WarenNr_Zus1 = warenFeld(waren, QStringLiteral("Waren3"), 4);
    satz.WarenNr_Zus2 = warenFeld(waren, QStringLiteral("Waren4"), 4);
    satz.WarenNr_nat = warenFeld(waren, QStringLiteral("Waren5"), 4);
    QStringList zeilen;
    for (int zeile = 1; zeile <= warenZeilen; ++zeile)
        zeilen << warenFeld(waren, QStringLiteral("bez%1").arg(zeile));
    satz.WarenBez = zeilen.join(QLatin1Char(' '));
    return satz;
}

QString WarenNrTextAusSatz(db::Table &waren)
{
    QStringList teile;
    for (const char *teil : {"waren", "Waren2", "Waren3", "Waren4"})
        teile << warenFeld(waren, QLatin1String(teil));
    return teile.join(QLatin1Char(';'));
}

TfrmWare::TfrmWare(QWidget *parent) : Stammformular(warenDeklaration(), parent)
{
    RadioGroup1 = new masterdata::Sortierwahl(*this, warenSortSchluessel, warenSortierung(), true);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    masterdata::datenImportMenue(
        *this, {QStringLiteral("S_WARENN.DB"), QStringLiteral("waren;bez1;bez2;bez3;bez4;bez5;Land"), 3,
                QStringLiteral("Stammdaten Import !          * Statistische Waren-Nr. und Artiekel-Stammdaten *"),
                QStringLiteral("WarenImport")});

    // The unit comes only with imported rows: every click on the box drops it.
    if (auto *masseinheit = findChild<ui::DataCheckBox *>(QStringLiteral("DBCheckBox1"))) {
        connect(masseinheit, &QAbstractButton::clicked, this, [this] {
            if (Table1->state() == db::DatasetState::Edit || Table1->state() == db::DatasetState::Insert)
                Table1->fieldByName(QStringLiteral("Einheit")).setAsString(QString());
        });
    }
    for (ui::SpeedButton *knopf : {SpeedButton13, SpeedButton14, SpeedButton15, SpeedButton16, SpeedButton18})
        connect(knopf, &QAbstractButton::clicked, dbgrBenutzer, [this] { dbgrBenutzer->setFocus(); });
}

bool TfrmWare::WaehleWarenNr(TWarenNrRec &satz)
{
    TfrmWare form;
    form.uebernahmeZeigen();
    if (form.showModal() != ui::ModalResult::Ok || form.Table1->isEmpty())
        return false;
    satz = WarenNrRecAusSatz(*form.Table1);
    return true;
}

void TfrmWare::WaehleWarenNrText(QString &text)
{
    TfrmWare form;
    form.uebernahmeZeigen();
    text = form.showModal() == ui::ModalResult::Ok && !form.Table1->isEmpty() ? WarenNrTextAusSatz(*form.Table1)
                                                                            : QString();
}

TfrmWare_d::TfrmWare_d(QWidget *parent) : Listendruck(warenListenlayout(), parent)
{
    Label1->setObjectName(QStringLiteral("Label4"));
}
