#include "StoreFixture.h"

using namespace db;

class SearchTest : public StoreTest
{
protected:
    // Positionen of documents 1..5 with 1..3 lines each (document n has
    // n % 3 + 1 lines).
    void createPositionen()
    {
        database().createTable(positionenDef());
        Transaction transaction(database());
        for (int beleg = 1; beleg <= 5; ++beleg) {
            for (int pos = 1; pos <= beleg % 3 + 1; ++pos)
                database().execute(QStringLiteral("INSERT INTO \"Positionen\" VALUES (?, ?, ?)"),
                                   {beleg, pos, QStringLiteral("%1/%2").arg(beleg).arg(pos)});
        }
        transaction.commit();
    }

    static QStringList texts(Table &table)
    {
        QStringList result;
        for (table.first(); !table.eof(); table.next())
            result << table["Text"].asString();
        return result;
    }
};

TEST_P(SearchTest, FindKeyOnWholeAndLeadingKey)
{
    createPositionen();
    Table table(database(), QStringLiteral("Positionen.DB"));
    table.open();
    ASSERT_TRUE(table.findKey({3, 1}));
    EXPECT_EQ(table["Text"].asString(), QStringLiteral("3/1"));
    ASSERT_TRUE(table.findKey({4}));
    EXPECT_EQ(table["Text"].asString(), QStringLiteral("4/1")) << "first record of the leading key";
    ASSERT_TRUE(table.findKey({QStringLiteral("5")})) << "key values as text, as dialogs hand them";

    EXPECT_FALSE(table.findKey({9}));
    EXPECT_EQ(table["Text"].asString(), QStringLiteral("5/1")) << "a failed search leaves the cursor";
    EXPECT_FALSE(table.findKey({3, 7}));
    EXPECT_FALSE(table.findKey({QStringLiteral("99999999999")})) << "beyond the field's range";
    EXPECT_EQ(table["Text"].asString(), QStringLiteral("5/1"));
    EXPECT_THROW(table.findKey({QStringLiteral("x")}), ConversionError);
    EXPECT_THROW(table.findKey({1, 1, 1}), DatabaseError);
}

TEST_P(SearchTest, FindNearestGoesToTheNextKeyOrTheLastRecord)
{
    createBelege(0);
    for (int nr : {10, 20, 30, 2000000000})
        insertBeleg(nr, QStringLiteral("N%1").arg(nr));
    Table table(database(), QStringLiteral("Belege"));
    table.open();
    // Numbers beyond the field's range (eleven digits typed) search from
    // the range's end.
    const QList<QPair<QVariant, int>> cases = {{12, 20},
                                               {20, 20},
                                               {-5, 10},
                                               {31, 2000000000},
                                               {QStringLiteral("12"), 20},
                                               {QStringLiteral("99999999999"), 2000000000},
                                               {qint64(-99999999999), 10}};
    for (const auto &c : cases) {
        table.findNearest({c.first});
        EXPECT_EQ(table["BelegNr"].asInteger(), c.second) << c.first.toString().toStdString();
    }
    database().execute(QStringLiteral("DELETE FROM \"Belege\" WHERE \"BelegNr\" = 2000000000"));
    table.findNearest({31});
    EXPECT_EQ(table["BelegNr"].asInteger(), 30) << "beyond the end: the last record";
}

TEST_P(SearchTest, RangesOnLeadingKeyFields)
{
    createPositionen();
    Table table(database(), QStringLiteral("Positionen"));
    table.open();
    table.setRange({2}, {3});
    EXPECT_EQ(texts(table), (QStringList{"2/1", "2/2", "2/3", "3/1"}));
    EXPECT_EQ(table.recordCount(), 4);
    EXPECT_TRUE(table.hasRange());
    EXPECT_FALSE(table.findKey({5})) << "outside the range";
    table.setRange({2, 2}, {4, 1});
    EXPECT_EQ(texts(table), (QStringList{"2/2", "2/3", "3/1", "4/1"}));
    table.last();
    EXPECT_EQ(table["Text"].asString(), QStringLiteral("4/1"));
    table.cancelRange();
    EXPECT_EQ(table["Text"].asString(), QStringLiteral("4/1")) << "cancelling keeps the record";
    table.next();
    EXPECT_EQ(table["Text"].asString(), QStringLiteral("4/2"));
    EXPECT_EQ(table.recordCount(), 11);
    table.setRange({1000}, {2000});
    EXPECT_TRUE(table.isEmpty());
}

TEST_P(SearchTest, RangeOnCaseInsensitiveIndex)
{
    createBelege(0);
    int nr = 0;
    for (const char *name : {"Meier", "müller", "Müller", "MEYER", "Schmidt", "meier"})
        insertBeleg(++nr, QString::fromUtf8(name));
    Table table(database(), QStringLiteral("Belege"));
    table.setIndexName(QStringLiteral("iName"));
    table.open();
    table.setRange({QStringLiteral("meier")}, {QStringLiteral("MEYER")});
    QList<int> found;
    for (table.first(); !table.eof(); table.next())
        found << table["BelegNr"].asInteger();
    EXPECT_EQ(found, (QList<int>{1, 6, 4}));
}

TEST_P(SearchTest, LocateWholeOrPartialWithOrWithoutCase)
{
    createBelege(0);
    int nr = 0;
    for (const char *name : {"Bäcker KG", "bäcker GmbH", "Becker", "100% Bio", "A_B", "O'Neill"})
        insertBeleg(++nr, QString::fromUtf8(name));
    Table table(database(), QStringLiteral("Belege"));
    table.open();
    struct Case
    {
        const char *text;
        LocateOptions options;
        int expected;   // 0: not found
    };
    const Case cases[] = {
        {"Becker", {}, 3},
        {"becker", {}, 0},
        {"becker", {true, false}, 3},
        {"Bäcker", {false, true}, 1},
        {"BÄCKER", {true, true}, 1},
        {"bäcker G", {false, true}, 2},
        {"bäcker g", {false, true}, 0},
        {"100%", {false, true}, 4},
        {"100_", {false, true}, 0},
        {"A_", {false, true}, 5},
        {"AX", {false, true}, 0},
        {"o'neill", {true, false}, 6},
    };
    for (const Case &c : cases) {
        table.first();
        const bool found = table.locate(QStringLiteral("name"), {QString::fromUtf8(c.text)}, c.options);
        EXPECT_EQ(found, c.expected != 0) << c.text;
        if (c.expected != 0) {
            EXPECT_EQ(table["BelegNr"].asInteger(), c.expected) << c.text;
        }
    }
    EXPECT_TRUE(table.locate(QStringLiteral("BelegNr;Name"), {4, QStringLiteral("100% Bio")}));
    EXPECT_THROW(table.locate(QStringLiteral("Unbekannt"), {1}), DatabaseError);
}

RAZAZU_STORE_TESTS(SearchTest);
