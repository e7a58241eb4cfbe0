#include "Druckbestand.h"
#include "Formhilfen.h"

#include "masterdata/Artikel.h"
#include "masterdata/AuswahlWaren.h"
#include "masterdata/Sprachwahl.h"

#include "common/TSR_dbGrid.h"

#include "platform/db/Table.h"
#include "platform/ui/DataControls.h"
#include "platform/ui/SpeedButton.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>

namespace {

class Artikel : public Druckbestand
{
protected:
    void artikel(const QStringList &nummern)
    {
        QList<QVariantList> zeilen;
        for (const QString &nummer : nummern)
            zeilen.append({nummer, QStringLiteral("Artikel %1").arg(nummer), QStringLiteral("Article %1").arg(nummer)});
        anlegen(QStringLiteral("S_ARTIST"), {QStringLiteral("artikel"), QStringLiteral("bez1"), QStringLiteral("E1")},
                zeilen);
    }

    // Replaces the edit's text as typed keys.
    static void ueberschreiben(ui::DataEdit *ziel, const QString &text)
    {
        ziel->setFocus();
        ziel->selectAll();
        tippen(ziel, text);
    }

    static QString nummer(TfrmArtikel &form) { return form.Table1->fieldByName(QStringLiteral("artikel")).asString(); }
};

TEST_P(Artikel, NumbersAreProposedAfterTheLastOneTypedOrProposed)
{
    artikel({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("4"), QStringLiteral("A-7")});
    TfrmArtikel form;
    zeigen(form);
    form.SpeedButton17->click();
    EXPECT_EQ(nummer(form), QStringLiteral("3"));
    EXPECT_EQ(form.Table1->fieldByName(QStringLiteral("preis")).asFloat(), 0.0);
    EXPECT_FALSE(form.Table1->fieldByName(QStringLiteral("netto")).isNull());
    EXPECT_EQ(QApplication::focusWidget(), edit(form, 1));
    ueberschreiben(edit(form, 3), QStringLiteral("Neu"));
    form.SpeedButton13->click();
    EXPECT_EQ(anzahl(QStringLiteral("S_ARTIST"), QStringLiteral("\"artikel\" = '3'")), 1);

    form.SpeedButton17->click();
    EXPECT_EQ(nummer(form), QStringLiteral("5"));
    // Types over the proposal, leaves the field, saves and adds the next.
    const auto naechsterNach = [&](const QString &getippt) {
        ueberschreiben(edit(form, 1), getippt);
        edit(form, 3)->setFocus();
        QApplication::processEvents();
        form.SpeedButton13->click();
        form.SpeedButton17->click();
        return nummer(form);
    };
    // A number typed over the proposal: the next one follows it.
    EXPECT_EQ(naechsterNach(QStringLiteral("100")), QStringLiteral("101"));
    // Text that is no number leaves the last number as it was.
    EXPECT_EQ(naechsterNach(QStringLiteral("X-1")), QStringLiteral("102"));
    form.Table1->cancel();
    EXPECT_EQ(anzahl(QStringLiteral("S_ARTIST")), 7);
}

TEST_P(Artikel, ALanguageButtonPostsWhatWasTypedThenShowsItsOwnColumns)
{
    sprachnamen({QStringLiteral("Deutsch"), QStringLiteral("Englisch"), QStringLiteral("Französisch"),
                 QStringLiteral("Italienisch"), QStringLiteral("Spanisch")});
    artikel({QStringLiteral("1")});
    TfrmArtikel form;
    zeigen(form);
    const QList<ui::SpeedButton *> knoepfe = form.sprachwahl()->knoepfe();
    ASSERT_EQ(knoepfe.size(), 5);
    EXPECT_EQ(knoepfe[3]->text(), QStringLiteral("Italienisch"));

    form.SpeedButton19->click();
    ueberschreiben(edit(form, 3), QStringLiteral("Schraube"));
    knoepfe[1]->click();
    EXPECT_EQ(form.Table1->state(), db::DatasetState::Browse);
    EXPECT_EQ(wert(QStringLiteral("SELECT \"bez1\" FROM \"S_ARTIST\"")).toString(), QStringLiteral("Schraube"));
    EXPECT_EQ(edit(form, 3)->text(), QStringLiteral("Article 1"));
    EXPECT_EQ(edit(form, 8)->dataField(), QStringLiteral("e6"));

    // The fourth button writes the p columns, whatever its caption says.
    knoepfe[3]->click();
    form.SpeedButton19->click();
    ueberschreiben(edit(form, 4), QStringLiteral("parafuso"));
    knoepfe[0]->click();
    EXPECT_EQ(wert(QStringLiteral("SELECT \"p2\" FROM \"S_ARTIST\"")).toString(), QStringLiteral("parafuso"));
    EXPECT_EQ(wert(QStringLiteral("SELECT \"s2\" FROM \"S_ARTIST\"")).toString(), QString());
    EXPECT_EQ(edit(form, 3)->text(), QStringLiteral("Schraube"));
}

TEST_P(Artikel, TheArticleTextIsTheGermanLinesWhateverLanguageWasShown)
{
    anlegen(QStringLiteral("S_ARTIST"),
            {QStringLiteral("artikel"), QStringLiteral("bez1"), QStringLiteral("bez2"), QStringLiteral("bez6"),
             QStringLiteral("E1")},
            {{QStringLiteral("1"), QStringLiteral("Schraube"), QStringLiteral("M8"), QStringLiteral("verzinkt"),
              QStringLiteral("Screw")}});
    formulare.whenShown<TfrmArtikel>([](TfrmArtikel &form) {
        form.sprachwahl()->knoepfe()[1]->click();
        emit form.dbgrBenutzer->recordDoubleClicked();
    });
    QString text;
    EXPECT_TRUE(AuswahlArtikel(text));
    EXPECT_EQ(text, QStringLiteral("Schraube M8    verzinkt"));

    formulare.whenShown<TfrmArtikel>([](TfrmArtikel &form) { form.abbruchKnopf()->click(); });
    EXPECT_FALSE(AuswahlArtikel(text));
    EXPECT_EQ(text, QString());
}

TEST_P(Artikel, TheListPrintsFivePerSheetWithPriceAndMassFormatted)
{
    anlegen(QStringLiteral("S_LANDBZ"), {QStringLiteral("Land"), QStringLiteral("Bez"), QStringLiteral("Lkz")},
            {{QStringLiteral("004"), QStringLiteral("Deutschland"), QStringLiteral("DE")}});
    QList<QVariantList> zeilen;
    for (int i = 1; i <= 7; ++i)
        zeilen.append({QString::number(i), QStringLiteral("Zeile eins %1").arg(i), QStringLiteral("Zeile sechs %1").arg(i),
                       1234.5 * i, 12.3, i == 1 ? QStringLiteral("DE") : QString()});
    anlegen(QStringLiteral("S_ARTIST"),
            {QStringLiteral("artikel"), QStringLiteral("bez1"), QStringLiteral("bez6"), QStringLiteral("preis"),
             QStringLiteral("netto"), QStringLiteral("urland")},
            zeilen);
    {
        TDruckArtikel druck;
        EXPECT_EQ(druck.windowTitle(), QStringLiteral("Druck \"Artikelstammdaten\" keine "));
        EXPECT_EQ(drucken(druck), QStringLiteral("Bitte legen Sie 2 leere Blätter \nin den Drucker ein! "));
    }
    EXPECT_EQ(titel(), QStringList(2, QStringLiteral("Razazu / Versand: Artikelstamm")));
    const int zweite = aufnahme.jobs()[1].firstPage;
    EXPECT_EQ(aufnahme.findText(QStringLiteral("Zeile eins 7"))->page, zweite);
    EXPECT_EQ(aufnahme.findText(QStringLiteral("Zeile eins 2"))->position, QPoint(150, 342 + 530));
    EXPECT_EQ(aufnahme.findText(QStringLiteral("Zeile sechs 2"))->position, QPoint(150, 552 + 530));
    const auto preis = aufnahme.findText(QStringLiteral("2.469,00 €"));
    ASSERT_TRUE(preis.has_value());
    EXPECT_EQ(preis->position.y(), 200 + 530);
    EXPECT_GT(preis->position.x(), 1200);
    EXPECT_TRUE(preis->font.style & print::FontStyle::Bold);
    EXPECT_EQ(aufnahme.findAll(QStringLiteral("12,30")).size(), 7);
    EXPECT_EQ(aufnahme.findText(QStringLiteral("Deutschland"))->position.y(), 284);
    const auto beschriftung = aufnahme.findText(QStringLiteral("Preis         : "));
    ASSERT_TRUE(beschriftung.has_value());
    EXPECT_FALSE(beschriftung->font.style & print::FontStyle::Underline);
    // A line after each of the first four articles of a full sheet, none
    // after the fifth; the second sheet's two articles have theirs.
    EXPECT_EQ(linienY(), (QList<int>{670, 1200, 1730, 2260, 670, 1200}));
}

INSTANTIATE_TEST_SUITE_P(Speicher, Artikel, testing::Values(Speicher::SQLite, Speicher::PostgreSQL), speicherName);

} // namespace
