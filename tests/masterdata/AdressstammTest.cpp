#include "Druckbestand.h"
#include "Formhilfen.h"

#include "masterdata/Spedit.h"
#include "masterdata/Versand.h"

#include "common/RadioGroup.h"
#include "common/TfrmSuche.h"

#include "platform/ui/DataControls.h"

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>

namespace {

class Adressstamm : public Druckbestand
{
protected:
    void nummern(const QString &tabelle, const QList<int> &liste)
    {
        QList<QVariantList> zeilen;
        for (int nummer : liste)
            zeilen.append({nummer, QStringLiteral("Firma %1").arg(nummer)});
        anlegen(tabelle, {QStringLiteral("nummer"), QStringLiteral("name1")}, zeilen);
    }
};

TEST_P(Adressstamm, AddingProposesTheHighestNumberPlusOneInBothTwins)
{
    struct Fall
    {
        QString tabelle;
        QList<int> vorhanden;
        int vorschlag;
    };
    const QList<Fall> faelle = {
        {QStringLiteral("S_SPEDIT"), {}, 1},
        {QStringLiteral("S_VERSAN"), {3, 7, 5}, 8},
    };
    for (const Fall &fall : faelle) {
        nummern(fall.tabelle, fall.vorhanden);
        std::unique_ptr<masterdata::Stammformular> form;
        if (fall.tabelle == QLatin1String("S_SPEDIT"))
            form = std::make_unique<TfrmSpedit>();
        else
            form = std::make_unique<TfrmVersand>();
        zeigen(*form);
        form->SpeedButton17->click();
        EXPECT_EQ(form->Table1->state(), db::DatasetState::Insert);
        EXPECT_EQ(feld(*form, QStringLiteral("nummer")), QString::number(fall.vorschlag)) << fall.tabelle.toStdString();
        EXPECT_EQ(QApplication::focusWidget(), edit(*form, 1));
        // Nothing is stored until the clerk types; an untouched proposal
        // is dropped by the next one.
        EXPECT_EQ(anzahl(fall.tabelle), fall.vorhanden.size());
        tippen(edit(*form, 2), QStringLiteral("Neu"));
        form->SpeedButton17->click();
        EXPECT_EQ(feld(*form, QStringLiteral("nummer")), QString::number(fall.vorschlag + 1));
        form->SpeedButton17->click();
        EXPECT_EQ(feld(*form, QStringLiteral("nummer")), QString::number(fall.vorschlag + 1));
        form->Table1->cancel();
        EXPECT_EQ(anzahl(fall.tabelle), fall.vorhanden.size() + 1);
        EXPECT_EQ(anzahl(fall.tabelle, QStringLiteral("\"nummer\" = ?"), {fall.vorschlag}), 1);
    }
}

TEST_P(Adressstamm, TheNumberSearchMatchesTheWholeNumber)
{
    nummern(QStringLiteral("S_SPEDIT"), {12, 120, 3});
    TfrmSpedit form;
    zeigen(form);
    EXPECT_EQ(form.findChild<QAction *>(QStringLiteral("mnuSuche"))->text(), QStringLiteral("&Suchen"));
    int gefunden = -1;
    QStringList kriterien;
    formulare.whenShown<TfrmSuche>([&](TfrmSuche &dialog) {
        kriterien = dialog.RadioGroup1->items();
        dialog.RadioGroup1->setItemIndex(0);
        dialog.Edit1->setText(QStringLiteral("12"));
        dialog.SpeedButton3->click();
        gefunden = form.Table1->recordCount();
        dialog.SpeedButton1->click();
    });
    form.findChild<QAction *>(QStringLiteral("mnuSuche"))->trigger();
    EXPECT_EQ(kriterien, (QStringList{QStringLiteral("Spedit.-Nr."), QStringLiteral("Name")}));
    EXPECT_EQ(gefunden, 1);
    EXPECT_EQ(feld(form, QStringLiteral("nummer")), QStringLiteral("12"));
    EXPECT_EQ(form.Table1->recordCount(), 3);
    EXPECT_EQ(form.Table1->indexName(), QStringLiteral("iName1"));
}

TEST_P(Adressstamm, WaehleSpediteurNrGivesTheChosenNumberOrMinusOne)
{
    nummern(QStringLiteral("S_SPEDIT"), {4, 9});
    struct Fall
    {
        QString knopf;   // empty: the window is closed
        int ergebnis;
    };
    for (const Fall &fall : {Fall{QStringLiteral("BitBtn1"), 9}, Fall{QStringLiteral("bbtAbbruch"), -1}, Fall{{}, -1}}) {
        formulare.whenShown<TfrmSpedit>([&](TfrmSpedit &form) {
            EXPECT_TRUE(form.uebernehmenKnopf()->isVisible());
            EXPECT_EQ(form.abbruchKnopf()->text(), QStringLiteral("Abbruch"));
            ASSERT_TRUE(form.Table1->locate(QStringLiteral("nummer"), {9}));
            if (fall.knopf.isEmpty())
                form.close();
            else
                form.findChild<QAbstractButton *>(fall.knopf)->click();
        });
        EXPECT_EQ(TfrmSpedit::WaehleSpediteurNr(), fall.ergebnis) << fall.knopf.toStdString();
    }
}

TEST_P(Adressstamm, TheShippingFormTakesTheCardInItsOwnTabOrder)
{
    TfrmVersand form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Versandanschrift"));
    QStringList felder;
    for (QWidget *eingabe : form.eingaben())
        felder << dynamic_cast<ui::DataBinding *>(eingabe)->dataField();
    EXPECT_EQ(felder, (QStringList{QStringLiteral("nummer"), QStringLiteral("name1"), QStringLiteral("name2"),
                                   QStringLiteral("name3"), QStringLiteral("name4"), QStringLiteral("name5"),
                                   QStringLiteral("land"), QStringLiteral("ansprech"), QStringLiteral("telefon"),
                                   QStringLiteral("telefax"), QStringLiteral("telex")}));
    EXPECT_EQ(form.abbruchKnopf()->text(), QStringLiteral("Abbrechen"));
}

TEST_P(Adressstamm, FiveForwardersFillASheetAndPrintTheCountryNumber)
{
    anlegen(QStringLiteral("S_LANDBZ"), {QStringLiteral("Land"), QStringLiteral("Bez")},
            {{QStringLiteral("004"), QStringLiteral("Deutschland")}});
    QList<QVariantList> zeilen;
    for (int i = 1; i <= 6; ++i)
        zeilen.append({i, QStringLiteral("Spedition %1").arg(i), i == 1 ? QStringLiteral("004") : QStringLiteral("999")});
    anlegen(QStringLiteral("S_SPEDIT"), {QStringLiteral("nummer"), QStringLiteral("name1"), QStringLiteral("land")},
            zeilen);
    {
        TfrmSpedit_d druck;
        EXPECT_EQ(druck.windowTitle(), QStringLiteral("Druck \"Spediteure\""));
        EXPECT_EQ(drucken(druck), QStringLiteral("Bitte legen Sie 2 leere Blätter \nin den Drucker ein! "));
    }
    EXPECT_EQ(titel(), QStringList(2, QStringLiteral("Razazu / Versand: Spediteure")));
    const int ersteSeite = aufnahme.jobs()[0].firstPage;
    EXPECT_TRUE(aufnahme.hasText(QStringLiteral("Spediteure"), 900, 50, 0, ersteSeite));
    EXPECT_TRUE(aufnahme.hasText(QStringLiteral("Spediteur-Nr.   :"), 900, 200 + 4 * 530, 0, ersteSeite));
    EXPECT_EQ(untersteLinie(ersteSeite), 2800);
    // The number of the country as the country table has it; none for 999.
    const auto land = aufnahme.findText(QStringLiteral("004"));
    ASSERT_TRUE(land.has_value());
    EXPECT_EQ(land->position.y(), 584);
    EXPECT_FALSE(aufnahme.findText(QStringLiteral("999")).has_value());
    EXPECT_FALSE(aufnahme.findText(QStringLiteral("Deutschland")).has_value());
    EXPECT_EQ(aufnahme.findText(QStringLiteral("Spedition 6"))->page, aufnahme.jobs()[1].firstPage);
}

TEST_P(Adressstamm, SevenShippingAddressesFillASheetAndPrintTheCountryName)
{
    anlegen(QStringLiteral("S_LANDBZ"), {QStringLiteral("Land"), QStringLiteral("Bez")},
            {{QStringLiteral("004"), QStringLiteral("Deutschland")}});
    QList<QVariantList> zeilen;
    for (int i = 1; i <= 7; ++i)
        zeilen.append({i, QStringLiteral("Kunde %1").arg(i), QStringLiteral("Zeile 5 von %1").arg(i), QStringLiteral("004")});
    anlegen(QStringLiteral("S_VERSAN"),
            {QStringLiteral("nummer"), QStringLiteral("name1"), QStringLiteral("name5"), QStringLiteral("land")}, zeilen);
    {
        TfrmVersand_d druck;
        EXPECT_NE(druck.findChild<QWidget *>(QStringLiteral("Label4")), nullptr);
        EXPECT_EQ(drucken(druck), QStringLiteral("Bitte legen Sie 1 leeres Blatt \nin den Drucker ein! "));
    }
    EXPECT_EQ(titel(), QStringList{QStringLiteral("Razazu / Versand: Versandanschriften")});
    EXPECT_EQ(untersteLinie(), 2680);
    EXPECT_EQ(aufnahme.shapes().front().points.boundingRect().bottom(), 2680);
    EXPECT_EQ(aufnahme.findAll(QStringLiteral("Deutschland")).size(), 7);
    // The address lines stand at the left edge, the country after the
    // right-hand captions.
    EXPECT_TRUE(aufnahme.hasText(QStringLiteral("Kunde 1"), 150, 300));
    EXPECT_TRUE(aufnahme.hasText(QStringLiteral("Zeile 5 von 7"), 150, 200 + 6 * 360 + 268));
    const auto name = aufnahme.findText(QStringLiteral("Deutschland"));
    const auto ansprech = aufnahme.findText(QStringLiteral("Ansprechpartner :"));
    ASSERT_TRUE(name && ansprech);
    EXPECT_EQ(name->position.y(), 426);
    EXPECT_GT(name->position.x(), 900 + 300);
}

INSTANTIATE_TEST_SUITE_P(Speicher, Adressstamm, testing::Values(Speicher::SQLite, Speicher::PostgreSQL), speicherName);

} // namespace
