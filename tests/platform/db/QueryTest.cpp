#include "StoreFixture.h"

#include "platform/db/Query.h"

using namespace db;

class QueryTest : public StoreTest
{
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        if (IsSkipped())
            return;
        createBelege(0);
        Table table(database(), QStringLiteral("Belege"));
        table.open();
        const QList<QPair<QDate, double>> rows = {{QDate(2024, 1, 31), 9.5},
                                                  {QDate(2024, 2, 1), 10},
                                                  {QDate(2024, 12, 1), 100},
                                                  {QDate(2025, 1, 2), 2}};
        int nr = 0;
        for (const auto &row : rows) {
            table.append();
            table["BelegNr"].setAsInteger(++nr);
            table["Datum"].setAsDate(row.first);
            table["Betrag"].setAsFloat(row.second);
            table["Name"].setAsString(QStringLiteral("N%1").arg(nr));
            table.post();
        }
    }
};

TEST_P(QueryTest, DatesAndNumbersAreBoundNotComparedAsText)
{
    Query query(database(), QStringLiteral("SELECT \"BelegNr\", \"Datum\", \"Betrag\" FROM \"Belege\""
                                           " WHERE \"Datum\" >= :von AND \"Datum\" <= :bis AND \"Betrag\" > :mindestens"
                                           " ORDER BY \"Datum\""));
    query.bind(QStringLiteral("von"), QDate(2024, 2, 1));
    query.bind(QStringLiteral(":bis"), QDate(2024, 12, 31));
    query.bind(QStringLiteral("mindestens"), 9.75);
    query.open();
    QList<int> numbers;
    while (!query.eof()) {
        numbers << query.value(QStringLiteral("belegnr")).toInt();
        EXPECT_EQ(query.value(1).typeId(), QMetaType::QDate);
        query.next();
    }
    EXPECT_EQ(numbers, (QList<int>{2, 3}));
    EXPECT_FALSE(query.next());
    EXPECT_EQ(query.columnNames(), (QStringList{"BelegNr", "Datum", "Betrag"}));
}

TEST_P(QueryTest, ExecAndScalar)
{
    Query update(database(), QStringLiteral("UPDATE \"Belege\" SET \"Betrag\" = \"Betrag\" * 2 WHERE \"BelegNr\" < ?"));
    update.bind(0, 3);
    EXPECT_EQ(update.exec(), 2);
    EXPECT_DOUBLE_EQ(Query::scalar(database(), QStringLiteral("SELECT SUM(\"Betrag\") FROM \"Belege\"")).toDouble(),
                     19 + 20 + 100 + 2);
    EXPECT_FALSE(Query::scalar(database(), QStringLiteral("SELECT \"Name\" FROM \"Belege\" WHERE \"BelegNr\" = ?"),
                               {99})
                     .isValid());
    Query broken(database(), QStringLiteral("SELECT * FROM \"Gibtsnicht\""));
    EXPECT_THROW(broken.open(), DatabaseError);
}

RAZAZU_STORE_TESTS(QueryTest);
