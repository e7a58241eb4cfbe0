#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

#include "common/BelegKopieren.h"
#include "orders/Tabelle_B_PALI.h"
#include "orders/Tabelle_B_PALI2.h"
#include "orders/Tabellen.h"
#include "platform/db/DataSource.h"
#include "platform/db/Database.h"
#include "platform/db/Query.h"
#include "platform/db/Schema.h"
#include "platform/db/Table.h"

#include <gtest/gtest.h>

namespace {

// The packing-list tables as the register opens them, with a master record
// of three lines.
class PacklisteTest : public testing::Test
{
protected:
    void SetUp() override
    {
        daten.setPath(ordner.path());
        daten.open();
        daten.createTable(Tabelle_B_PALI());
        daten.createTable(Tabelle_B_PALI2());
        daten.execute(QStringLiteral("INSERT INTO \"B_PALI\" (\"belegnr\", \"Datum\", \"kunde1\", \"wabe1\", \"Netto\") "
                                     "VALUES (2000000000, '01.01.2001', 'Vorgabe', 'Maschinenteile', '12,5')"));
        const char *inhalte[] = {"Kiste A\nKiste B", "Sack", "Palette\n\nRest"};
        for (int i = 0; i < 3; ++i) {
            daten.execute(QStringLiteral("INSERT INTO \"B_PALI2\" (\"belegnr\", \"auftrnr\", \"datu\", \"packstnr\", "
                                         "\"packart\", \"brutto\", \"netto\", \"tara\", \"contents\", \"Text\") "
                                         "VALUES (2000000000, ?, ?, ?, 'KI', ?, ?, ?, ?, ?)"),
                          {QString::number(i + 1), QDate(2001, 1, i + 1), i + 2, 10.5 * (i + 1), 9.0 * (i + 1),
                           1.5 * (i + 1), QString::fromUtf8(inhalte[i]), QStringLiteral("Bemerkung %1").arg(i + 1)});
        }
        kopf.open();
        positionen.setMasterSource(&kopfQuelle, QStringLiteral("belegnr"), QStringLiteral("belegnr"));
        positionen.open();
    }

    QVariant wert(const QString &sql, const QVariantList &werte = {})
    {
        return db::Query::scalar(daten, sql, werte);
    }

    TempFolder ordner;
    db::Database daten{QStringLiteral("PacklisteTest")};
    db::Table kopf{daten, QStringLiteral("B_PALI")};
    db::DataSource kopfQuelle{&kopf};
    db::Table positionen{daten, QStringLiteral("B_PALI2")};
};

TEST_F(PacklisteTest, TablesRegisterOnceWithTheDataDirectory)
{
    orders::tabellenAnmelden();
    orders::tabellenAnmelden();
    EXPECT_EQ(db::Schema::find(QStringLiteral("B_PALI.DB"))->fields.size(), 33);
    EXPECT_EQ(db::Schema::find(QStringLiteral("b_pali2"))->fields.size(), 16);
    int anzahl = 0;
    for (const db::TableDef &def : db::Schema::tablesOf(QStringLiteral("Z_Tavero")))
        anzahl += def.name.startsWith(QLatin1String("B_PALI"));
    EXPECT_EQ(anzahl, 2);
    const db::TableDef kopfDef = Tabelle_B_PALI();
    EXPECT_EQ(kopfDef.fields[0].name, "belegnr");
    EXPECT_EQ(kopfDef.fields[1].name, "Datum");
}

TEST_F(PacklisteTest, PackingListWithTheMastersLines)
{
    ScriptedDialogs dialoge;
    ASSERT_TRUE(PacklisteAusMaster(kopf, positionen, 4711));

    EXPECT_EQ(kopf.field(0).asInteger(), 4711);
    EXPECT_EQ(kopf.fieldByName("Datum").asString(), QDate::currentDate().toString("dd.MM.yyyy"));
    EXPECT_EQ(kopf.fieldByName("kunde1").asString(), "Vorgabe");
    EXPECT_EQ(kopf.fieldByName("wabe1").asString(), "Maschinenteile");
    EXPECT_EQ(kopf.fieldByName("Netto").asString(), "12,5");

    ASSERT_EQ(wert("SELECT COUNT(*) FROM \"B_PALI2\" WHERE \"belegnr\" = 4711").toInt(), 3);
    EXPECT_EQ(positionen.recordCount(), 3);
    positionen.first();
    const char *inhalte[] = {"Kiste A\nKiste B", "Sack", "Palette\n\nRest"};
    for (int i = 0; i < 3; ++i, positionen.next()) {
        SCOPED_TRACE(i);
        EXPECT_EQ(positionen.fieldByName("auftrnr").asString(), QString::number(i + 1));
        EXPECT_EQ(positionen.fieldByName("datu").asDate(), QDate::currentDate());
        EXPECT_EQ(positionen.fieldByName("packstnr").asInteger(), i + 2);
        EXPECT_EQ(positionen.fieldByName("packart").asString(), "KI");
        EXPECT_DOUBLE_EQ(positionen.fieldByName("brutto").asFloat(), 10.5 * (i + 1));
        EXPECT_DOUBLE_EQ(positionen.fieldByName("tara").asFloat(), 1.5 * (i + 1));
        EXPECT_EQ(positionen.fieldByName("contents").asString(), QString::fromUtf8(inhalte[i]));
        EXPECT_EQ(positionen.fieldByName("Text").asString(), QStringLiteral("Bemerkung %1").arg(i + 1));
    }
    EXPECT_EQ(wert("SELECT COUNT(*) FROM \"B_PALI2\" WHERE \"belegnr\" = 2000000000").toInt(), 3);
}

TEST_F(PacklisteTest, AnExistingNumberLeavesNothingBehind)
{
    daten.execute(QStringLiteral("INSERT INTO \"B_PALI\" (\"belegnr\", \"Datum\") VALUES (12, '02.02.2020')"));
    kopf.refresh();
    ScriptedDialogs dialoge;
    dialoge.answerMessage(QStringLiteral("Die Packliste 12 konnte nicht angelegt werden"), ui::ModalResult::Ok);
    EXPECT_FALSE(PacklisteAusMaster(kopf, positionen, 12));
    EXPECT_EQ(wert("SELECT COUNT(*) FROM \"B_PALI2\" WHERE \"belegnr\" = 12").toInt(), 0);
    EXPECT_EQ(wert("SELECT \"Datum\" FROM \"B_PALI\" WHERE \"belegnr\" = 12").toString(), "02.02.2020");
}

} // namespace
