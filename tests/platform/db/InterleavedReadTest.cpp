#include "StoreFixture.h"

#include "platform/db/DataSource.h"
#include "platform/db/Query.h"

#include <optional>

using namespace db;

// A read still running while the same connection writes: every row must
// still come, inside a transaction and outside one.
class InterleavedReadTest : public StoreTest
{
protected:
    static constexpr int rowCount = 6;

    void SetUp() override
    {
        StoreTest::SetUp();
        if (IsSkipped())
            return;
        createBelege(rowCount);
        database().createTable(positionenDef());
        Table positionen(database(), QStringLiteral("Positionen"));
        positionen.open();
        for (int nr = 1; nr <= rowCount; ++nr) {
            for (int pos = 1; pos <= 2; ++pos) {
                positionen.append();
                positionen["BelegNr"].setAsInteger(nr);
                positionen["Pos"].setAsInteger(pos);
                positionen.post();
            }
        }
    }

    // What a range delete does per document: the head found and renamed,
    // its lines removed through a linked cursor, the head removed, a row
    // posted elsewhere and one removed by a statement.
    void writeFor(int nr, Table &belege, Table &lines, Table &positionen)
    {
        ASSERT_TRUE(belege.locate(QStringLiteral("BelegNr"), {nr}));
        belege.edit();
        belege["Name"].setAsString(QStringLiteral("weg"));
        belege.post();
        while (lines.recordCount() > 0) {
            lines.first();
            lines.remove();
        }
        belege.remove();
        positionen.append();
        positionen["BelegNr"].setAsInteger(nr + 100);
        positionen["Pos"].setAsInteger(1);
        positionen.post();
        Query added(database(), QStringLiteral("DELETE FROM \"Positionen\" WHERE \"BelegNr\" = ?"));
        added.bind(0, nr + 100);
        EXPECT_EQ(added.exec(), 1);
    }

    QList<int> all() const
    {
        QList<int> numbers;
        for (int nr = 1; nr <= rowCount; ++nr)
            numbers << nr;
        return numbers;
    }

    void readWhileWriting(bool inTransaction)
    {
        Table belege(database(), QStringLiteral("Belege"));
        belege.open();
        DataSource source(&belege);
        Table lines(database(), QStringLiteral("Positionen"));
        lines.setMasterSource(&source, QStringLiteral("BelegNr"), QStringLiteral("BelegNr"));
        lines.open();
        Table positionen(database(), QStringLiteral("Positionen"));
        positionen.open();
        std::optional<Transaction> transaction;
        if (inTransaction)
            transaction.emplace(database());
        Query query(database(), QStringLiteral("SELECT \"BelegNr\" FROM \"Belege\" ORDER BY \"BelegNr\""));
        QList<int> seen;
        for (query.open(); !query.eof(); query.next()) {
            seen << query.value(0).toInt();
            writeFor(seen.last(), belege, lines, positionen);
        }
        if (transaction)
            transaction->commit();
        EXPECT_EQ(seen, all());
        EXPECT_EQ(remaining(QStringLiteral("Belege")), 0);
        EXPECT_EQ(remaining(QStringLiteral("Positionen")), 0);
    }

    int remaining(const QString &table)
    {
        return Query::scalar(database(), QStringLiteral("SELECT COUNT(*) FROM \"%1\"").arg(table)).toInt();
    }
};

TEST_P(InterleavedReadTest, QueryReadsEveryRowWhileTheConnectionWritesInATransaction)
{
    readWhileWriting(true);
}

TEST_P(InterleavedReadTest, QueryReadsEveryRowWhileTheConnectionWrites)
{
    readWhileWriting(false);
}

TEST_P(InterleavedReadTest, CursorScanSeesEveryRowWhileTheConnectionWrites)
{
    Table scan(database(), QStringLiteral("Belege"));
    scan.setWindowRows(2);
    scan.open();
    Table positionen(database(), QStringLiteral("Positionen"));
    positionen.open();
    Transaction transaction(database());
    QList<int> seen;
    for (scan.first(); !scan.eof(); scan.next()) {
        const int nr = scan["BelegNr"].asInteger();
        seen << nr;
        Query lines(database(), QStringLiteral("DELETE FROM \"Positionen\" WHERE \"BelegNr\" = ?"));
        lines.bind(0, nr);
        EXPECT_EQ(lines.exec(), 2);
        positionen.append();
        positionen["BelegNr"].setAsInteger(nr + 100);
        positionen["Pos"].setAsInteger(1);
        positionen.post();
        scan.edit();
        scan["Name"].setAsString(QStringLiteral("neu"));
        scan.post();
    }
    transaction.commit();
    EXPECT_EQ(seen, all());
    EXPECT_EQ(Query::scalar(database(), QStringLiteral("SELECT COUNT(*) FROM \"Belege\" WHERE \"Name\" = 'neu'")).toInt(),
              rowCount);
}

RAZAZU_STORE_TESTS(InterleavedReadTest);
