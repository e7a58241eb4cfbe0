#include "Druckbestand.h"
#include "Formhilfen.h"
#include "support/PressKey.h"

#include "masterdata/AuswahlWaren.h"
#include "masterdata/Packst.h"
#include "masterdata/Packst_e.h"
#include "masterdata/Praef.h"

#include "common/TSR_dbGrid.h"

#include "platform/db/Table.h"
#include "platform/ui/DataControls.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace {

class Packstuecke : public Druckbestand
{
protected:
    void packstuecke(int anzahl = 0)
    {
        anlegen(QStringLiteral("S_PACKST"),
                {QStringLiteral("packart"), QStringLiteral("bez"), QStringLiteral("s"), QStringLiteral("p"),
                 QStringLiteral("laenge"), QStringLiteral("breite"), QStringLiteral("hoehe")},
                {{QStringLiteral("CTN"), QStringLiteral("Karton"), QStringLiteral("caja"), QStringLiteral("caixa"), 60, 40, 30},
                 {QStringLiteral("PAL"), QStringLiteral("Palette"), QVariant(), QVariant(), 120, 80, 15},
                 {QStringLiteral("BX"), QStringLiteral("Kiste"), QVariant(), QVariant(), 0, 0, 0}});
        QList<QVariantList> weitere;
        for (int i = 1; i <= anzahl; ++i)
            weitere.append({QStringLiteral("Z%1").arg(i), QStringLiteral("Zusatz %1").arg(i)});
        if (!weitere.isEmpty())
            anlegen(QStringLiteral("S_PACKST"), {QStringLiteral("packart"), QStringLiteral("bez")}, weitere);
    }
};

TEST_P(Packstuecke, TheDescriptionIsFoundWithoutRegardToCase)
{
    packstuecke();
    struct Fall
    {
        QString code;
        QString bez;
    };
    for (const Fall &fall : {Fall{QString(), QString()}, Fall{QStringLiteral("ctn"), QStringLiteral("Karton")},
                             Fall{QStringLiteral("Pal"), QStringLiteral("Palette")}, Fall{QStringLiteral("XYZ"), QString()}})
        EXPECT_EQ(TfrmPackst::PackartBezeichnung(fall.code), fall.bez) << fall.code.toStdString();
}

TEST_P(Packstuecke, ThePickStartsOnTheGivenCodeAndGivesBackOnlyWhatWasTaken)
{
    packstuecke();
    formulare.whenShown<TfrmPackst>([](TfrmPackst &form) {
        EXPECT_EQ(feld(*form.Table1, QStringLiteral("packart")), QStringLiteral("PAL"));
        form.uebernehmenKnopf()->click();
    });
    QString code = QStringLiteral("pal");
    EXPECT_TRUE(AuswahlPackstueck(code));
    EXPECT_EQ(code, QStringLiteral("PAL"));

    // An unknown start leaves the first row current; cancel gives nothing.
    formulare.whenShown<TfrmPackst>([](TfrmPackst &form) {
        EXPECT_EQ(feld(*form.Table1, QStringLiteral("packart")), QStringLiteral("BX"));
        form.abbruchKnopf()->click();
    });
    code = QStringLiteral("??");
    EXPECT_FALSE(AuswahlPackstueck(code));
    EXPECT_EQ(code, QString());
}

TEST_P(Packstuecke, TheTakeOverProtocolsGiveNumberCodeDescriptionAndDimensions)
{
    packstuecke();
    formulare.whenShown<TfrmPackst>([](TfrmPackst &form) {
        EXPECT_EQ(form.Edit2->text(), QStringLiteral("12"));
        EXPECT_TRUE(form.Table1->locate(QStringLiteral("packart"), {QStringLiteral("CTN")}));
        form.Edit2->setText(QStringLiteral("3"));
        emit form.dbgrBenutzer->enterPressed();
    });
    const std::optional<Packstueckwahl> wahl = TfrmPackst::Waehlen(nullptr, AnzahlAusZeile(QStringLiteral("12 Kisten")));
    ASSERT_TRUE(wahl.has_value());
    EXPECT_EQ(AnzahlMitPackart(*wahl), QStringLiteral("3 CTN"));
    EXPECT_EQ(AnzahlMitBezeichnung(*wahl), QStringLiteral("3 Karton"));
    EXPECT_EQ(wahl->bez, QStringLiteral("Karton"));
    EXPECT_EQ(std::tuple(wahl->laenge, wahl->breite, wahl->hoehe), std::tuple(60, 40, 30));
    EXPECT_EQ(AnzahlAusZeile(QStringLiteral("Kisten")), QString());

    formulare.whenShown<TfrmPackst>([](TfrmPackst &form) {
        EXPECT_EQ(form.Edit2->text(), QStringLiteral("1"));
        form.abbruchKnopf()->click();
    });
    EXPECT_FALSE(TfrmPackst::Waehlen().has_value());
}

// In this master the fourth language name labels column s and the fifth p.
TEST_P(Packstuecke, TheFourthLanguageNameStandsOverColumnSOnTheCardAndInTheList)
{
    sprachnamen({QStringLiteral("Deutsch"), QStringLiteral("Englisch"), QStringLiteral("Französisch"),
                 QStringLiteral("Portugiesisch"), QStringLiteral("Spanisch")});
    packstuecke(5);
    {
        TfrmPackst form;
        auto *s = qobject_cast<ui::DataEdit *>(form.eingaben()[5]);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s->dataField(), QStringLiteral("s"));
        const auto *label = qobject_cast<QLabel *>(form.karte()->itemAtPosition(5, 0)->widget());
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), QStringLiteral("Portugiesisch"));
    }
    {
        TfrmPackst_d druck;
        EXPECT_EQ(druck.windowTitle(), QStringLiteral("Druck \"Packstücke\""));
        EXPECT_EQ(drucken(druck), QStringLiteral("Bitte legen Sie 2 leere Blätter \nin den Drucker ein! "));
        EXPECT_EQ(druck.ProgressBar1->maximum(), 8 * 10);
    }
    EXPECT_EQ(titel(), QStringList(2, QStringLiteral("Razazu / Versand: Packstücke")));
    // Primary-key order: BX, CTN, PAL, Z1 .. Z5; CTN is the second record.
    const auto portugiesisch = aufnahme.findAll(QStringLiteral("Portugiesisch :"));
    ASSERT_EQ(portugiesisch.size(), 8);
    EXPECT_EQ(portugiesisch[1].position, QPoint(900, 350 + 284 + 3 * 42));
    const auto caja = aufnahme.findText(QStringLiteral("caja"));
    ASSERT_TRUE(caja.has_value());
    EXPECT_EQ(caja->position.y(), 350 + 410);
    EXPECT_EQ(aufnahme.findText(QStringLiteral("caixa"))->position.y(), 350 + 452);
    EXPECT_EQ(aufnahme.findText(QStringLiteral("Z5"))->page, aufnahme.jobs()[1].firstPage);
    // Seven records fill the first sheet; the seventh one's line is the frame's bottom.
    EXPECT_EQ(untersteLinie(aufnahme.jobs()[0].firstPage), 2610);
}

TEST_P(Packstuecke, ThePickerTakesTheHighlightedKindInDescriptionOrder)
{
    packstuecke();
    TfrmPackst_e auswahl;
    formulare.whenShown<TfrmPackst_e>([](TfrmPackst_e &dialog) {
        EXPECT_EQ(feld(*dialog.Table1, QStringLiteral("bez")), QStringLiteral("Karton"));
        pressKey(&dialog, Qt::Key_P, Qt::NoModifier, QStringLiteral("p"));
        dialog.Table1->prior();
        pressKey(&dialog, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    });
    EXPECT_EQ(auswahl.showModal(), ui::ModalResult::Ok);
    EXPECT_EQ(feld(*auswahl.Table1, QStringLiteral("packart")), QStringLiteral("BX"));
}

TEST_P(Packstuecke, PreferenceClausesPrintSixASheetUnderTheirOwnTitle)
{
    QList<QVariantList> klauseln;
    for (int i = 1; i <= 7; ++i)
        klauseln.append({QStringLiteral("P%1").arg(i), QStringLiteral("Erste %1").arg(i), QStringLiteral("Sechste %1").arg(i)});
    anlegen(QStringLiteral("S_PRAEFZ"), {QStringLiteral("praefz"), QStringLiteral("text1"), QStringLiteral("text6")},
            klauseln);
    {
        TfrmPraef_d druck;
        EXPECT_EQ(druck.windowTitle(), QStringLiteral("Druck \"Präferenzklauseln\""));
        EXPECT_EQ(drucken(druck), QStringLiteral("Bitte legen Sie 2 leere Blätter \nin den Drucker ein! "));
    }
    EXPECT_EQ(titel(), QStringList(2, QStringLiteral("Razazu / Versand: Präferenzkluaseln")));
    EXPECT_TRUE(aufnahme.hasText(QStringLiteral("Präferenzkluaseln"), 850, 50, 0, 1));
    EXPECT_EQ(aufnahme.findText(QStringLiteral("Erste 2"))->position.y(), 400 + 300);
    EXPECT_EQ(aufnahme.findText(QStringLiteral("Sechste 6"))->position.y(), 5 * 400 + 510);
    EXPECT_EQ(aufnahme.findText(QStringLiteral("P7"))->page, aufnahme.jobs()[1].firstPage);
    EXPECT_EQ(aufnahme.findAll(QStringLiteral("Text      :")).size(), 7);
    EXPECT_EQ(untersteLinie(aufnahme.jobs()[0].firstPage), 2560);
}

TEST_P(Packstuecke, InThePreferenceClausesEnterInTheListGoesToTheCodeAndADoubleClickTakes)
{
    anlegen(QStringLiteral("S_PRAEFZ"), {QStringLiteral("praefz"), QStringLiteral("text1")},
            {{QStringLiteral("EU"), QStringLiteral("Ursprung EU")}});
    TfrmPraef form;
    form.uebernahmeZeigen();
    formulare.whenShown<TfrmPraef>([](TfrmPraef &gezeigt) {
        zeigen(gezeigt);
        emit gezeigt.dbgrBenutzer->enterPressed();
        EXPECT_TRUE(gezeigt.isVisible());
        EXPECT_EQ(QApplication::focusWidget(), gezeigt.eingaben().first());
        emit gezeigt.dbgrBenutzer->recordDoubleClicked();
    });
    EXPECT_EQ(form.showModal(), ui::ModalResult::Ok);
    EXPECT_EQ(qobject_cast<QLineEdit *>(form.eingaben()[1])->text(), QStringLiteral("Ursprung EU"));
}

INSTANTIATE_TEST_SUITE_P(Speicher, Packstuecke, testing::Values(Speicher::SQLite, Speicher::PostgreSQL),
                         speicherName);

} // namespace
