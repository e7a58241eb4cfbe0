#include "Druckbestand.h"
#include "Formhilfen.h"

#include "masterdata/Klausel.h"
#include "masterdata/Nummernvorschlag.h"
#include "masterdata/Sprachwahl.h"
#include "masterdata/Zahlung.h"

#include "platform/ui/DataControls.h"
#include "platform/ui/SpeedButton.h"

#include <QAbstractButton>

namespace {

class Textstamm : public Druckbestand
{
protected:
    void klauseln(const QList<QVariantList> &zeilen)
    {
        anlegen(QStringLiteral("S_REKLAU"), {QStringLiteral("reklaus"), QStringLiteral("k1")}, zeilen);
    }

    void sprachen()
    {
        sprachnamen({QStringLiteral("Deutsch"), QStringLiteral("Englisch"), QStringLiteral("Französisch"),
                     QStringLiteral("Portugiesisch"), QStringLiteral("Spanisch")});
    }

    // One clause whose every line says its column: "k1" holds "k1", ...
    void sprechendeKlausel(const QString &nummer)
    {
        QStringList felder{QStringLiteral("reklaus")};
        QVariantList werte{nummer};
        for (const char *sprache : {"k", "e", "f", "p", "s"}) {
            for (int zeile = 1; zeile <= 10; ++zeile) {
                const QString name = QStringLiteral("%1%2").arg(QLatin1String(sprache)).arg(zeile);
                felder << name;
                werte << name;
            }
        }
        anlegen(QStringLiteral("S_REKLAU"), felder, {werte});
    }

    static QStringList zeilenFelder(masterdata::Sprachwahl &wahl)
    {
        QStringList felder;
        for (ui::DataEdit *edit : wahl.zeilenEingaben())
            felder << edit->dataField();
        return felder;
    }
};

TEST_P(Textstamm, TheProposalIsTheNumericMaximumPlusOneAndSkipsKeysThatAreNoNumber)
{
    struct Fall
    {
        QStringList schluessel;
        qint64 vorschlag;
    };
    const QList<Fall> faelle = {
        {{}, 1},
        {{QStringLiteral("2"), QStringLiteral("10"), QStringLiteral("9")}, 11},
        {{QStringLiteral("3"), QStringLiteral("ABC"), QStringLiteral(""), QStringLiteral("7a"), QStringLiteral(" 12 ")}, 13},
        {{QStringLiteral("X")}, 1},
    };
    for (const Fall &fall : faelle) {
        datenbank().execute(QStringLiteral("DELETE FROM %1").arg(datenbank().quote(QStringLiteral("S_REKLAU"))));
        QList<QVariantList> zeilen;
        for (const QString &schluessel : fall.schluessel)
            zeilen.append({schluessel, QStringLiteral("Text")});
        klauseln(zeilen);
        EXPECT_EQ(masterdata::naechsteNummer(datenbank(), QStringLiteral("S_REKLAU"), QStringLiteral("reklaus")),
                  fall.vorschlag)
            << fall.schluessel.join(u',').toStdString();
    }
    TfrmKlausel form;
    zeigen(form);
    form.SpeedButton17->click();
    EXPECT_EQ(form.Table1->state(), db::DatasetState::Insert);
    EXPECT_EQ(feld(form, QStringLiteral("reklaus")), QStringLiteral("1"));
    EXPECT_EQ(QApplication::focusWidget(), edit(form, 1));
}

TEST_P(Textstamm, ALanguageButtonPostsFirstAndThenShowsThatLanguagesColumns)
{
    sprachen();
    sprechendeKlausel(QStringLiteral("1"));
    TfrmKlausel form;
    zeigen(form);
    masterdata::Sprachwahl &wahl = *form.sprachwahl();
    ASSERT_EQ(wahl.knoepfe().size(), 5);
    EXPECT_EQ(wahl.knoepfe()[3]->text(), QStringLiteral("Portugiesisch"));
    EXPECT_TRUE(wahl.knoepfe()[0]->isChecked());
    EXPECT_EQ(wahl.zeilenTexte().first(), QStringLiteral("k1"));

    // Line 3 being typed in language 1 is written before the switch.
    tippen(wahl.zeilenEingaben()[2], QStringLiteral("+"));
    EXPECT_EQ(form.Table1->state(), db::DatasetState::Edit);
    wahl.knoepfe()[1]->click();
    EXPECT_EQ(form.Table1->state(), db::DatasetState::Browse);
    EXPECT_EQ(wert(QStringLiteral("SELECT \"k3\" FROM \"S_REKLAU\"")).toString(), QStringLiteral("k3+"));
    QStringList englisch;
    for (int zeile = 1; zeile <= 10; ++zeile)
        englisch << QStringLiteral("e%1").arg(zeile);
    EXPECT_EQ(zeilenFelder(wahl), englisch);
    EXPECT_EQ(wahl.zeilenTexte(), englisch);
    EXPECT_TRUE(wahl.knoepfe()[1]->isChecked());
    EXPECT_FALSE(wahl.knoepfe()[0]->isChecked());
    // The number and the list stay with language 1.
    EXPECT_EQ(dynamic_cast<ui::DataBinding *>(edit(form, 1))->dataField(), QStringLiteral("reklaus"));

    // Language 4 is the p columns, 5 the s columns.
    wahl.knoepfe()[3]->click();
    EXPECT_EQ(wahl.zeilenTexte().last(), QStringLiteral("p10"));
    wahl.knoepfe()[4]->click();
    EXPECT_EQ(wahl.zeilenTexte().first(), QStringLiteral("s1"));
}

TEST_P(Textstamm, ARefusedPostKeepsTheLanguageAndTheTypedText)
{
    klauseln({{QStringLiteral("1"), QStringLiteral("Erste")}});
    TfrmKlausel form;
    zeigen(form);
    masterdata::Sprachwahl &wahl = *form.sprachwahl();
    form.SpeedButton17->click();
    // The clerk overwrote the proposal with a number already taken.
    form.Table1->fieldByName(QStringLiteral("reklaus")).setAsString(QStringLiteral("1"));
    tippen(wahl.zeilenEingaben()[0], QStringLiteral("Doppelt"));
    dialoge.answerMessage(QStringLiteral("Daten konnten nicht gespeichert werden!"), ui::ModalResult::Ok);
    wahl.knoepfe()[2]->click();
    EXPECT_TRUE(dialoge.allAnswered());
    EXPECT_EQ(wahl.sprache(), 1);
    EXPECT_TRUE(wahl.knoepfe()[0]->isChecked());
    EXPECT_FALSE(wahl.knoepfe()[2]->isChecked());
    EXPECT_EQ(form.Table1->state(), db::DatasetState::Insert);
    EXPECT_EQ(wahl.zeilenTexte().first(), QStringLiteral("Doppelt"));
    form.Table1->cancel();
}

TEST_P(Textstamm, TakeOverOpensOnTheDocumentsLanguageLetter)
{
    sprechendeKlausel(QStringLiteral("4"));
    struct Fall
    {
        QString buchstabe;
        QString ersteZeile;
    };
    for (const Fall &fall : {Fall{QStringLiteral("p"), QStringLiteral("p1")}, Fall{QStringLiteral("P"), QStringLiteral("k1")},
                             Fall{QStringLiteral("f"), QStringLiteral("f1")}, Fall{QStringLiteral("x"), QStringLiteral("k1")}}) {
        formulare.whenShown<TfrmKlausel>([](TfrmKlausel &form) {
            EXPECT_TRUE(form.uebernehmenKnopf()->isVisible());
            form.uebernehmenKnopf()->click();
        });
        const std::optional<QStringList> zeilen = TfrmKlausel::KlauselUebernehmen(fall.buchstabe);
        ASSERT_TRUE(zeilen.has_value());
        EXPECT_EQ(zeilen->size(), 10);
        EXPECT_EQ(zeilen->first(), fall.ersteZeile) << fall.buchstabe.toStdString();
    }
    formulare.whenShown<TfrmZahlung>([](TfrmZahlung &form) { form.abbruchKnopf()->click(); });
    EXPECT_FALSE(TfrmZahlung::ZahlungUebernehmen(QStringLiteral("e")).has_value());
}

TEST_P(Textstamm, EachClausePrintsOnASheetOfItsOwnWithTheFiveLanguageBlocks)
{
    sprachen();
    sprechendeKlausel(QStringLiteral("1"));
    const QString lang = QString(60, u'W');
    QStringList felder{QStringLiteral("reklaus"), QStringLiteral("k1")};
    anlegen(QStringLiteral("S_REKLAU"), felder, {{QStringLiteral("2"), lang}, {QStringLiteral("3"), QStringLiteral("Drei")}});
    {
        TfrmKlausel_d druck;
        EXPECT_EQ(druck.windowTitle(), QStringLiteral("Druck \"Klauseln\""));
        EXPECT_EQ(drucken(druck), QStringLiteral("Bitte legen Sie 3 leere Blätter \nin den Drucker ein! "));
    }
    ASSERT_EQ(aufnahme.jobs().size(), 3);
    EXPECT_EQ(titel(), QStringList(3, QStringLiteral("Razazu / Versand: Rechnungsklauseln")));
    for (int blatt = 1; blatt <= 3; ++blatt)
        EXPECT_TRUE(aufnahme.hasText(QStringLiteral("Seite : %1").arg(blatt), 1700, 50, 0, aufnahme.jobs()[blatt - 1].firstPage));
    const int erste = aufnahme.jobs()[0].firstPage;
    EXPECT_TRUE(aufnahme.hasText(QStringLiteral("Klauseln"), 850, 50, 0, erste));
    const auto nummer = aufnahme.findText(QStringLiteral("Nummer. : "), erste);
    ASSERT_TRUE(nummer.has_value());
    EXPECT_FALSE(nummer->font.style & print::FontStyle::Underline);
    const QList<std::pair<QString, int>> bloecke = {{QStringLiteral("Deutsch"), 290}, {QStringLiteral("Englisch"), 790},
                                                    {QStringLiteral("Französisch"), 1290},
                                                    {QStringLiteral("Portugiesisch"), 1790},
                                                    {QStringLiteral("Spanisch"), 2290}};
    const QStringList praefixe = {QStringLiteral("k"), QStringLiteral("e"), QStringLiteral("f"), QStringLiteral("p"),
                                  QStringLiteral("s")};
    for (int i = 0; i < bloecke.size(); ++i) {
        const auto kopf = aufnahme.findText(bloecke[i].first, erste);
        ASSERT_TRUE(kopf.has_value());
        EXPECT_EQ(kopf->position, QPoint(150, bloecke[i].second));
        EXPECT_TRUE(kopf->font.style & print::FontStyle::Underline);
        EXPECT_TRUE(aufnahme.hasText(praefixe[i] + QStringLiteral("1"), 150, bloecke[i].second + 72, 0, erste));
        EXPECT_TRUE(aufnahme.hasText(praefixe[i] + QStringLiteral("10"), 150, bloecke[i].second + 72 + 9 * 42, 0, erste));
    }
    EXPECT_EQ(linienY(erste), (QList<int>{270, 780, 1280, 1780, 2280}));
    EXPECT_TRUE(aufnahme.hasText(lang, 150, 290 + 72, 0, aufnahme.jobs()[1].firstPage));
}

TEST_P(Textstamm, PaymentTermsPrintTheirNumberAndFiveLinesPerLanguage)
{
    sprachen();
    anlegen(QStringLiteral("S_ZABEDG"), {QStringLiteral("zabedg"), QStringLiteral("t1"), QStringLiteral("t5"), QStringLiteral("s5")},
            {{QStringLiteral("30"), QStringLiteral("30 Tage netto"), QStringLiteral("Ende"), QStringLiteral("fin")}});
    {
        TfrmZahlung_d druck;
        EXPECT_EQ(drucken(druck), QStringLiteral("Bitte legen Sie 1 leeres Blatt \nin den Drucker ein! "));
        EXPECT_EQ(druck.ProgressBar1->maximum(), 6);
    }
    EXPECT_EQ(titel(), QStringList{QStringLiteral("Razazu / Versand: Zahlungsbedingungen")});
    EXPECT_TRUE(aufnahme.hasText(QStringLiteral("Zahlungsbedingung : "), 850, 200));
    EXPECT_TRUE(aufnahme.hasText(QStringLiteral("30 Tage netto"), 150, 280 + 142));
    EXPECT_TRUE(aufnahme.hasText(QStringLiteral("Ende"), 150, 280 + 142 + 4 * 42));
    EXPECT_TRUE(aufnahme.hasText(QStringLiteral("fin"), 150, 2170 + 142 + 4 * 42));
    EXPECT_TRUE(aufnahme.hasText(QStringLiteral("Spanisch"), 150, 2170));
    EXPECT_EQ(aufnahme.shapes().front().points.boundingRect().bottom(), 2620);
}

INSTANTIATE_TEST_SUITE_P(Speicher, Textstamm, testing::Values(Speicher::SQLite, Speicher::PostgreSQL), speicherName);

} // namespace
