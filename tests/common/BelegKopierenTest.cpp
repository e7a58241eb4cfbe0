#include "RegisterTestbasis.h"
#include "support/ScriptedDialogs.h"

#include "common/BelegKopieren.h"

#include <gtest/gtest.h>

namespace {

class BelegKopierenTest : public testing::Test
{
protected:
    void SetUp() override
    {
        familie.kopfAnlegen(5, QStringLiteral("Müller"));
        familie.positionAnlegen(5, 1, QStringLiteral("eins"), 1.5);
        familie.positionAnlegen(5, 2, QStringLiteral("zwei"), 2.25);
        familie.positionAnlegen(5, 4, QStringLiteral("vier"), 4);
        familie.kopfAnlegen(2000000000, QStringLiteral("Master"), QDate(2001, 1, 1));
        familie.positionAnlegen(2000000000, 1, QStringLiteral("Vorgabe"), 1);
        familie.oeffnen();
    }

    int zeilenVon(int nummer)
    {
        return familie.anzahl(QStringLiteral("SELECT COUNT(*) FROM \"TESTPOS\" WHERE \"BelegNr\" = ?"), {nummer});
    }

    Testfamilie familie;
};

TEST_F(BelegKopierenTest, CopiesHeaderAndEveryLineAlsoAfterAGap)
{
    ASSERT_TRUE(BelegKopieren(*familie.kopf, *familie.positionen, 5, 7));

    EXPECT_EQ(familie.kopf->field(0).asInteger(), 7);
    EXPECT_EQ(familie.kopf->fieldByName("Datum").asDate(), QDate::currentDate());
    EXPECT_EQ(familie.kopf->fieldByName("Empfaenger").asString(), "Müller");
    EXPECT_EQ(familie.kopf->fieldByName("Bemerkung").asString(), "Bemerkung 5");
    // The last header field keeps what a new record gets.
    EXPECT_EQ(familie.kopf->fieldByName("IsLockedByUser").asString(), "");

    ASSERT_EQ(zeilenVon(7), 3);
    struct Zeile
    {
        int pos;
        const char *text;
        double menge;
    };
    for (const Zeile &zeile : {Zeile{1, "eins", 1.5}, Zeile{2, "zwei", 2.25}, Zeile{4, "vier", 4}}) {
        SCOPED_TRACE(zeile.pos);
        EXPECT_EQ(familie.wert("SELECT \"Text\" FROM \"TESTPOS\" WHERE \"BelegNr\" = 7 AND \"Pos\" = ?", {zeile.pos})
                      .toString(),
                  QString::fromUtf8(zeile.text));
        EXPECT_DOUBLE_EQ(
            familie.wert("SELECT \"Menge\" FROM \"TESTPOS\" WHERE \"BelegNr\" = 7 AND \"Pos\" = ?", {zeile.pos}).toDouble(),
            zeile.menge);
        EXPECT_EQ(familie.wert("SELECT \"Notiz\" FROM \"TESTPOS\" WHERE \"BelegNr\" = 7 AND \"Pos\" = ?", {zeile.pos})
                      .toString(),
                  QStringLiteral("Notiz 5/%1\nzweite Zeile").arg(zeile.pos));
    }
    EXPECT_EQ(zeilenVon(5), 3) << "the source keeps its lines";
    EXPECT_EQ(familie.positionen->recordCount(), 3) << "the line table follows the copy";
}

TEST_F(BelegKopierenTest, LinesStartingAtPositionTwoAreCopied)
{
    familie.kopfAnlegen(8, QStringLiteral("Ohne Eins"));
    familie.positionAnlegen(8, 2, QStringLiteral("zwei"), 2);
    familie.positionAnlegen(8, 3, QStringLiteral("drei"), 3);

    ASSERT_TRUE(BelegKopieren(*familie.kopf, *familie.positionen, 8, 9));
    EXPECT_EQ(zeilenVon(9), 2);
}

TEST_F(BelegKopierenTest, FailedLineLeavesNothingBehindAndTellsTheClerk)
{
    // A stray line already holds target 7, position 2: the second line fails.
    familie.positionAnlegen(7, 2, QStringLiteral("fremd"), 0);
    familie.kopf->findKey({5});

    ScriptedDialogs dialoge;
    dialoge.answerMessage(QStringLiteral("Der Beleg 5 konnte nicht nach 7 kopiert werden"), ui::ModalResult::Ok);
    EXPECT_FALSE(BelegKopieren(*familie.kopf, *familie.positionen, 5, 7));

    EXPECT_EQ(familie.anzahl("SELECT COUNT(*) FROM \"TESTKOPF\" WHERE \"BelegNr\" = 7"), 0);
    EXPECT_EQ(zeilenVon(7), 1) << "only the stray line stays";
    EXPECT_EQ(familie.wert("SELECT \"Text\" FROM \"TESTPOS\" WHERE \"BelegNr\" = 7").toString(), "fremd");
    EXPECT_EQ(familie.kopf->state(), db::DatasetState::Browse);
    EXPECT_EQ(familie.positionen->state(), db::DatasetState::Browse);
    EXPECT_EQ(familie.kopf->field(0).asInteger(), 5) << "back on the source";

    // The tables work on afterwards.
    EXPECT_TRUE(BelegKopieren(*familie.kopf, *familie.positionen, 5, 6));
    EXPECT_EQ(zeilenVon(6), 3);
}

TEST_F(BelegKopierenTest, NewDocumentFromTheMasterRecord)
{
    familie.kopf->setFilter(QStringLiteral("BelegNr < 2000000000"));
    familie.kopf->setFiltered(true);

    // A filter hiding the master record makes the routine refuse, not copy
    // another document.
    {
        ScriptedDialogs dialoge;
        dialoge.answerMessage(QStringLiteral("Masterformular"), ui::ModalResult::Ok);
        EXPECT_FALSE(NeuerBelegAusMaster(*familie.kopf, 12));
        EXPECT_EQ(familie.anzahl("SELECT COUNT(*) FROM \"TESTKOPF\" WHERE \"BelegNr\" = 12"), 0);
    }

    familie.kopf->setFiltered(false);
    ASSERT_TRUE(NeuerBelegAusMaster(*familie.kopf, 12));
    EXPECT_EQ(familie.kopf->field(0).asInteger(), 12);
    EXPECT_EQ(familie.kopf->fieldByName("Datum").asDate(), QDate::currentDate());
    EXPECT_EQ(familie.kopf->fieldByName("Empfaenger").asString(), "Master");
    EXPECT_EQ(familie.kopf->fieldByName("IsLockedByUser").asString(), "X");
    EXPECT_EQ(zeilenVon(12), 0) << "a new document gets no lines from here";
}

TEST_F(BelegKopierenTest, NewDocumentUnderAnExistingNumberShowsTheStoreMessage)
{
    ScriptedDialogs dialoge;
    dialoge.answerMessage(QString(), ui::ModalResult::Ok);
    EXPECT_FALSE(NeuerBelegAusMaster(*familie.kopf, 5));
    EXPECT_EQ(familie.anzahl("SELECT COUNT(*) FROM \"TESTKOPF\""), 2);
    EXPECT_EQ(familie.kopf->state(), db::DatasetState::Browse);
    ASSERT_EQ(dialoge.shown().size(), 1u);
    EXPECT_EQ(dialoge.shown().front().type, ui::MessageType::Error);
}

TEST_F(BelegKopierenTest, OneTableDocumentCopy)
{
    ASSERT_TRUE(DatensatzKopieren(*familie.kopf, 5, 30));
    EXPECT_EQ(familie.kopf->field(0).asInteger(), 30);
    EXPECT_EQ(familie.kopf->fieldByName("Datum").asDate(), QDate::currentDate());
    EXPECT_EQ(familie.kopf->fieldByName("IsLockedByUser").asString(), "X") << "every field travels";

    ScriptedDialogs dialoge;
    dialoge.answerMessage(QStringLiteral("konnte nicht"), ui::ModalResult::Ok);
    EXPECT_FALSE(DatensatzKopieren(*familie.kopf, 5, 30)) << "the target exists";
    EXPECT_EQ(familie.anzahl("SELECT COUNT(*) FROM \"TESTKOPF\""), 3);
}

TEST_F(BelegKopierenTest, DateAsTextTakesTodayAsText)
{
    db::TableDef def;
    def.name = QStringLiteral("TEXTDATUM");
    def.fields = {{QStringLiteral("BelegNr"), db::FieldType::Long}, {QStringLiteral("Datum"), db::FieldType::Alpha, 10}};
    def.primaryKey = {QStringLiteral("BelegNr")};
    familie.datenbank.createTable(def);
    familie.datenbank.execute(QStringLiteral("INSERT INTO \"TEXTDATUM\" VALUES (2000000000, '1')"));
    db::Table tabelle(familie.datenbank, QStringLiteral("TEXTDATUM"));
    tabelle.open();

    ASSERT_TRUE(NeuerBelegAusMaster(tabelle, 3));
    EXPECT_EQ(tabelle.fieldByName("Datum").asString(), QDate::currentDate().toString("dd.MM.yyyy"));
}

} // namespace
