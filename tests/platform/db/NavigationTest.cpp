#include "StoreFixture.h"

#include "platform/db/Query.h"

#include <algorithm>
#include <functional>
#include <tuple>

using namespace db;

class NavigationTest : public StoreTest
{
};

TEST_P(NavigationTest, WalksAThousandRowsInKeyOrderBothWays)
{
    createBelege(1000);
    for (int windowRows : {0, 7}) {
        SCOPED_TRACE(windowRows);
        Table table(database(), QStringLiteral("Belege"));
        table.setWindowRows(windowRows);
        table.open();
        EXPECT_TRUE(table.bof());
        int expected = 1;
        while (!table.eof()) {
            ASSERT_EQ(table.fieldByName(QStringLiteral("belegnr")).asInteger(), expected);
            ++expected;
            table.next();
        }
        EXPECT_EQ(expected, 1001);
        EXPECT_EQ(table["BelegNr"].asInteger(), 1000) << "next at the end stays on the last record";

        table.last();
        EXPECT_TRUE(table.eof());
        expected = 1000;
        while (!table.bof()) {
            ASSERT_EQ(table["BelegNr"].asInteger(), expected);
            --expected;
            table.prior();
        }
        EXPECT_EQ(expected, 0);
        EXPECT_EQ(table.recordCount(), 1000);
    }
}

TEST_P(NavigationTest, MovesAcrossWindowsFromAFoundRecord)
{
    createBelege(1000);
    Table table(database(), QStringLiteral("Belege"));
    table.setWindowRows(10);
    table.open();
    ASSERT_TRUE(table.findKey({500}));
    EXPECT_EQ(table.moveBy(-300), -300);
    EXPECT_EQ(table["BelegNr"].asInteger(), 200);
    EXPECT_EQ(table.moveBy(700), 700);
    EXPECT_EQ(table["BelegNr"].asInteger(), 900);
    EXPECT_EQ(table.moveBy(500), 100);
    EXPECT_TRUE(table.eof());
    EXPECT_EQ(table.recNo(), 1000);
    table.findKey({37});
    EXPECT_EQ(table.recNo(), 37);
    EXPECT_FALSE(table.bof());
    EXPECT_EQ(table.moveBy(-100), -36);
    EXPECT_TRUE(table.bof());
    // Back and forth around a window edge, reading the same records again.
    for (int round = 0; round < 3; ++round) {
        EXPECT_EQ(table.moveBy(25), 25);
        EXPECT_EQ(table["BelegNr"].asInteger(), 26);
        EXPECT_EQ(table.moveBy(-25), -25);
        EXPECT_EQ(table["BelegNr"].asInteger(), 1);
    }
}

// The position is counted from whichever end is nearer; both must agree,
// also inside a range, whose records alone count.
TEST_P(NavigationTest, RecordNumberFromEitherEnd)
{
    createBelege(1000);
    Table table(database(), QStringLiteral("Belege"));
    table.open();
    for (int key : {1, 2, 255, 256, 257, 500, 743, 744, 745, 999, 1000}) {
        ASSERT_TRUE(table.findKey({key}));
        EXPECT_EQ(table.recNo(), key) << key;
    }
    table.setRange({100}, {900});
    for (int key : {100, 101, 500, 899, 900}) {
        ASSERT_TRUE(table.findKey({key}));
        EXPECT_EQ(table.recNo(), key - 99) << key;
    }
}

// Whether a record comes before or after the current one, wherever the
// cursor's window starts and ends and however the cursor got there; a
// range's ends count as the table's.
TEST_P(NavigationTest, FirstAndLastRecordAreKnownWithoutMoving)
{
    createBelege(20);
    for (int windowRows : {0, 2}) {
        SCOPED_TRACE(windowRows);
        Table table(database(), QStringLiteral("Belege"));
        table.setWindowRows(windowRows);
        table.open();
        EXPECT_TRUE(table.atFirstRecord());
        EXPECT_FALSE(table.atLastRecord());
        table.last();
        EXPECT_TRUE(table.atLastRecord());
        EXPECT_FALSE(table.atFirstRecord());
        // Back to the first record by single steps: not at bof, yet first.
        while (table["BelegNr"].asInteger() > 1)
            table.prior();
        EXPECT_FALSE(table.bof());
        EXPECT_TRUE(table.atFirstRecord());
        EXPECT_EQ(table["BelegNr"].asInteger(), 1) << "asking does not move";
        ASSERT_TRUE(table.findKey({20}));
        EXPECT_TRUE(table.atLastRecord());
        ASSERT_TRUE(table.findKey({2}));
        EXPECT_FALSE(table.atFirstRecord());
        table.setRange({5}, {7});
        table.first();
        table.next();
        table.next();
        EXPECT_TRUE(table.atLastRecord());
        table.prior();
        table.prior();
        EXPECT_TRUE(table.atFirstRecord());
        EXPECT_EQ(table["BelegNr"].asInteger(), 5);
    }
    Table leer(database(), QStringLiteral("Belege"));
    leer.open();
    leer.setRange({100}, {200});
    EXPECT_TRUE(leer.atFirstRecord());
    EXPECT_TRUE(leer.atLastRecord());
}

TEST_P(NavigationTest, EmptyTableIsBofAndEof)
{
    createBelege(0);
    Table table(database(), QStringLiteral("Belege"));
    table.open();
    EXPECT_TRUE(table.isEmpty());
    EXPECT_TRUE(table.bof());
    EXPECT_TRUE(table.eof());
    EXPECT_TRUE(table["Name"].isNull());
    EXPECT_EQ(table["BelegNr"].asInteger(), 0);
    table.next();
    table.last();
    EXPECT_EQ(table.recordCount(), 0);
}

TEST_P(NavigationTest, SecondaryIndexOrderWithEmptyValuesAndCase)
{
    createBelege(0);
    // Names with blanks (null), equal names in different case: the key
    // decides among equal names, blanks come first.
    const QList<QPair<int, QString>> rows = {{1, "beta"}, {2, QString()}, {3, "Alpha"}, {4, "BETA"},
                                             {5, QString()}, {6, "alpha"}, {7, "Gamma"}};
    for (const auto &row : rows)
        insertBeleg(row.first, row.second);
    Table table(database(), QStringLiteral("Belege"));
    table.setIndexName(QStringLiteral("iname"));
    table.setWindowRows(2);
    table.open();
    EXPECT_EQ(table.indexFields(), QStringList{QStringLiteral("Name")});
    const QList<int> expected = {2, 5, 3, 6, 1, 4, 7};
    QList<int> forward;
    for (; !table.eof(); table.next())
        forward << table["BelegNr"].asInteger();
    EXPECT_EQ(forward, expected);
    QList<int> backward;
    for (table.last(); !table.bof(); table.prior())
        backward.prepend(table["BelegNr"].asInteger());
    EXPECT_EQ(backward, expected);

    // Stepping from each record in turn, both ways, whatever was read before.
    for (int i = 0; i < expected.size(); ++i) {
        ASSERT_TRUE(table.locate(QStringLiteral("BelegNr"), {expected[i]}));
        if (i + 1 < expected.size()) {
            table.next();
            EXPECT_EQ(table["BelegNr"].asInteger(), expected[i + 1]);
            table.prior();
        }
        if (i > 0) {
            table.prior();
            EXPECT_EQ(table["BelegNr"].asInteger(), expected[i - 1]);
        }
    }
    ASSERT_TRUE(table.findKey({QStringLiteral("ALPHA")}));
    EXPECT_EQ(table["BelegNr"].asInteger(), 3);
}

TEST_P(NavigationTest, SwitchingTheIndexKeepsTheCurrentRecord)
{
    createBelege(0);
    insertBeleg(1, QStringLiteral("Zacharias"));
    insertBeleg(2, QStringLiteral("Anton"));
    insertBeleg(3, QStringLiteral("Moritz"));
    Table table(database(), QStringLiteral("Belege"));
    table.open();
    ASSERT_TRUE(table.findKey({3}));
    table.setIndexName(QStringLiteral("iName"));
    EXPECT_EQ(table["BelegNr"].asInteger(), 3);
    table.next();
    EXPECT_EQ(table["Name"].asString(), QStringLiteral("Zacharias"));
    table.setIndexFieldNames(QStringLiteral("BelegNr"));
    EXPECT_EQ(table["BelegNr"].asInteger(), 1);
    table.prior();
    EXPECT_TRUE(table.bof());
    EXPECT_THROW(table.setIndexName(QStringLiteral("gibtsnicht")), DatabaseError);
    EXPECT_EQ(table["BelegNr"].asInteger(), 1);
}

TEST_P(NavigationTest, CursorsSeeEachOthersPostsAfterRefresh)
{
    createBelege(3);
    Table first(database(), QStringLiteral("Belege"));
    Table second(database(), QStringLiteral("Belege"));
    first.open();
    second.open();
    second.findKey({2});
    first.findKey({2});
    first["Name"].setAsString(QStringLiteral("geändert"));
    first.post();
    first.append();
    first["BelegNr"].setAsInteger(4);
    first.post();
    EXPECT_EQ(second["Name"].asString(), QStringLiteral("Name2")) << "before refresh";
    second.refresh();
    EXPECT_EQ(second["Name"].asString(), QStringLiteral("geändert"));
    EXPECT_EQ(second.recordCount(), 4);

    // Another workstation: a connection of its own.
    auto other = secondConnection();
    Table remote(*other, QStringLiteral("Belege"));
    remote.open();
    remote.findKey({2});
    remote.remove();
    second.refresh();
    EXPECT_EQ(second["BelegNr"].asInteger(), 3) << "a deleted record gives way to the next";
}

TEST_P(NavigationTest, BookmarksReturnToTheRecord)
{
    createBelege(100);
    Table table(database(), QStringLiteral("Belege"));
    table.open();
    table.findKey({42});
    const Bookmark mark = table.bookmark();
    table.last();
    ASSERT_TRUE(table.gotoBookmark(mark));
    EXPECT_EQ(table["BelegNr"].asInteger(), 42);
    table.next();
    EXPECT_EQ(table["BelegNr"].asInteger(), 43);
    table.findKey({42});
    table.remove();
    EXPECT_FALSE(table.gotoBookmark(mark));
    EXPECT_EQ(table["BelegNr"].asInteger(), 43);
}

// A reader that moves away to read others comes back from the rows the
// cursor holds, or from the store where they no longer hold the record; the
// cursor reads on from there either way.
TEST_P(NavigationTest, ReturningToARecordLeftAMomentAgo)
{
    createBelege(100);
    const struct
    {
        int windowRows;
        int start;
        int away;   // records moved away before returning
    } cases[] = {{0, 1, 0}, {0, 1, 20}, {0, 50, -20}, {0, 100, -30}, {4, 50, 30}, {4, 50, -30}, {2, 1, 99}};
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.windowRows << " " << c.start << " " << c.away);
        Table table(database(), QStringLiteral("Belege"));
        table.setWindowRows(c.windowRows);
        table.open();
        ASSERT_TRUE(table.findKey({c.start}));
        const Bookmark mark = table.bookmark();
        table.moveBy(c.away);
        ASSERT_TRUE(table.returnTo(mark));
        EXPECT_EQ(table["BelegNr"].asInteger(), c.start);
        EXPECT_FALSE(table.bof() || table.eof());
        table.next();
        EXPECT_EQ(table["BelegNr"].asInteger(), std::min(c.start + 1, 100));
        EXPECT_EQ(table.eof(), c.start == 100);
        ASSERT_TRUE(table.returnTo(mark));
        table.prior();
        EXPECT_EQ(table["BelegNr"].asInteger(), std::max(c.start - 1, 1));
        EXPECT_EQ(table.bof(), c.start == 1);
    }
    Table table(database(), QStringLiteral("Belege"));
    table.setWindowRows(4);
    table.open();
    ASSERT_TRUE(table.findKey({10}));
    const Bookmark gone = table.bookmark();
    table.remove();
    table.findKey({60});
    EXPECT_FALSE(table.returnTo(gone)) << "a record no longer held nor stored";
    EXPECT_EQ(table["BelegNr"].asInteger(), 60);
}

TEST_P(NavigationTest, TablesWithoutKeyKeepTheirInsertionOrder)
{
    TableDef def;
    def.name = QStringLiteral("Protokoll");
    def.fields = {{QStringLiteral("Zeile"), FieldType::Alpha, 40}};
    database().createTable(def);
    Table table(database(), QStringLiteral("Protokoll"));
    table.open();
    for (const char *line : {"c", "a", "b", "a"}) {
        table.append();
        table["Zeile"].setAsString(QString::fromLatin1(line));
        table.post();
    }
    QStringList lines;
    for (table.first(); !table.eof(); table.next())
        lines << table["Zeile"].asString();
    EXPECT_EQ(lines, (QStringList{"c", "a", "b", "a"}));
    table.first();
    table.next();
    table.edit();
    table["Zeile"].setAsString(QStringLiteral("x"));
    table.post();
    table.next();
    table.remove();
    lines.clear();
    for (table.first(); !table.eof(); table.next())
        lines << table["Zeile"].asString();
    EXPECT_EQ(lines, (QStringList{"c", "x", "a"}));
}

// A table without key in the order of case-insensitive indexes whose fields
// hold nulls, empty texts and whole duplicate rows: the walk, and the
// record number of every record reached without walking (counted from
// either end, with a filter), follow nulls first, then the empty text, then
// the text regardless of case, and insertion among equals.
TEST_P(NavigationTest, RecordNumbersWithoutKeyAmongNullsEmptiesAndDuplicates)
{
    TableDef def;
    def.name = QStringLiteral("Waren");
    def.fields = {{QStringLiteral("Nr"), FieldType::Long},
                  {QStringLiteral("A"), FieldType::Alpha, 8},
                  {QStringLiteral("B"), FieldType::Alpha, 8}};
    def.indexes = {{QStringLiteral("iAB"), {QStringLiteral("A"), QStringLiteral("B")}, false, true},
                   {QStringLiteral("iB"), {QStringLiteral("B")}, false, true, true}};
    database().createTable(def);
    const QVariant none;
    const QVariant empty = QStringLiteral("");
    auto a = [&](int n) -> QVariant {
        switch (n % 5) {
        case 0: return none;
        case 1: return empty;
        case 2: return QStringLiteral("x");
        case 3: return QStringLiteral("X");
        default: return QStringLiteral("k%1").arg(n % 7);
        }
    };
    auto b = [&](int n) -> QVariant {
        return n % 3 == 0 ? none : n % 3 == 1 ? empty : QVariant(QStringLiteral("y"));
    };
    constexpr int rows = 700;
    {
        Transaction transaction(database());
        for (int n = 0; n < rows; ++n)
            database().execute(QStringLiteral("INSERT INTO \"Waren\" (\"Nr\", \"A\", \"B\") VALUES (?, ?, ?)"),
                               {n, a(n), b(n)});
        transaction.commit();
    }
    // Null before empty before text; the text without regard to case.
    auto rank = [](const QVariant &value) {
        return std::make_pair(value.isNull() ? 0 : value.toString().isEmpty() ? 1 : 2, value.toString().toLower());
    };
    struct Case
    {
        const char *index;
        const char *filter;
        std::function<bool(int, int)> before;
        std::function<bool(int)> shown;
    };
    const QList<Case> cases = {
        {"iAB", "", [&](int x, int y) {
             return std::make_tuple(rank(a(x)), rank(b(x)), x) < std::make_tuple(rank(a(y)), rank(b(y)), y);
         }, [](int) { return true; }},
        {"iB", "", [&](int x, int y) {
             return std::make_pair(rank(b(x)), x) > std::make_pair(rank(b(y)), y);
         }, [](int) { return true; }},
        {"iAB", "Nr >= 350", [&](int x, int y) {
             return std::make_tuple(rank(a(x)), rank(b(x)), x) < std::make_tuple(rank(a(y)), rank(b(y)), y);
         }, [](int n) { return n >= 350; }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.index) + " " + c.filter);
        QList<int> expected;
        for (int n = 0; n < rows; ++n) {
            if (c.shown(n))
                expected << n;
        }
        std::sort(expected.begin(), expected.end(), c.before);
        Table table(database(), QStringLiteral("Waren"));
        table.setIndexName(QString::fromLatin1(c.index));
        table.setWindowRows(16);
        if (*c.filter) {
            table.setFilter(QString::fromLatin1(c.filter));
            table.setFiltered(true);
        }
        table.open();
        QList<int> walked;
        QList<Bookmark> marks;
        for (; !table.eof(); table.next()) {
            walked << table["Nr"].asInteger();
            marks << table.bookmark();
        }
        ASSERT_EQ(walked, expected);
        QList<int> backward;
        for (table.last(); !table.bof(); table.prior())
            backward.prepend(table["Nr"].asInteger());
        ASSERT_EQ(backward, expected);
        for (int i = 0; i < marks.size(); ++i) {
            ASSERT_TRUE(table.gotoBookmark(marks[i]));
            ASSERT_EQ(table.recNo(), i + 1) << "Nr " << expected[i];
        }
    }
}

RAZAZU_STORE_TESTS(NavigationTest);
