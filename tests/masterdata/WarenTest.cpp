#include "Druckbestand.h"
#include "Formhilfen.h"
#include "support/PressKey.h"

#include "masterdata/AuswahlWaren.h"
#include "masterdata/Sortierwahl.h"
#include "masterdata/Ware.h"
#include "masterdata/Ware_e.h"

#include "common/Ini.h"
#include "common/RadioGroup.h"
#include "common/TSR_dbGrid.h"
#include "common/TfrmSuche.h"

#include "platform/db/Table.h"
#include "platform/ui/DataControls.h"

#include <QProgressBar>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

const QStringList warenFelder = {
    QStringLiteral("waren"), QStringLiteral("Waren2"), QStringLiteral("Waren3"), QStringLiteral("Waren4"),
    QStringLiteral("Waren5"), QStringLiteral("bez1"),   QStringLiteral("bez2"),   QStringLiteral("bez3"),
    QStringLiteral("bez4"),  QStringLiteral("bez5"),   QStringLiteral("bez9"),   QStringLiteral("Land"),
    QStringLiteral("maseinheit"), QStringLiteral("Einheit"), QStringLiteral("Brutto"), QStringLiteral("Netto")};

class Waren : public Druckbestand
{
protected:
    // Rows that share goods numbers and the start of their descriptions.
    void warennummern()
    {
        anlegen(QStringLiteral("S_WARENN"), warenFelder,
                {{QStringLiteral("84713000"), QStringLiteral("00"), QStringLiteral("1234"), QStringLiteral("5678"),
                  QStringLiteral("9999"), QStringLiteral("Laptop"), QStringLiteral("tragbar"), QVariant(),
                  QStringLiteral("mit Akku"), QStringLiteral("Zeile 5"), QStringLiteral("Zeile 9"), QStringLiteral("CN"),
                  QStringLiteral("J"), QStringLiteral("Stück"), QStringLiteral("2,5"), QStringLiteral("2,1")},
                 {QStringLiteral("84713000"), QStringLiteral("10"), QVariant(), QVariant(), QVariant(),
                  QStringLiteral("Laptop"), QStringLiteral("stationär"), QVariant(), QVariant(), QVariant(), QVariant(),
                  QStringLiteral("DE"), QStringLiteral("N"), QVariant(), QVariant(), QVariant()},
                 {QStringLiteral("85444290"), QStringLiteral("20"), QVariant(), QVariant(), QVariant(),
                  QStringLiteral("Kabel"), QVariant(), QVariant(), QVariant(), QVariant(), QVariant(),
                  QStringLiteral("FR"), QVariant(), QVariant(), QVariant(), QVariant()},
                 {QStringLiteral("01012100"), QStringLiteral("30"), QVariant(), QVariant(), QVariant(),
                  QStringLiteral("Pferde"), QVariant(), QVariant(), QVariant(), QVariant(), QVariant(),
                  QStringLiteral("XX"), QVariant(), QVariant(), QVariant(), QVariant()}});
        anlegen(QStringLiteral("S_LANDBZ"), {QStringLiteral("Land"), QStringLiteral("Bez"), QStringLiteral("Lkz")},
                {{QStringLiteral("720"), QStringLiteral("China"), QStringLiteral("CN")},
                 {QStringLiteral("004"), QStringLiteral("Deutschland"), QStringLiteral("DE")},
                 {QStringLiteral("001"), QStringLiteral("Frankreich"), QStringLiteral("FR")}});
    }

    // Goes to the row of the form's table with this goods number and TARIC code.
    static void zeile(masterdata::Stammformular &form, const QString &waren, const QString &taric)
    {
        ASSERT_TRUE(form.Table1->locate(QStringLiteral("waren;Waren2"), {waren, taric}));
    }
};

TEST_P(Waren, TheRecordAndTextHandedToDocumentsJoinAndCutAsTheyShould)
{
    warennummern();
    db::Table waren(datenbank(), QStringLiteral("S_WARENN"));
    waren.open();
    struct Fall
    {
        QString taric;
        TWarenNrRec satz;
        QString text;
    };
    const QList<Fall> faelle = {
        // An empty line 3 leaves two blanks between lines 2 and 4; the
        // national code goes to the record only.
        {QStringLiteral("00"),
         {QStringLiteral("84713000"), QStringLiteral("00"), QStringLiteral("1234"), QStringLiteral("5678"),
          QStringLiteral("9999"), QStringLiteral("Laptop tragbar  mit Akku Zeile 5    Zeile 9")},
         QStringLiteral("84713000;00;1234;5678")},
        // Without additional codes the separators stand alone.
        {QStringLiteral("20"),
         {QStringLiteral("85444290"), QStringLiteral("20"), {}, {}, {}, QStringLiteral("Kabel        ")},
         QStringLiteral("85444290;20;;")},
    };
    for (const Fall &fall : faelle) {
        ASSERT_TRUE(waren.locate(QStringLiteral("Waren2"), {fall.taric}));
        const TWarenNrRec satz = WarenNrRecAusSatz(waren);
        EXPECT_EQ(satz.WarenNr, fall.satz.WarenNr);
        EXPECT_EQ(satz.WarenNr_TARIC, fall.satz.WarenNr_TARIC);
        EXPECT_EQ(satz.WarenNr_Zus1, fall.satz.WarenNr_Zus1);
        EXPECT_EQ(satz.WarenNr_Zus2, fall.satz.WarenNr_Zus2);
        EXPECT_EQ(satz.WarenNr_nat, fall.satz.WarenNr_nat);
        EXPECT_EQ(satz.WarenBez, fall.satz.WarenBez);
        EXPECT_EQ(WarenNrTextAusSatz(waren), fall.text);
    }
}

TEST_P(Waren, TheClassFunctionsAndTheWrapperHandBackOnlyWhatWasTaken)
{
    warennummern();
    TWarenNrRec satz;
    satz.WarenNr = QStringLiteral("vorher");
    formulare.whenShown<TfrmWare>([](TfrmWare &form) {
        EXPECT_TRUE(form.uebernehmenKnopf()->isVisible());
        form.abbruchKnopf()->click();
    });
    EXPECT_FALSE(TfrmWare::WaehleWarenNr(satz));
    EXPECT_EQ(satz.WarenNr, QStringLiteral("vorher"));

    formulare.whenShown<TfrmWare>([](TfrmWare &form) {
        zeile(form, QStringLiteral("85444290"), QStringLiteral("20"));
        emit form.dbgrBenutzer->recordDoubleClicked();
    });
    EXPECT_TRUE(AuswahlWarenNr(satz));
    EXPECT_EQ(satz.WarenNr, QStringLiteral("85444290"));
    EXPECT_EQ(satz.WarenBez.trimmed(), QStringLiteral("Kabel"));

    QString text = QStringLiteral("alt");
    formulare.whenShown<TfrmWare>([](TfrmWare &form) { form.abbruchKnopf()->click(); });
    TfrmWare::WaehleWarenNrText(text);
    EXPECT_EQ(text, QString());
    formulare.whenShown<TfrmWare>([](TfrmWare &form) {
        zeile(form, QStringLiteral("84713000"), QStringLiteral("10"));
        form.uebernehmenKnopf()->click();
    });
    TfrmWare::WaehleWarenNrText(text);
    EXPECT_EQ(text, QStringLiteral("84713000;10;;"));
}

TEST_P(Waren, TheSortChoiceIsKeptInTheIniFileAndOrdersTheList)
{
    warennummern();
    {
        TfrmWare form;
        form.show();
        EXPECT_EQ(form.RadioGroup1->title(), QStringLiteral("Sortieren nach:"));
        EXPECT_EQ(form.RadioGroup1->items(), (QStringList{QStringLiteral("St. Waren-Nr."), QStringLiteral("Bezeichnung")}));
        EXPECT_EQ(form.RadioGroup1->itemIndex(), 0);
        EXPECT_EQ(IniLesen(QStringLiteral("WarenNr"), QStringLiteral("-1")), QStringLiteral("0"));
        EXPECT_EQ(feld(*form.Table1, QStringLiteral("waren")), QStringLiteral("01012100"));

        form.Table1->last();
        form.RadioGroup1->button(1)->click();
        EXPECT_EQ(IniLesen(QStringLiteral("WarenNr"), QStringLiteral("-1")), QStringLiteral("1"));
        EXPECT_EQ(feld(*form.Table1, QStringLiteral("bez1")), QStringLiteral("Kabel"));
        form.Table1->last();
        EXPECT_EQ(feld(*form.Table1, QStringLiteral("bez1")), QStringLiteral("Pferde"));
    }
    TfrmWare wieder;
    wieder.show();
    EXPECT_EQ(wieder.RadioGroup1->itemIndex(), 1);
    EXPECT_EQ(feld(*wieder.Table1, QStringLiteral("bez1")), QStringLiteral("Kabel"));
}

// The rows have no key: after a search the form must stand on the very row
// taken, not on another with the same goods number and description start.
TEST_P(Waren, AfterASearchTheFormStandsOnTheRowTakenInDescriptionOrder)
{
    warennummern();
    TfrmWare form;
    form.show();
    int treffer = 0;
    formulare.whenShown<TfrmSuche>([&](TfrmSuche &dialog) {
        EXPECT_EQ(dialog.RadioGroup1->items(),
                  (QStringList{QStringLiteral("Stat.-Waren-Nr."), QStringLiteral("Bezeichnung")}));
        dialog.RadioGroup1->setItemIndex(1);
        dialog.Edit1->setText(QStringLiteral("lap"));
        dialog.SpeedButton3->click();
        treffer = form.Table1->recordCount();
        ASSERT_TRUE(form.Table1->locate(QStringLiteral("Waren2"), {QStringLiteral("10")}));
        dialog.SpeedButton1->click();
    });
    form.findChild<QAction *>(QStringLiteral("mnuSuche"))->trigger();
    EXPECT_EQ(treffer, 2);
    EXPECT_FALSE(form.Table1->filtered());
    EXPECT_EQ(form.Table1->recordCount(), 4);
    EXPECT_EQ(feld(*form.Table1, QStringLiteral("bez2")), QStringLiteral("stationär"));
    EXPECT_EQ(form.Table1->indexName(), QStringLiteral("ibez"));
    // The radio group still shows the goods-number order chosen before.
    EXPECT_EQ(form.RadioGroup1->itemIndex(), 0);
}

// The four code parts stand on the goods number's row, each after its
// label, whole and legible.
TEST_P(Waren, TheCodePartsStandBesideTheGoodsNumberAfterTheirLabels)
{
    warennummern();
    TfrmWare form;
    zeigen(form);
    zeile(form, QStringLiteral("84713000"), QStringLiteral("00"));
    const auto ort = [&form](const QWidget *w) { return QRect(w->mapTo(&form, QPoint(0, 0)), w->size()); };
    const QRect warennummer = ort(form.eingabe(QStringLiteral("waren")));
    int links = warennummer.right();
    const struct
    {
        const char *feld;
        const char *beschriftung;
        const char *wert;
    } teile[] = {{"Waren2", "TARIC-Code", "00"},
                 {"Waren3", "1. Zusatzcode", "1234"},
                 {"Waren4", "2. Zusatzcode", "5678"},
                 {"Waren5", "Nat. Zusatzcode", "9999"}};
    for (const auto &teil : teile) {
        SCOPED_TRACE(teil.feld);
        auto *edit = qobject_cast<QLineEdit *>(form.eingabe(QLatin1String(teil.feld)));
        ASSERT_NE(edit, nullptr);
        const QLabel *label = nullptr;
        for (const QLabel *l : form.findChildren<QLabel *>())
            if (l->buddy() == edit)
                label = l;
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), QString::fromUtf8(teil.beschriftung));
        EXPECT_TRUE(label->isVisible());
        EXPECT_GE(label->width(), label->sizeHint().width()) << "the label is cut";
        const QRect l = ort(label);
        const QRect e = ort(edit);
        EXPECT_NEAR(l.center().y(), warennummer.center().y(), 3);
        EXPECT_NEAR(e.center().y(), warennummer.center().y(), 3);
        EXPECT_GT(l.left(), links);
        EXPECT_GT(e.left(), l.right());
        EXPECT_LE(e.right(), form.width());
        links = e.right();
        EXPECT_EQ(edit->text(), QLatin1String(teil.wert));
        EXPECT_LE(edit->fontMetrics().horizontalAdvance(QString(qsizetype(qstrlen(teil.wert)), u'W')), edit->contentsRect().width());
    }
}

// The country of origin is listed by name from entering the box on and while
// its list is open; leaving the box lists it by code again.
TEST_P(Waren, TheCountryOfOriginIsListedByNameWhileTheBoxIsInUse)
{
    warennummern();
    anlegen(QStringLiteral("S_LANDBZ"), {QStringLiteral("Land"), QStringLiteral("Bez"), QStringLiteral("Lkz")},
            {{QStringLiteral("011"), QStringLiteral("Spanien"), QStringLiteral("ES")}});
    TfrmWare form;
    zeigen(form);
    auto *land = form.findChild<ui::DataLookupComboBox *>(QStringLiteral("DBLookupComboBox1"));
    ASSERT_NE(land, nullptr);
    const auto liste = [land] {
        QStringList namen;
        for (int i = 0; i < land->count(); ++i)
            namen << land->itemText(i);
        return namen;
    };
    const QStringList nachCode{QStringLiteral("China"), QStringLiteral("Deutschland"), QStringLiteral("Spanien"),
                               QStringLiteral("Frankreich")};
    const QStringList nachName{QStringLiteral("China"), QStringLiteral("Deutschland"), QStringLiteral("Frankreich"),
                               QStringLiteral("Spanien")};
    EXPECT_EQ(liste(), nachCode);
    land->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(liste(), nachName);
    land->showPopup();
    QApplication::processEvents();
    EXPECT_EQ(liste(), nachName) << "the open list is not leaving the box";
    land->hidePopup();
    edit(form, 6)->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(liste(), nachCode);
}

TEST_P(Waren, ThePickerTakesTheHighlightedRowAndTypesAheadByDescription)
{
    warennummern();
    TfrmWare_e auswahl;
    EXPECT_EQ(auswahl.windowTitle(), QStringLiteral("Auswahl: Statistische Warennummer"));
    formulare.whenShown<TfrmWare_e>([](TfrmWare_e &dialog) {
        EXPECT_EQ(feld(*dialog.Table1, QStringLiteral("bez1")), QStringLiteral("Kabel"));
        pressKey(&dialog, Qt::Key_P, Qt::NoModifier, QStringLiteral("p"));
        EXPECT_EQ(feld(*dialog.Table1, QStringLiteral("bez1")), QStringLiteral("Pferde"));
        // Each key positions anew: "k" goes back to Kabel, the small letter
        // finding the capital.
        pressKey(&dialog, Qt::Key_K, Qt::NoModifier, QStringLiteral("k"));
        EXPECT_EQ(feld(*dialog.Table1, QStringLiteral("bez1")), QStringLiteral("Kabel"));
        dialog.Table1->next();
        pressKey(&dialog, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    });
    EXPECT_EQ(auswahl.showModal(), ui::ModalResult::Ok);
    EXPECT_EQ(feld(*auswahl.Table1, QStringLiteral("bez1")), QStringLiteral("Laptop"));
}

TEST_P(Waren, TheListPrintsFourRowsASheetTheUnitOnlyWhenMarkedAndTheCountryByCode)
{
    warennummern();
    anlegen(QStringLiteral("S_WARENN"), {QStringLiteral("waren"), QStringLiteral("bez1")},
            {{QStringLiteral("99999999"), QStringLiteral("Letzte")}});
    {
        TfrmWare_d druck;
        EXPECT_EQ(druck.windowTitle(), QStringLiteral("Druck \"Statistische Warennummer\""));
        EXPECT_EQ(druck.findChild<QLabel *>(QStringLiteral("Label4"))->text(),
                  QStringLiteral("Statistische Waren-Nr. wird gedruckt..."));
        EXPECT_EQ(drucken(druck), QStringLiteral("Bitte legen Sie 2 leere Blätter \nin den Drucker ein! "));
        EXPECT_EQ(druck.ProgressBar1->maximum(), 5 * 11);
    }
    EXPECT_EQ(titel(), QStringList(2, QStringLiteral("Razazu / Versand: Statistische Warennummer")));
    const int zweite = aufnahme.jobs()[1].firstPage;
    // Goods-number order: 01012100, 84713000 (twice, in either order),
    // 85444290 on the first sheet, 99999999 alone on the second.
    EXPECT_TRUE(aufnahme.hasText(QStringLiteral("Warennummer   :"), 550, 200, 0, zweite));
    EXPECT_EQ(aufnahme.findText(QStringLiteral("Letzte"))->page, zweite);
    EXPECT_EQ(aufnahme.findText(QStringLiteral("01012100 30   "))->position.y(), 200);
    EXPECT_EQ(aufnahme.findText(QStringLiteral("85444290 20   "))->position.y(), 200 + 3 * 670);
    const auto nummer = aufnahme.findText(QStringLiteral("84713000 00 1234 5678 9999"));
    ASSERT_TRUE(nummer.has_value());
    EXPECT_GT(nummer->position.x(), 550);
    const int versatz = nummer->position.y() - 200;
    ASSERT_TRUE(versatz == 670 || versatz == 2 * 670) << versatz;
    const int andere = 3 * 670 - versatz;
    EXPECT_TRUE(aufnahme.hasText(QStringLiteral("Bezeichnung 9        :"), 150, 596 + versatz, 0, 1));
    EXPECT_EQ(aufnahme.findText(QStringLiteral("Zeile 9"))->position.y(), 596 + versatz);

    // Only the row marked "J" prints its unit line.
    const auto einheiten = aufnahme.findAll(QStringLiteral("Besondere Maßeinheit :"));
    ASSERT_EQ(einheiten.size(), 1);
    EXPECT_EQ(einheiten.front().position.y(), 652 + versatz);
    EXPECT_EQ(aufnahme.findText(QStringLiteral("Stück"))->position.y(), 652 + versatz);
    EXPECT_EQ(aufnahme.findText(QStringLiteral("China"))->position.y(), 694 + versatz);
    EXPECT_EQ(aufnahme.findText(QStringLiteral("Deutschland"))->position.y(), 694 + andere);
    EXPECT_EQ(aufnahme.findText(QStringLiteral("Frankreich"))->position.y(), 694 + 3 * 670);
    EXPECT_EQ(aufnahme.findAll(QStringLiteral("Ursprungsland        :")).size(), 5);
}

INSTANTIATE_TEST_SUITE_P(Speicher, Waren, testing::Values(Speicher::SQLite, Speicher::PostgreSQL), speicherName);

} // namespace
