#include "Eingabetest.h"
#include "support/ModalForms.h"
#include "support/ScriptedDialogs.h"

#include "common/TSR_dbGrid.h"
#include "common/Tabellen.h"
#include "masterdata/Eingabeauswahlen.h"
#include "masterdata/Kunden.h"
#include "masterdata/Lnder_e.h"
#include "masterdata/Tabellen.h"
#include "masterdata/TfrmAllgemein.h"
#include "masterdata/TfrmData1.h"
#include "masterdata/Ware.h"
#include "platform/db/Schema.h"
#include "platform/db/Table.h"
#include "platform/ui/SpeedButton.h"
#include "sad_export/Ausfuhrauswahlen.h"
#include "common/Positionsformular.h"
#include "common/Belegformular.h"
#include "sad_export/TfrmInfoF40.h"
#include "sad_export/TfrmRegieAE.h"

#include <QAbstractButton>
#include <QPushButton>

namespace {

// The entry forms with the program's own selection dialogs behind their
// lookups, over a few master records.
class StammauswahlTest : public AusfuhrTest
{
protected:
    void SetUp() override
    {
        AusfuhrTest::SetUp();
        if (IsSkipped())
            return;
        // Every master table, as a new data store has them.
        common::tabellenAnmelden();
        masterdata::tabellenAnmelden();
        for (const db::TableDef &tabelle : db::Schema::tablesOf(QStringLiteral("Z_Tavero"))) {
            if (!daten->datenbank.tableExists(tabelle.name))
                daten->datenbank.createTable(tabelle);
        }
        const char *laender[][5] = {{"004", "Deutschland", "DE", "EUR", "D"},
                                    {"400", "Vereinigte Staaten", "US", "USD", "USA"},
                                    {"690", "Ukraine", "UA", "UAH", "UKR"}};
        for (const auto &land : laender)
            daten->datenbank.execute(QStringLiteral("INSERT INTO \"S_LANDBZ\" (\"Land\", \"Bez\", \"Lkz\", \"Waehrung\", "
                                                    "\"Zug\") VALUES (?, ?, ?, ?, ?)"),
                                     {land[0], land[1], land[2], land[3], land[4]});
        daten->datenbank.execute(QStringLiteral("INSERT INTO \"S_KUNDEN\" (\"nummer\", \"name1\", \"name2\", \"name3\", "
                                                "\"strasse\", \"ort\") VALUES (7, 'Müller GmbH', 'Einkauf', '', "
                                                "'Hafenstr. 1', '20457 Hamburg')"));
        daten->datenbank.execute(QStringLiteral("INSERT INTO \"S_WARENN\" (\"waren\", \"Waren2\", \"bez1\", \"bez2\", "
                                                "\"Netto\", \"Einheit\") VALUES ('84713000', '00', 'Laptops', "
                                                "'tragbar', '2,5', 'Stück')"));
        daten->erklaerung(5, QStringLiteral("Alt"), 1);
        masterdata::eingabeauswahlenAnmelden();
        ausfuhrAuswahlenAnmelden();
    }
    void TearDown() override
    {
        for (const char *name : {"AuswahlLand", "AuswahlVerkehrszweig", "AuswahlGeschaeftsart", "AuswahlZollstelle",
                                 "AuswahlVerfahren", "AuswahlLieferbedingung", "AuswahlBundesland", "AuswahlKunde",
                                 "AuswahlWarenNr", "AuswahlPackstueck", "LandKennzeichenAufloesen",
                                 "AuswahlVerfahren1", "AuswahlVerfahren2", "InfoFeld40", "InfoFeld44"})
            auswahlRegistrieren(QString::fromLatin1(name), {});
        masterdata::datenmodulFreigeben();
        AusfuhrTest::TearDown();
    }
    QString kopfFeld(const QString &feld)
    {
        return speicherText(*daten, QStringLiteral("SELECT \"%1\" FROM \"EINHEIT\" WHERE \"belegnr\" = 5").arg(feld));
    }
    QString positionsFeld(const QString &feld)
    {
        return speicherText(*daten,
                            QStringLiteral("SELECT \"%1\" FROM \"EINFOLG\" WHERE \"belegnr\" = 5 AND \"pos\" = 1").arg(feld));
    }
    static QLineEdit *edit(Eingabeformular &form, const char *name)
    {
        return qobject_cast<QLineEdit *>(form.steuerelement(QString::fromLatin1(name)));
    }
};

// The country picker opens on the box's code with the box in its caption;
// taking a country over writes through the Tag into the box and the store.
// The customer form in take-over mode fills box 2's five lines.
TEST_P(StammauswahlTest, HeaderLookupsShowThePickersAndWriteTheChoice)
{
    TfrmRegieAE regie;
    ASSERT_TRUE(regie.kopf().findKey({5}));
    Belegformular form(regie, QStringLiteral("BelegNr: 5"));
    eingabeZeigen(form);

    ModalForms formulare;
    formulare.whenShown<TfrmLnder_e>([](TfrmLnder_e &picker) {
        EXPECT_TRUE(picker.windowTitle().endsWith(QStringLiteral("  (Feld: 22)"))) << picker.windowTitle().toStdString();
        EXPECT_EQ(picker.Table1->fieldByName(QStringLiteral("Lkz")).asString(), "US") << "positioned on the box's text";
        picker.SpeedButton2->click();
    });
    formulare.whenShown<TfrmKunden>([](TfrmKunden &kunden) {
        ASSERT_NE(kunden.uebernehmenKnopf(), nullptr);
        EXPECT_TRUE(kunden.uebernehmenKnopf()->isVisible());
        kunden.uebernehmenKnopf()->click();
    });
    eintippen(edit(form, "DBEdit43"), QStringLiteral("US"));
    tasteDruecken(Qt::Key_F9);
    EXPECT_EQ(kopfFeld(QStringLiteral("f22_1")), "USD");

    eingabeZeigen(form);   // back from the modal picker
    edit(form, "DBEdit30")->setFocus();
    tasteDruecken(Qt::Key_F9);
    EXPECT_EQ(kopfFeld(QStringLiteral("f2_1")), "Müller GmbH");
    EXPECT_EQ(kopfFeld(QStringLiteral("f2_2")), "Einkauf");
    EXPECT_EQ(kopfFeld(QStringLiteral("f2_4")), "Hafenstr. 1");
    EXPECT_EQ(kopfFeld(QStringLiteral("f2_5")), "20457 Hamburg");
    EXPECT_EQ(regie.kopf().state(), db::DatasetState::Browse);
    form.setModalResult(ui::ModalResult::Cancel);
}

// The country picker starts on the first country whose code is at or after
// the box's text, and lists the countries by name.
TEST_P(StammauswahlTest, TheCountryPickerStartsOnTheBoxsCodeAndListsByName)
{
    daten->datenbank.execute(QStringLiteral("INSERT INTO \"S_LANDBZ\" (\"Land\", \"Bez\", \"Lkz\", \"Waehrung\") "
                                            "VALUES ('039', 'Schweiz', 'CH', 'CHF')"));
    TfrmRegieAE regie;
    ASSERT_TRUE(regie.kopf().findKey({5}));
    Belegformular form(regie, QStringLiteral("BelegNr: 5"));
    eingabeZeigen(form);
    const QStringList nachName{QStringLiteral("Deutschland"), QStringLiteral("Schweiz"), QStringLiteral("Ukraine"),
                               QStringLiteral("Vereinigte Staaten")};
    struct Fall
    {
        const char *feld22;
        const char *start;
        const char *waehrung;
    };
    for (const Fall &fall : {Fall{"US", "Vereinigte Staaten", "USD"}, Fall{"DF", "Ukraine", "UAH"},
                             Fall{"", "Schweiz", "CHF"}}) {
        SCOPED_TRACE(fall.feld22);
        QString start;
        QStringList liste;
        ModalForms formulare;
        formulare.whenShown<TfrmLnder_e>([&](TfrmLnder_e &picker) {
            db::Table &laender = *picker.Table1;
            start = laender.fieldByName(QStringLiteral("Bez")).asString();
            const db::Bookmark hier = laender.bookmark();
            for (laender.first(); !laender.eof(); laender.next())
                liste << laender.fieldByName(QStringLiteral("Bez")).asString();
            laender.gotoBookmark(hier);
            picker.SpeedButton2->click();
        });
        eintippen(edit(form, "DBEdit43"), QString::fromLatin1(fall.feld22));
        tasteDruecken(Qt::Key_F9);
        eingabeZeigen(form);
        EXPECT_EQ(start, QString::fromLatin1(fall.start));
        EXPECT_EQ(liste, nachName);
        EXPECT_EQ(kopfFeld(QStringLiteral("f22_1")), QString::fromLatin1(fall.waehrung));
    }
    form.setModalResult(ui::ModalResult::Cancel);
}

// Box 17a resolves a typed prefix of a country code: one country completes
// it, several offer the chooser, none says so and keeps the text.
TEST_P(StammauswahlTest, Box17aResolvesAPrefixThroughTheDataModule)
{
    masterdata::datenmodulErzeugen();
    TfrmRegieAE regie;
    ASSERT_TRUE(regie.kopf().findKey({5}));
    Belegformular form(regie, QStringLiteral("BelegNr: 5"));
    eingabeZeigen(form);
    QLineEdit *box17a = edit(form, "DBEdit11");

    eintippen(box17a, QStringLiteral("d"));
    edit(form, "DBEdit40")->setFocus();
    EXPECT_EQ(kopfFeld(QStringLiteral("f17_1")), "DE");

    ModalForms formulare;
    formulare.whenShown<TfrmAllgemein>([](TfrmAllgemein &chooser) {
        chooser.DBGrid1->dataSource()->dataSet()->locate(QStringLiteral("Lkz"), {QStringLiteral("UA")});
        chooser.SpeedButton2->click();
    });
    eintippen(box17a, QStringLiteral("U"));
    edit(form, "DBEdit40")->setFocus();
    EXPECT_EQ(kopfFeld(QStringLiteral("f17_1")), "UA");

    ScriptedDialogs dialoge;
    dialoge.answerMessage(QStringLiteral("Es wurde kein Datensatz mit dieser Länderkennzahl gefunden!"), ui::ModalResult::Ok);
    eingabeZeigen(form);
    eintippen(box17a, QStringLiteral("X"));
    edit(form, "DBEdit40")->setFocus();
    EXPECT_EQ(box17a->text(), "X");
    form.setModalResult(ui::ModalResult::Cancel);
}

// The item form: the goods-number master (without the further code
// columns) fills the description, goods number, net mass and units; box
// 40's button takes category and code from its information dialog.
TEST_P(StammauswahlTest, ItemLookupsTakeOverGoodsNumberAndBox40)
{
    TfrmRegieAE regie;
    ASSERT_TRUE(regie.kopf().findKey({5}));
    ASSERT_TRUE(regie.regie().positionen()->findKey({5, 1}));
    Positionsformular form(regie, QStringLiteral("BelegNr: 5"));
    eingabeZeigen(form);

    ModalForms formulare;
    formulare.whenShown<TfrmWare>([](TfrmWare &ware) {
        for (const ui::GridColumn &spalte : ware.dbgrBenutzer->columns())
            EXPECT_FALSE(spalte.fieldName.startsWith(QStringLiteral("Waren"), Qt::CaseSensitive))
                << spalte.fieldName.toStdString();
        ware.uebernehmenKnopf()->click();
    });
    formulare.whenShown<TfrmInfoF40>([](TfrmInfoF40 &info) {
        info.Edit1->setText(QStringLiteral("Z"));
        info.Edit2->setText(QStringLiteral("380"));
        info.Button2->click();
    });
    edit(form, "DBEdit26")->setFocus();
    tasteDruecken(Qt::Key_F9);
    EXPECT_EQ(positionsFeld(QStringLiteral("f31_2")), "Laptops");
    EXPECT_EQ(positionsFeld(QStringLiteral("f31_3")), "tragbar");
    EXPECT_EQ(positionsFeld(QStringLiteral("f33_1")), "84713000");
    EXPECT_EQ(positionsFeld(QStringLiteral("f38")), "2,5");
    EXPECT_EQ(positionsFeld(QStringLiteral("f41_1")), "Stück");

    eingabeZeigen(form);
    auto *feld40 = qobject_cast<QAbstractButton *>(form.steuerelement(QStringLiteral("sbFeld40")));
    ASSERT_NE(feld40, nullptr);
    feld40->click();
    EXPECT_EQ(positionsFeld(QStringLiteral("F40")), "Z-380-");
    form.setModalResult(ui::ModalResult::Cancel);
}

AUSFUHR_TESTS(StammauswahlTest);

} // namespace
