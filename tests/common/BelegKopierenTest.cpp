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

namespace {

// The four copies side by side on one family whose date is text and whose
// lines carry a date `datu`: what each takes from its source, what it dates
// today, and where the table stands when it fails.
class BelegKopierenArten : public testing::TestWithParam<bool>
{
};

INSTANTIATE_TEST_SUITE_P(Speicher, BelegKopierenArten, testing::Values(false, true),
                         [](const testing::TestParamInfo<bool> &info) {
                             return std::string(info.param ? "PostgreSQL" : "SQLite");
                         });

TEST_P(BelegKopierenArten, EachCopyKeepsItsOwnRules)
{
    if (GetParam() && !Testfamilie::postgresDa())
        GTEST_SKIP() << "RAZAZU_TEST_PG names no server";
    Testfamilie familie(QStringLiteral("KopierArten"), GetParam());
    db::TableDef kopfDef;
    kopfDef.name = QStringLiteral("ARTKOPF");
    kopfDef.fields = {{QStringLiteral("BelegNr"), db::FieldType::Long},
                      {QStringLiteral("Datum"), db::FieldType::Alpha, 10},
                      {QStringLiteral("Name"), db::FieldType::Alpha, 20},
                      {QStringLiteral("IsLockedByUser"), db::FieldType::Alpha, 1}};
    kopfDef.primaryKey = {QStringLiteral("BelegNr")};
    db::TableDef posDef;
    posDef.name = QStringLiteral("ARTPOS");
    posDef.fields = {{QStringLiteral("BelegNr"), db::FieldType::Long},
                     {QStringLiteral("Pos"), db::FieldType::Long},
                     {QStringLiteral("datu"), db::FieldType::Date},
                     {QStringLiteral("Text"), db::FieldType::Alpha, 20}};
    posDef.primaryKey = {QStringLiteral("BelegNr"), QStringLiteral("Pos")};
    familie.datenbank.createTable(kopfDef);
    familie.datenbank.createTable(posDef);
    const QString kopfSql = QStringLiteral("INSERT INTO \"ARTKOPF\" VALUES (?, ?, ?, 'X')");
    familie.datenbank.execute(kopfSql, {5, QStringLiteral("02.01.2020"), QStringLiteral("Fünf")});
    familie.datenbank.execute(kopfSql, {2000000000, QStringLiteral("1"), QStringLiteral("Master")});
    const QString posSql = QStringLiteral("INSERT INTO \"ARTPOS\" VALUES (?, ?, ?, ?)");
    for (int pos : {1, 3})
        familie.datenbank.execute(posSql, {5, pos, QDate(2020, 1, 2), QStringLiteral("Zeile %1").arg(pos)});
    for (int pos : {1, 2})
        familie.datenbank.execute(posSql, {2000000000, pos, QDate(2001, 1, 1), QStringLiteral("Vorgabe %1").arg(pos)});

    db::Table kopf(familie.datenbank, QStringLiteral("ARTKOPF"));
    kopf.open();
    db::DataSource kopfQuelle(&kopf);
    db::Table positionen(familie.datenbank, QStringLiteral("ARTPOS"));
    positionen.setMasterSource(&kopfQuelle, QStringLiteral("BelegNr"), QStringLiteral("BelegNr"));
    positionen.open();

    struct Fall
    {
        const char *name;
        std::function<bool(int ziel)> kopie;
        int quelle;
        const char *kopfName;
        const char *letztesFeld;   // the last header field of the copy
        QList<int> positionen;     // kept as in the source
        QDate positionsdatum;      // null: today
        const char *meldung;       // when the target exists
    };
    const QDate heute = QDate::currentDate();
    const Fall faelle[] = {
        {"NeuerBelegAusMaster", [&](int ziel) { return NeuerBelegAusMaster(kopf, ziel); }, 2000000000, "Master", "X",
         {}, {}, ""},
        {"DatensatzKopieren", [&](int ziel) { return DatensatzKopieren(kopf, 5, ziel); }, 5, "Fünf", "X", {}, {},
         "konnte nicht"},
        {"BelegKopieren", [&](int ziel) { return BelegKopieren(kopf, positionen, 5, ziel); }, 5, "Fünf", "", {1, 3},
         QDate(2020, 1, 2), "konnte nicht"},
        {"PacklisteAusMaster", [&](int ziel) { return PacklisteAusMaster(kopf, positionen, ziel); }, 2000000000,
         "Master", "X", {1, 2}, heute, "Packliste"},
    };
    int ziel = 20;
    for (const Fall &fall : faelle) {
        SCOPED_TRACE(fall.name);
        ++ziel;
        ASSERT_TRUE(fall.kopie(ziel));
        EXPECT_EQ(kopf.field(0).asInteger(), ziel);
        EXPECT_EQ(kopf.fieldByName("Datum").asString(), heute.toString("dd.MM.yyyy"));
        EXPECT_EQ(kopf.fieldByName("Name").asString(), QString::fromUtf8(fall.kopfName));
        EXPECT_EQ(kopf.fieldByName("IsLockedByUser").asString(), QString::fromUtf8(fall.letztesFeld));
        QList<int> kopiert;
        db::Query zeilen(familie.datenbank,
                         QStringLiteral("SELECT \"Pos\", \"datu\" FROM \"ARTPOS\" WHERE \"BelegNr\" = ? ORDER BY \"Pos\""));
        zeilen.bind(0, ziel);
        for (zeilen.open(); !zeilen.eof(); zeilen.next()) {
            kopiert << zeilen.value(0).toInt();
            EXPECT_EQ(zeilen.value(1).toDate(), fall.positionsdatum);
        }
        EXPECT_EQ(kopiert, fall.positionen);

        // The same target again: refused, nothing left, back on the source.
        ScriptedDialogs dialoge;
        dialoge.answerMessage(QString::fromUtf8(fall.meldung), ui::ModalResult::Ok);
        EXPECT_FALSE(fall.kopie(ziel));
        EXPECT_EQ(familie.anzahl("SELECT COUNT(*) FROM \"ARTKOPF\" WHERE \"BelegNr\" = ?", {ziel}), 1);
        EXPECT_EQ(familie.anzahl("SELECT COUNT(*) FROM \"ARTPOS\" WHERE \"BelegNr\" = ?", {ziel}),
                  fall.positionen.size());
        EXPECT_EQ(kopf.state(), db::DatasetState::Browse);
        EXPECT_EQ(kopf.field(0).asInteger(), fall.quelle);
    }
}

} // namespace
