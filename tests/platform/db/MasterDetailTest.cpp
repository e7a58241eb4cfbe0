#include "StoreFixture.h"

#include "platform/db/DataSource.h"

using namespace db;

class MasterDetailTest : public StoreTest
{
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        if (IsSkipped())
            return;
        createBelege(3);
        database().createTable(positionenDef());
        for (int beleg = 1; beleg <= 3; ++beleg) {
            for (int pos = 1; pos <= beleg; ++pos)
                database().execute(QStringLiteral("INSERT INTO \"Positionen\" VALUES (?, ?, ?)"),
                                   {beleg, pos, QStringLiteral("%1/%2").arg(beleg).arg(pos)});
        }
    }

    static QStringList texts(Table &table)
    {
        QStringList result;
        for (table.first(); !table.eof(); table.next())
            result << table["Text"].asString();
        return result;
    }
};

TEST_P(MasterDetailTest, DetailFollowsTheMastersCurrentRecord)
{
    Table header(database(), QStringLiteral("Belege"));
    DataSource source(&header);
    Table lines(database(), QStringLiteral("Positionen"));
    lines.setIndexFieldNames(QStringLiteral("BelegNr;Pos"));
    lines.setMasterSource(&source, QStringLiteral("BelegNr"), QStringLiteral("belegnr"));
    header.open();
    lines.open();
    EXPECT_EQ(texts(lines), QStringList{"1/1"});
    header.next();
    EXPECT_EQ(lines.recordCount(), 2);
    EXPECT_EQ(lines["Text"].asString(), QStringLiteral("2/1"));
    header.disableControls();
    header.last();
    EXPECT_EQ(texts(lines), (QStringList{"3/1", "3/2", "3/3"})) << "also while controls are disabled";
    header.enableControls();

    lines.append();
    EXPECT_EQ(lines["BelegNr"].asInteger(), 3) << "a new line takes the master's number";
    lines["Pos"].setAsInteger(4);
    lines["Text"].setAsString(QStringLiteral("3/4"));
    header.first();   // the pending line is posted before the detail follows
    header.last();
    EXPECT_EQ(lines.recordCount(), 4);

    // Deleting the lines of a document one by one, as the register does.
    while (!lines.isEmpty() && lines["BelegNr"].asInteger() == header["BelegNr"].asInteger())
        lines.remove();
    EXPECT_EQ(lines.recordCount(), 0);

    lines.setMasterSource(nullptr, QString(), QString());
    EXPECT_EQ(lines.recordCount(), 3);
    header.first();
    EXPECT_EQ(lines.recordCount(), 3) << "released: no longer follows";
}

TEST_P(MasterDetailTest, NewMasterRecordShowsNoLines)
{
    Table header(database(), QStringLiteral("Belege"));
    DataSource source(&header);
    Table lines(database(), QStringLiteral("Positionen"));
    lines.setMasterSource(&source, QStringLiteral("BelegNr"), QStringLiteral("BelegNr"));
    header.open();
    lines.open();
    header.append();
    EXPECT_TRUE(lines.isEmpty());
    header["BelegNr"].setAsInteger(2);
    EXPECT_EQ(lines.recordCount(), 2) << "the link follows the master's field as it is typed";
    header.cancel();
    EXPECT_EQ(lines.recordCount(), 1);
    header.close();
    EXPECT_TRUE(lines.isEmpty());
}

RAZAZU_STORE_TESTS(MasterDetailTest);
