#include "Druckbestand.h"
#include "Formhilfen.h"

#include "masterdata/AuswahlKunden.h"
#include "masterdata/Kunden.h"
#include "masterdata/Sortierwahl.h"
#include "masterdata/Werteauswahl.h"

#include "common/Ini.h"
#include "common/TSR_dbGrid.h"
#include "common/TfrmSuche.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

namespace {

class Kunden : public Druckbestand
{
protected:
    void kunden(const QStringList &felder, const QList<QVariantList> &zeilen)
    {
        anlegen(QStringLiteral("S_KUNDEN"), felder, zeilen);
    }

    // A customer with every field the address record takes.
    void adresskunde(int nummer, const QString &identArt, const QString &land = QStringLiteral("004"))
    {
        kunden({QStringLiteral("nummer"), QStringLiteral("name1"), QStringLiteral("strasse"), QStringLiteral("ort"),
                QStringLiteral("land"), QStringLiteral("TIN"), QStringLiteral("IsDeuZoll"), QStringLiteral("PLZ")},
               {{nummer, QStringLiteral("Kunde %1").arg(nummer), QStringLiteral("Hafenstraße 1"), QStringLiteral("Bremen"),
                 land, QStringLiteral("DE1234567890%1").arg(nummer, 3, 10, QLatin1Char('0')), identArt,
                 QStringLiteral("28195-X")}});
    }

    void laender()
    {
        anlegen(QStringLiteral("S_LANDBZ"), {QStringLiteral("Land"), QStringLiteral("Bez"), QStringLiteral("Lkz")},
                {{QStringLiteral("004"), QStringLiteral("Deutschland"), QStringLiteral("DE")}});
    }
};

TEST_P(Kunden, AddingTakesTheHighestNumberPlusOneAndStoresItAtOnce)
{
    struct Fall
    {
        QList<int> vorhanden;
        int vorschlag;
    };
    for (const Fall &fall : {Fall{{}, 1}, Fall{{1, 2, 7}, 8}}) {
        datenbank().execute(QStringLiteral("DELETE FROM %1").arg(datenbank().quote(QStringLiteral("S_KUNDEN"))));
        QList<QVariantList> zeilen;
        for (int nummer : fall.vorhanden)
            zeilen.append({nummer, QStringLiteral("Firma %1").arg(nummer)});
        kunden({QStringLiteral("nummer"), QStringLiteral("name1")}, zeilen);
        TfrmKunden form;
        zeigen(form);
        form.SpeedButton17->click();
        EXPECT_EQ(feld(form, QStringLiteral("nummer")), QString::number(fall.vorschlag));
        // Reserved at once, so that no other workstation proposes it too.
        EXPECT_EQ(anzahl(QStringLiteral("S_KUNDEN"), QStringLiteral("\"nummer\" = ?"), {fall.vorschlag}), 1);
        EXPECT_EQ(QApplication::focusWidget(), edit(form, 1));
        tippen(edit(form, 3), QStringLiteral("Neue Firma"));
        form.findChild<QAction *>(QStringLiteral("mnuSchliessen"))->trigger();
        EXPECT_EQ(wert(QStringLiteral("SELECT \"name1\" FROM \"S_KUNDEN\" WHERE \"nummer\" = ?"), {fall.vorschlag}).toString(),
                  QStringLiteral("Neue Firma"));
    }
}

TEST_P(Kunden, TheNumberSearchFindsTwelveButNotOneHundredAndTwenty)
{
    kunden({QStringLiteral("nummer"), QStringLiteral("name1")},
           {{12, QStringLiteral("Zwölf")}, {120, QStringLiteral("Hundertzwanzig")}, {1, QStringLiteral("Eins")}});
    TfrmKunden form;
    zeigen(form);
    int gefunden = -1;
    formulare.whenShown<TfrmSuche>([&](TfrmSuche &dialog) {
        dialog.RadioGroup1->setItemIndex(0);
        dialog.Edit1->setText(QStringLiteral("12"));
        dialog.SpeedButton3->click();
        gefunden = form.Table1->recordCount();
        dialog.SpeedButton1->click();
    });
    form.findChild<QAction *>(QStringLiteral("mnuSuche"))->trigger();
    EXPECT_EQ(gefunden, 1);
    EXPECT_EQ(feld(form, QStringLiteral("name1")), QStringLiteral("Zwölf"));
}

// Every item of "Ident-Art" keeps a letter of its own, the letter written
// before for a German customs number ("J") still reads as one; the TIN search
// hands the letter as stored, the take-over the customs-number flag.
TEST_P(Kunden, EachIdentificationKindKeepsItsOwnLetterAndGivesTheFlag)
{
    laender();
    struct Fall
    {
        QString gespeichert;
        QString angezeigt;   // the combo's text
        QString zollNrDE;
    };
    const QList<Fall> faelle = {
        {QStringLiteral("A"), QStringLiteral("Adressdaten"), QStringLiteral("0")},
        {QStringLiteral("Z"), QStringLiteral("Zollnummer"), QStringLiteral("1")},
        {QStringLiteral("E"), QStringLiteral("EORI-TIN"), QStringLiteral("0")},
        {QStringLiteral("T"), QStringLiteral("Adressdaten und TIN"), QStringLiteral("0")},
        {QStringLiteral("J"), QStringLiteral("Zollnummer"), QStringLiteral("1")},
        {QString(), QString(), QStringLiteral("0")},
    };
    for (int i = 0; i < faelle.size(); ++i)
        adresskunde(i + 1, faelle[i].gespeichert);

    {
        TfrmKunden form;
        zeigen(form);
        auto *art = form.findChild<QComboBox *>(QStringLiteral("DBComboBox1"));
        ASSERT_NE(art, nullptr);
        ASSERT_EQ(art->count(), 4);
        for (int i = 0; i < faelle.size(); ++i) {
            ASSERT_TRUE(form.Table1->locate(QStringLiteral("nummer"), {i + 1}));
            EXPECT_EQ(art->currentText(), faelle[i].angezeigt) << i;
        }
        // Choosing each item on the last customer writes its letter.
        QStringList geschrieben;
        for (int item = 0; item < art->count(); ++item) {
            art->setCurrentIndex(item);
            emit art->activated(item);
            form.Table1->post();
            geschrieben << wert(QStringLiteral("SELECT \"IsDeuZoll\" FROM \"S_KUNDEN\" WHERE \"nummer\" = 6")).toString();
        }
        EXPECT_EQ(geschrieben, (QStringList{QStringLiteral("A"), QStringLiteral("Z"), QStringLiteral("E"), QStringLiteral("T")}));
        form.Table1->edit();
        form.Table1->fieldByName(QStringLiteral("IsDeuZoll")).setAsString(QString());
        form.Table1->post();
    }

    for (int i = 0; i < faelle.size(); ++i) {
        TKundenAdresse nachTin;
        ASSERT_TRUE(TfrmKunden::KundeNachTIN(QStringLiteral("de1234567890%1").arg(i + 1, 3, 10, QLatin1Char('0')), nachTin));
        EXPECT_EQ(nachTin.ZollNrDE, faelle[i].gespeichert) << faelle[i].gespeichert.toStdString();
        EXPECT_EQ(nachTin.Name, QStringLiteral("Kunde %1").arg(i + 1));

        TKundenAdresse gewaehlt;
        formulare.whenShown<TfrmKunden>([&](TfrmKunden &form) {
            ASSERT_TRUE(form.Table1->locate(QStringLiteral("nummer"), {i + 1}));
            form.findChild<QAbstractButton *>(QStringLiteral("BitBtn1"))->click();
        });
        ASSERT_TRUE(AuswahlKunde(gewaehlt));
        EXPECT_EQ(gewaehlt.ZollNrDE, faelle[i].zollNrDE) << faelle[i].gespeichert.toStdString();
    }
}

TEST_P(Kunden, TheAddressRecordCarriesTheWholeTinAndTheCountryCode)
{
    laender();
    adresskunde(1, QStringLiteral("Z"));
    adresskunde(2, QStringLiteral("A"), QStringLiteral("999"));
    TKundenAdresse adresse;
    ASSERT_TRUE(TfrmKunden::KundeNachTIN(QStringLiteral("DE1234567890001"), adresse));
    EXPECT_EQ(adresse.TIN, QStringLiteral("DE1234567890001"));
    EXPECT_EQ(adresse.Name, QStringLiteral("Kunde 1"));
    EXPECT_EQ(adresse.Street, QStringLiteral("Hafenstraße 1"));
    EXPECT_EQ(adresse.PLZ, QStringLiteral("28195"));
    EXPECT_EQ(adresse.City, QStringLiteral("Bremen"));
    EXPECT_EQ(adresse.Land, QStringLiteral("DE"));

    // A country the country table does not hold: no code.
    formulare.whenShown<TfrmKunden>([](TfrmKunden &form) {
        ASSERT_TRUE(form.Table1->locate(QStringLiteral("nummer"), {2}));
        emit form.dbgrBenutzer->recordDoubleClicked();
    });
    ASSERT_TRUE(TfrmKunden::WaehleKundenAdresse(adresse));
    EXPECT_EQ(adresse.Name, QStringLiteral("Kunde 2"));
    EXPECT_EQ(adresse.Land, QString());

    // Not found, cancelled, or no TIN at all: the record stays as it was.
    const TKundenAdresse vorher = adresse;
    for (const QString &tin : {QStringLiteral("XX"), QString()}) {
        EXPECT_FALSE(TfrmKunden::KundeNachTIN(tin, adresse));
        EXPECT_EQ(adresse.Name, vorher.Name);
    }
    formulare.whenShown<TfrmKunden>([](TfrmKunden &form) { form.abbruchKnopf()->click(); });
    EXPECT_FALSE(AuswahlKunde(adresse));
    EXPECT_EQ(adresse.TIN, vorher.TIN);
    formulare.whenShown<TfrmKunden>([](TfrmKunden &form) {
        ASSERT_TRUE(form.Table1->locate(QStringLiteral("nummer"), {2}));
        form.findChild<QAbstractButton *>(QStringLiteral("BitBtn1"))->click();
    });
    EXPECT_EQ(TfrmKunden::WaehleKundenNr(), 2);
    formulare.whenShown<TfrmKunden>([](TfrmKunden &form) { form.close(); });
    EXPECT_EQ(TfrmKunden::WaehleKundenNr(), -1);
}

TEST_P(Kunden, TheSortChoiceIsReadAndKeptInTheIniFile)
{
    kunden({QStringLiteral("nummer"), QStringLiteral("name1")},
           {{2, QStringLiteral("Anton")}, {1, QStringLiteral("Zeppelin")}});
    {
        TfrmKunden form;
        zeigen(form);
        EXPECT_EQ(form.RadioGroup1->itemIndex(), 0);
        EXPECT_EQ(feld(form, QStringLiteral("name1")), QStringLiteral("Zeppelin"));
        form.RadioGroup1->button(1)->click();
        EXPECT_EQ(feld(form, QStringLiteral("name1")), QStringLiteral("Anton"));
        EXPECT_EQ(form.Table1->indexName(), QStringLiteral("iName1"));
    }
    EXPECT_EQ(IniLesen(QStringLiteral("Kunden"), QString()), QStringLiteral("1"));
    {
        TfrmKunden form;
        zeigen(form);
        EXPECT_EQ(form.RadioGroup1->itemIndex(), 1);
        EXPECT_EQ(feld(form, QStringLiteral("name1")), QStringLiteral("Anton"));
    }
    // A key naming no item gives the first one.
    IniSchreiben(QStringLiteral("Kunden"), QStringLiteral("7"));
    TfrmKunden form;
    zeigen(form);
    EXPECT_EQ(form.RadioGroup1->itemIndex(), 0);
    EXPECT_EQ(feld(form, QStringLiteral("name1")), QStringLiteral("Zeppelin"));
}

TEST_P(Kunden, SixCustomersPrintFiveOnTheFirstSheetAndOneOnTheSecond)
{
    laender();
    anlegen(QStringLiteral("S_SPRACH"), {QStringLiteral("Skz"), QStringLiteral("Sprache")},
            {{QStringLiteral("E"), QStringLiteral("Englisch")}});
    QList<QVariantList> zeilen;
    for (int i = 1; i <= 6; ++i) {
        zeilen.append({i, QStringLiteral("Firma %1").arg(i), i == 1 ? QStringLiteral("004") : QStringLiteral("999"),
                       QStringLiteral("E"), QStringLiteral("Ort %1").arg(i)});
    }
    kunden({QStringLiteral("nummer"), QStringLiteral("name1"), QStringLiteral("land"), QStringLiteral("sprache"),
            QStringLiteral("ort")},
           zeilen);
    {
        TfrmKunden_d druck;
        EXPECT_EQ(druck.windowTitle(), QStringLiteral("Druck \"Kundenstammdaten\""));
        EXPECT_EQ(drucken(druck), QStringLiteral("Bitte legen Sie 2 leere Blätter \nin den Drucker ein! "));
    }
    ASSERT_EQ(aufnahme.jobs().size(), 2);
    EXPECT_EQ(titel(), QStringList(2, QStringLiteral("Razazu / Versand: Kundenstamm")));
    EXPECT_TRUE(aufnahme.hasText(QStringLiteral("Kunden Stammdaten"), 800, 50));
    const int zweite = aufnahme.jobs()[1].firstPage;
    EXPECT_EQ(aufnahme.findText(QStringLiteral("Firma 6"))->page, zweite);
    EXPECT_EQ(aufnahme.findText(QStringLiteral("Firma 5"))->position.y(), 242 + 4 * 530);
    EXPECT_EQ(aufnahme.findText(QStringLiteral("Ort 1"))->position.y(), 452);
    const auto land = aufnahme.findText(QStringLiteral("Deutschland"));
    ASSERT_TRUE(land.has_value());
    EXPECT_EQ(land->position.y(), 626);
    EXPECT_EQ(aufnahme.findAll(QStringLiteral("Deutschland")).size(), 1);
    EXPECT_EQ(aufnahme.findAll(QStringLiteral("Englisch")).size(), 6);
    const auto sprache = aufnahme.findText(QStringLiteral("Englisch"));
    EXPECT_EQ(sprache->position.y(), 500);
    EXPECT_GT(sprache->position.x(), 900);
}

INSTANTIATE_TEST_SUITE_P(Speicher, Kunden, testing::Values(Speicher::SQLite, Speicher::PostgreSQL), speicherName);

} // namespace
