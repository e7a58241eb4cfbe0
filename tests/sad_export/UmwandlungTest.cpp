#include "Eingabetest.h"
#include "support/Namens.h"
#include "support/ModalForms.h"
#include "support/ScriptedDialogs.h"

#include "platform/db/Table.h"
#include "platform/ui/StatusBar.h"
#include "common/Belegformular.h"
#include "sad_export/TfrmRegieAE.h"
#include "transport/Tabelle_CMR.h"
#include "transport/Tabelle_Cmrfolg.h"
#include "transport/TfrmRegieCMR.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

// Declaration 5 beside the CMR's tables: its master record with a carrier
// of its own, and note 3 of another consignee.
class UmwandlungTest : public AusfuhrTest
{
protected:
    void SetUp() override
    {
        AusfuhrTest::SetUp();
        if (IsSkipped())
            return;
        daten->datenbank.createTable(Tabelle_CMR());
        daten->datenbank.createTable(Tabelle_Cmrfolg());
        ausfuehren(QStringLiteral("INSERT INTO \"CMR\" (\"BELEGNR\", \"DATUM\", \"C16_1\", \"C2_5\", \"C1_5\") "
                                  "VALUES (2000000000, ?, 'Spedition Muster', 'Master-Zeile', 'Master-Zeile')"),
                   {QDate(2020, 1, 1)});
        ausfuehren(QStringLiteral("INSERT INTO \"CMR\" (\"BELEGNR\", \"DATUM\", \"C2_1\") VALUES (3, ?, 'Andere')"),
                   {QDate(2024, 1, 1)});

        daten->erklaerung(5, QStringLiteral("Kunde GmbH"));
        ausfuehren(QStringLiteral("UPDATE \"EINHEIT\" SET \"f8_2\" = 'Einkauf', \"f8_3\" = 'Halle 2', "
                                  "\"f8_4\" = 'Hafenstr. 1', \"f2_1\" = 'Versender AG', \"f2_2\" = 'Versand', "
                                  "\"f2_4\" = 'Werkstr. 9', \"f2_5\" = '20095 Hamburg' WHERE \"belegnr\" = 5"));
        for (const Posten &posten : posten_)
            ausfuehren(QStringLiteral("INSERT INTO \"EINFOLG\" (\"belegnr\", \"pos\", \"f31_1\", \"f31_2\", \"f33_1\", "
                                      "\"f35_1\") VALUES (5, ?, ?, ?, ?, ?)"),
                       {posten.pos, posten.f31_1, posten.f31_2, posten.f33_1, posten.f35_1});
    }

    void ausfuehren(const QString &sql, const QVariantList &werte = {}) { daten->datenbank.execute(sql, werte); }
    QString cmr(int nummer, const QString &feld)
    {
        return speicherText(*daten, QStringLiteral("SELECT \"%1\" FROM \"CMR\" WHERE \"BELEGNR\" = ?").arg(feld),
                            {nummer});
    }
    static QLineEdit *edit(Eingabeformular &form, const char *name)
    {
        return qobject_cast<QLineEdit *>(form.steuerelement(QString::fromLatin1(name)));
    }
    // The note's lines as "Pos|C6|C10|C11".
    QStringList zeilen(int nummer)
    {
        QStringList gelesen;
        db::Query abfrage(daten->datenbank, QStringLiteral("SELECT \"Pos\", \"C6\", \"C10\", \"C11\" FROM \"Cmrfolg\" "
                                                          "WHERE \"BelegNr\" = ? ORDER BY \"Pos\""));
        abfrage.bind(0, nummer);
        for (abfrage.open(); !abfrage.eof(); abfrage.next())
            gelesen << QStringLiteral("%1|%2|%3|%4")
                           .arg(abfrage.value(0).toString(), abfrage.value(1).toString(), abfrage.value(2).toString(),
                                abfrage.value(3).toString());
        return gelesen;
    }
    // A note 5 as a clerk made it before: consignee "Alt", two lines.
    void alterFrachtbrief()
    {
        ausfuehren(QStringLiteral("INSERT INTO \"CMR\" (\"BELEGNR\", \"DATUM\", \"Positionen\", \"C2_1\") "
                                  "VALUES (5, ?, 2, 'Alt')"),
                   {QDate(2023, 7, 1)});
        for (int pos = 1; pos <= 2; ++pos)
            ausfuehren(QStringLiteral("INSERT INTO \"Cmrfolg\" VALUES (5, ?, ?, '', '', '')"),
                       {pos, QStringLiteral("Kiste %1").arg(pos)});
    }
    const QStringList alteZeilen{QStringLiteral("1|Kiste 1||"), QStringLiteral("2|Kiste 2||")};
    // The lines the declaration's items give: count and kind split at the
    // first blank, an empty box 31 counting 0.
    const QStringList neueZeilen{QStringLiteral("1|12 KT Laptops|84713000|25"), QStringLiteral("2|0  Kabel|85444290|3,5"),
                                 QStringLiteral("3|7  Pferde|01012100|400"),
                                 QStringLiteral("4|3 KT Holz Schrauben|73181500|1")};

    struct Posten
    {
        int pos;
        QString f31_1, f31_2, f33_1, f35_1;
    };
    const QList<Posten> posten_{{1, QStringLiteral("12 KT"), QStringLiteral("Laptops"), QStringLiteral("84713000"),
                                 QStringLiteral("25")},
                                {2, QString(), QStringLiteral("Kabel"), QStringLiteral("85444290"), QStringLiteral("3,5")},
                                {3, QStringLiteral("7"), QStringLiteral("Pferde"), QStringLiteral("01012100"),
                                 QStringLiteral("400")},
                                {4, QStringLiteral("3 KT Holz"), QStringLiteral("Schrauben"), QStringLiteral("73181500"),
                                 QStringLiteral("1")}};
};

// "&Wechseln" stands before "&Drucken" and "&Schließen" with its two
// sub-menus; of the families only the CMR is built, so its item alone is
// on, and not from the master record, whose conversion would replace the
// CMR's own master.
TEST_P(UmwandlungTest, TheChangeMenuOffersTheCmrOnlyAndNotFromTheMaster)
{
    TfrmRegieAE regie;
    ASSERT_TRUE(regie.kopf().findKey({5}));
    Belegformular form(regie, QStringLiteral("BelegNr: 5"));
    QStringList leiste;
    for (const QAction *eintrag : form.menuBar()->actions())
        leiste << eintrag->text();
    EXPECT_EQ(leiste, QStringList({"&Wechseln", "&Drucken", "&Schließen"}));
    const auto eintraege = [](const QMenu *menue) {
        QStringList gelesen;
        for (const QAction *eintrag : menue->actions())
            gelesen << QStringLiteral("%1 %2%3%4")
                           .arg(eintrag->objectName(), eintrag->text(), eintrag->isEnabled() ? QStringLiteral(" an") : QString(),
                                eintrag->isVisible() ? QString() : QStringLiteral(" verborgen"));
        return gelesen;
    };
    ASSERT_EQ(namens<QMenu>(form, QStringLiteral("Wechseln1"))->actions().size(), 2);
    EXPECT_EQ(namens<QMenu>(form, QStringLiteral("Wechseln1"))->actions()[0]->text(), "&Razazu-Papiere");
    EXPECT_EQ(namens<QMenu>(form, QStringLiteral("Wechseln1"))->actions()[1]->text(), "&Versand-Papiere");
    EXPECT_EQ(eintraege(namens<QMenu>(form, QStringLiteral("RazazuPapiere1"))),
              QStringList({"EP7 &AT. R.", "EP2 EUR &1", "EP3 EUR &2 verborgen", "EP4 &Ursprngszeugnis",
                           "EP6 &Versandanmeldung T1, T2"}));
    EXPECT_EQ(eintraege(namens<QMenu>(form, QStringLiteral("VersandPapiere1"))),
              QStringList({"VP3 &CMR - Frachtbrief an", "VP11 &DHL", "VP5 &Packliste", "VP6 Paket&karte",
                           "VP8 TNT - &Express Inland", "VP9 TNT - &Worldwide", "FedEX1 FedEX", "VP10 &UPS",
                           "VP2 &Versand- / Speditionsauftrag"}));
    form.setModalResult(ui::ModalResult::Cancel);

    ASSERT_TRUE(regie.kopf().findKey({Belegart::MasterFormularNr}));
    Belegformular master(regie, QStringLiteral("Master-Formular"));
    EXPECT_FALSE(namens<QAction>(master, QStringLiteral("VP3"))->isEnabled());
    master.setModalResult(ui::ModalResult::Cancel);
}

// A declaration whose number the CMR does not hold yet becomes a copy of the
// CMR's master record under that number, among other notes: consignee and
// exporter into boxes 2 and 1, the declaration's date, one line per item;
// the note then opens in the CMR's entry form.
TEST_P(UmwandlungTest, TheCmrIsMadeFromItsMasterAndTheDeclaration)
{
    TfrmRegieAE regie;
    ASSERT_TRUE(regie.kopf().findKey({5}));
    Belegformular form(regie, QStringLiteral("BelegNr: 5"));
    eingabeZeigen(form);
    eintippen(edit(form, "DBEdit37"), QStringLiteral("Getippt"));   // box 8 line 5, not yet stored

    QString status;
    QString empfaenger;
    QStringList zeilenImFormular;
    ModalForms formulare;
    formulare.whenShown<Belegformular>([&](Belegformular &cmr) {
        status = cmr.statusBar()->panelText(1);
        empfaenger = qobject_cast<QLineEdit *>(cmr.steuerelement(QStringLiteral("DBEdit6")))->text();
        zeilenImFormular = zeilen(5);
        cmr.setModalResult(ui::ModalResult::Cancel);
    });
    namens<QAction>(form, QStringLiteral("VP3"))->trigger();
    ASSERT_TRUE(formulare.allShown());
    EXPECT_EQ(status, "BelegNr: 5");
    EXPECT_EQ(empfaenger, "Kunde GmbH");
    EXPECT_EQ(zeilenImFormular, neueZeilen);

    EXPECT_EQ(daten->zahl(QStringLiteral("SELECT COUNT(*) FROM \"CMR\" WHERE \"BELEGNR\" = 5")), 1);
    EXPECT_EQ(db::Query::scalar(daten->datenbank, QStringLiteral("SELECT \"DATUM\" FROM \"CMR\" WHERE \"BELEGNR\" = 5"))
                  .toDate(),
              QDate(2024, 5, 2));
    const QStringList box2{"Kunde GmbH", "Einkauf", "Halle 2", "Hafenstr. 1", "Getippt"};
    const QStringList box1{"Versender AG", "Versand", "", "Werkstr. 9", "20095 Hamburg"};
    for (int zeile = 1; zeile <= 5; ++zeile) {
        EXPECT_EQ(cmr(5, QStringLiteral("C2_%1").arg(zeile)), box2[zeile - 1]) << zeile;
        EXPECT_EQ(cmr(5, QStringLiteral("C1_%1").arg(zeile)), box1[zeile - 1]) << zeile;
    }
    EXPECT_EQ(cmr(5, "C16_1"), "Spedition Muster") << "taken from the CMR's master record";
    EXPECT_EQ(cmr(5, "Positionen"), "4");
    EXPECT_EQ(zeilen(5), neueZeilen);
    EXPECT_EQ(cmr(3, "C2_1"), "Andere");
    EXPECT_EQ(cmr(Belegart::MasterFormularNr, "C2_5"), "Master-Zeile");
    EXPECT_EQ(regie.kopf().field(0).asInteger(), 5);
    form.setModalResult(ui::ModalResult::Cancel);
}

// A number the CMR holds already: "No" opens that note as it is, "Yes"
// replaces it and its lines.
TEST_P(UmwandlungTest, AnExistingNoteOpensAsItIsOrIsMadeAnew)
{
    alterFrachtbrief();
    TfrmRegieAE regie;
    ASSERT_TRUE(regie.kopf().findKey({5}));
    Belegformular form(regie, QStringLiteral("BelegNr: 5"));
    struct Fall
    {
        int antwort;
        const char *empfaenger;
        QStringList zeilen;
    };
    for (const Fall &fall : {Fall{ui::ModalResult::No, "Alt", alteZeilen},
                             Fall{ui::ModalResult::Yes, "Kunde GmbH", neueZeilen}}) {
        SCOPED_TRACE(fall.antwort);
        ScriptedDialogs dialoge;
        dialoge.answerMessage(QStringLiteral("Sie haben diese Belegnummer bereits vergeben!"), fall.antwort);
        QString gezeigt;
        ModalForms formulare;
        formulare.whenShown<Belegformular>([&](Belegformular &cmr) {
            gezeigt = qobject_cast<QLineEdit *>(cmr.steuerelement(QStringLiteral("DBEdit6")))->text();
            cmr.setModalResult(ui::ModalResult::Cancel);
        });
        namens<QAction>(form, QStringLiteral("VP3"))->trigger();
        ASSERT_EQ(dialoge.shown().size(), 1u);
        EXPECT_EQ(dialoge.shown()[0].text, "Sie haben diese Belegnummer bereits vergeben!\nÜberschreiben?");
        EXPECT_EQ(dialoge.shown()[0].type, ui::MessageType::Warning);
        EXPECT_EQ(gezeigt, QLatin1String(fall.empfaenger));
        EXPECT_EQ(cmr(5, "C2_1"), QLatin1String(fall.empfaenger));
        EXPECT_EQ(zeilen(5), fall.zeilen);
        EXPECT_EQ(cmr(5, "Positionen"), QString::number(fall.zeilen.size()));
    }
    EXPECT_EQ(daten->zahl(QStringLiteral("SELECT COUNT(*) FROM \"CMR\" WHERE \"BELEGNR\" = 5")), 1);
    form.setModalResult(ui::ModalResult::Cancel);
}

// Making the note is one write: when a line cannot be stored, neither the
// new header nor any line stays, a replaced note is back as it was, the
// clerk is told so, and no entry form opens.
TEST_P(UmwandlungTest, AFailureMidwayLeavesTheCmrAsItWas)
{
    struct Fall
    {
        const char *name;
        bool vorhanden;
    };
    for (const Fall &fall : {Fall{"new note, the store refuses line 2", false},
                             Fall{"replacing a note, line 3 is refused", true}}) {
        SCOPED_TRACE(fall.name);
        ausfuehren(QStringLiteral("DELETE FROM \"Cmrfolg\""));
        ausfuehren(QStringLiteral("DELETE FROM \"CMR\" WHERE \"BELEGNR\" = 5"));
        ScriptedDialogs dialoge;
        if (fall.vorhanden) {
            alterFrachtbrief();
            dialoge.answerMessage(QStringLiteral("Sie haben diese Belegnummer bereits vergeben!"), ui::ModalResult::Yes,
                                  [] {
                                      TfrmRegie *cmrRegister = nullptr;
                                      for (QWidget *fenster : QApplication::topLevelWidgets()) {
                                          if (auto *r = qobject_cast<TfrmRegie *>(fenster); r && &r->art() == &CmrFrachtbrief())
                                              cmrRegister = r;
                                      }
                                      ASSERT_NE(cmrRegister, nullptr);
                                      cmrRegister->regie().positionen()->beforePost.add([](db::Table &zeile) {
                                          if (zeile.fieldByName(QStringLiteral("Pos")).asInteger() == 3)
                                              throw db::DatabaseError(QStringLiteral("Zeile 3 gesperrt"));
                                      });
                                  });
            dialoge.answerMessage(QStringLiteral("Zeile 3 gesperrt\nDer Beleg 5 wurde nicht angelegt. Es wurde "
                                                 "nichts gespeichert."),
                                  ui::ModalResult::Ok);
        } else {
            // A stray line under the number: the store refuses a second line 2.
            ausfuehren(QStringLiteral("INSERT INTO \"Cmrfolg\" VALUES (5, 2, 'Verirrt', '', '', '')"));
            dialoge.answerMessage(QStringLiteral("Daten konnten nicht gespeichert werden!"), ui::ModalResult::Ok);
            dialoge.answerMessage(QStringLiteral("Der Beleg 5 wurde nicht angelegt. Es wurde nichts gespeichert."),
                                  ui::ModalResult::Ok);
        }
        TfrmRegieAE regie;
        ASSERT_TRUE(regie.kopf().findKey({5}));
        Belegformular form(regie, QStringLiteral("BelegNr: 5"));
        ModalForms formulare;
        formulare.failIfShown<Belegformular>();
        namens<QAction>(form, QStringLiteral("VP3"))->trigger();
        EXPECT_TRUE(dialoge.allAnswered());
        if (fall.vorhanden) {
            EXPECT_EQ(cmr(5, "C2_1"), "Alt");
            EXPECT_EQ(cmr(5, "Positionen"), "2");
            EXPECT_EQ(zeilen(5), alteZeilen);
        } else {
            EXPECT_EQ(daten->zahl(QStringLiteral("SELECT COUNT(*) FROM \"CMR\" WHERE \"BELEGNR\" = 5")), 0);
            EXPECT_EQ(zeilen(5), QStringList{QStringLiteral("2|Verirrt||")});
        }
        EXPECT_EQ(cmr(3, "C2_1"), "Andere");
        form.setModalResult(ui::ModalResult::Cancel);
    }
}

} // namespace

AUSFUHR_TESTS(UmwandlungTest);
