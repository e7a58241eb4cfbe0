// The table work of the program's forms and registers, step by step as they
// do it: searches that filter and then find the chosen record, copies of
// documents field by field as text, a register's header and lines.

#include "StoreFixture.h"

#include "platform/db/DataSource.h"

#include <QDate>

using namespace db;

namespace {

// A document header with one field of every kind that travels as text.
TableDef kopfDef()
{
    TableDef def;
    def.name = QStringLiteral("Einheit");
    def.fields = {
        {QStringLiteral("belegnr"), FieldType::Long},
        {QStringLiteral("datum"), FieldType::Date},
        {QStringLiteral("f8_1"), FieldType::Alpha, 29},
        {QStringLiteral("Betrag"), FieldType::Money},
        {QStringLiteral("Masse"), FieldType::Number},
        {QStringLiteral("Kolli"), FieldType::Short},
        {QStringLiteral("Wert"), FieldType::BCD, 0, 2},
        {QStringLiteral("Frei"), FieldType::Logical},
        {QStringLiteral("Zeit"), FieldType::Time},
        {QStringLiteral("Stempel"), FieldType::Timestamp},
        {QStringLiteral("Bemerkung"), FieldType::Memo},
        {QStringLiteral("AnzPos"), FieldType::Long},
    };
    def.primaryKey = {QStringLiteral("belegnr")};
    return def;
}

TableDef folgeDef()
{
    TableDef def;
    def.name = QStringLiteral("Einfolg");
    def.fields = {
        {QStringLiteral("belegnr"), FieldType::Long},
        {QStringLiteral("pos"), FieldType::Long},
        {QStringLiteral("Ware"), FieldType::Alpha, 8},
        {QStringLiteral("Text"), FieldType::Memo},
    };
    def.primaryKey = {QStringLiteral("belegnr"), QStringLiteral("pos")};
    return def;
}

TableDef landDef()
{
    TableDef def;
    def.name = QStringLiteral("S_LANDBZ");
    def.fields = {
        {QStringLiteral("Land"), FieldType::Alpha, 3},
        {QStringLiteral("Bez"), FieldType::Alpha, 29},
        {QStringLiteral("Lkz"), FieldType::Alpha, 3},
        {QStringLiteral("Nummer"), FieldType::Long},
    };
    def.primaryKey = {QStringLiteral("Land")};
    IndexDef byName{QStringLiteral("iBez"), {QStringLiteral("Bez")}, false, true};
    IndexDef byCode{QStringLiteral("iLkz"), {QStringLiteral("Lkz")}, false, true};
    def.indexes = {byName, byCode};
    return def;
}

QStringList fieldTexts(Table &table, int count)
{
    QStringList texts;
    for (int i = 0; i < count; ++i)
        texts << table.field(i).asString();
    return texts;
}

} // namespace

class FormUsageTest : public StoreTest
{
protected:
    void createLand()
    {
        database().createTable(landDef());
        Table land(database(), QStringLiteral("S_LANDBZ.DB"));
        land.open();
        struct Row
        {
            const char *land, *bez, *lkz;
            int nummer;
        };
        const Row rows[] = {{"004", "Deutschland", "DE", 4},   {"008", "Dänemark", "dk", 8},
                            {"060", "Österreich", "AT", 60},   {"017", "Ägypten", "EG", 17},
                            {"400", "Vereinigte Staaten", "US", 400}, {"011", "Belgien", "BE", 11}};
        for (const Row &row : rows) {
            land.append();
            land["Land"].setAsString(QString::fromUtf8(row.land));
            land["Bez"].setAsString(QString::fromUtf8(row.bez));
            land["Lkz"].setAsString(QString::fromUtf8(row.lkz));
            land["Nummer"].setAsInteger(row.nummer);
            land.post();
        }
    }

    static QStringList column(Table &table, const QString &field)
    {
        QStringList result;
        for (table.first(); !table.eof(); table.next())
            result << table[field].asString();
        return result;
    }
};

// The type-ahead take-over and the search dialogs: prefix filters without
// regard to case (also for umlauts), exact numbers, then the chosen record
// found again by key after the filter is switched off.
TEST_P(FormUsageTest, TypeAheadAndSearchFilters)
{
    createLand();
    Table land(database(), QStringLiteral("S_LANDBZ.DB"));
    land.setFilterCaseInsensitive(true);
    land.open();
    struct Case
    {
        const char *filter;
        QStringList expected;
    };
    const Case cases[] = {
        {"LKZ = 'd*'", {"004", "008"}},
        {"LKZ = 'D*'", {"004", "008"}},
        {"Bez = 'ä*'", {"017"}},
        {"Bez = 'Ö*'", {"060"}},
        {"Bez = 'DÄ*'", {"008"}},
        {"Land = '00*'", {"004", "008"}},
        {"Nummer = 17", {"017"}},
        {"Nummer = '400'", {"400"}},
        {"Nummer = '4x'", {}},
        {"Land = 'x*'", {}},
    };
    for (const Case &c : cases) {
        land.setFilter(QString::fromUtf8(c.filter));
        land.setFiltered(true);
        EXPECT_EQ(column(land, QStringLiteral("Land")), c.expected) << c.filter;
        EXPECT_EQ(land.recordCount(), c.expected.size()) << c.filter;
    }

    // Search dialog: filter, take the chosen row's key, filter off, find it,
    // then order by the text field.
    land.setFilter(QStringLiteral("Bez = 'Be*'"));
    ASSERT_EQ(land.recordCount(), 1);
    land.setIndexFieldNames(QStringLiteral("Land"));
    const QString chosen = land["Land"].asString();
    land.setFiltered(false);
    ASSERT_TRUE(land.findKey({chosen}));
    land.setIndexFieldNames(QStringLiteral("Bez"));
    EXPECT_EQ(land["Bez"].asString(), QStringLiteral("Belgien")) << "switching the order keeps the record";
    EXPECT_EQ(column(land, QStringLiteral("Bez")).first(), QStringLiteral("Belgien"));

    // Picker: one typed letter goes to the first name at or after it.
    land.setIndexName(QStringLiteral("iBez"));
    land.findNearest({QStringLiteral("v")});
    EXPECT_EQ(land["Bez"].asString(), QStringLiteral("Vereinigte Staaten"));
    ASSERT_TRUE(land.findKey({QStringLiteral("ägypten")})) << "the name index ignores case, umlauts too";
    EXPECT_EQ(land["Land"].asString(), QStringLiteral("017"));
    land.setIndexFieldNames(QStringLiteral("LKZ"));
    land.findNearest({QStringLiteral("e")});
    EXPECT_EQ(land["Lkz"].asString(), QStringLiteral("EG"));
    land.findNearest({QStringLiteral("D")});
    EXPECT_EQ(land["Lkz"].asString(), QStringLiteral("DE"));
    land.setRange({QStringLiteral("d")}, {QStringLiteral("dz")});
    EXPECT_EQ(column(land, QStringLiteral("Lkz")), (QStringList{"DE", "dk"}));
    land.cancelRange();
}

// With the filter option off, a prefix matches in the same case only.
TEST_P(FormUsageTest, CaseSensitivePrefixFilterOfTheUsers)
{
    createBelege(0);
    int nr = 0;
    for (const char *name : {"Meier", "meier", "Mayer", "MEIER"})
        insertBeleg(++nr, QString::fromLatin1(name));
    Table table(database(), QStringLiteral("Belege"));
    table.open();
    table.setFilter(QStringLiteral("NAME = 'Me*'"));
    table.setFiltered(true);
    EXPECT_EQ(column(table, QStringLiteral("Name")), QStringList{"Meier"});
}

// Header and lines as a register keeps them: the master record created after
// opening, item counts written while the lines follow, a copy field by field
// as text, and a range of documents deleted lines first.
TEST_P(FormUsageTest, RegisterWithHeaderAndLines)
{
    database().createTable(kopfDef());
    database().createTable(folgeDef());
    Table kopf(database(), QStringLiteral("EINHEIT.DB"));
    kopf.setIndexFieldNames(QStringLiteral("belegnr"));
    kopf.setFilterCaseInsensitive(true);
    DataSource source(&kopf);
    Table folge(database(), QStringLiteral("EINFOLG.DB"));
    folge.setIndexFieldNames(QStringLiteral("belegnr;pos"));
    folge.setMasterSource(&source, QStringLiteral("belegnr"), QStringLiteral("belegnr"));
    kopf.afterOpen.add([](Table &t) {
        if (!t.findKey({2000000000})) {
            t.append();
            t.field(0).setAsInteger(2000000000);
            t.field(1).setAsDate(QDate::currentDate());
            t.post();
        }
    });
    folge.afterOpen.add([](Table &t) {
        if (!t.findKey({2000000000})) {
            t.append();
            t.field(0).setAsInteger(2000000000);
            t.field(1).setAsInteger(1);
            t.post();
        }
    });
    kopf.open();
    folge.open();
    EXPECT_EQ(kopf.recordCount(), 1);
    EXPECT_EQ(folge.recordCount(), 1);

    // Master record values, then a new document from it.
    kopf.last();
    kopf.edit();
    kopf["f8_1"].setAsString(QStringLiteral("Müller & Söhne"));
    kopf["Betrag"].setAsString(QStringLiteral("1.234,56"));
    kopf["Masse"].setAsString(QStringLiteral("0,125"));
    kopf["Kolli"].setAsString(QStringLiteral("-3"));
    kopf["Wert"].setAsString(QStringLiteral("99,99"));
    kopf["Frei"].setAsBoolean(true);
    kopf["Zeit"].setAsString(QStringLiteral("13:45:10"));
    kopf["Stempel"].setAsString(QStringLiteral("24.12.2025 08:15:00"));
    kopf["Bemerkung"].setAsString(QStringLiteral("Zeile 1\nZeile 2"));
    kopf.post();
    const int count = kopf.fieldCount();
    const QStringList master = fieldTexts(kopf, count);
    for (int nr : {5, 7}) {
        kopf.last();
        const QStringList texts = fieldTexts(kopf, count);
        kopf.append();
        kopf.field(0).setAsInteger(nr);
        kopf.field(1).setAsDate(QDate::currentDate());
        for (int i = 2; i < count; ++i)
            kopf.field(i).setAsString(texts[i]);
        kopf.post();
        EXPECT_EQ(kopf["belegnr"].asInteger(), nr) << "the new record stays current";
        EXPECT_EQ(fieldTexts(kopf, count).mid(2), master.mid(2));
        // Lines 1..3, each added with the link filling belegnr.
        for (int pos = 1; pos <= 3; ++pos) {
            folge.insert();
            EXPECT_EQ(folge["belegnr"].asInteger(), nr);
            folge["pos"].setAsInteger(folge.recordCount() + 1);
            folge["Ware"].setAsString(QStringLiteral("%1/%2").arg(nr).arg(pos));
            folge.post();
        }
    }

    // Copy 5 to 6 as the copy routine does: header, then lines while found.
    ASSERT_TRUE(kopf.findKey({QStringLiteral("5")})) << "numbers typed in dialogs arrive as text";
    const Bookmark quelle = kopf.bookmark();
    QStringList texts = fieldTexts(kopf, count - 1);
    kopf.append();
    for (int i = 0; i < texts.size(); ++i)
        kopf.field(i).setAsString(texts[i]);
    kopf.field(0).setAsInteger(6);
    kopf.field(1).setAsDate(QDate::currentDate());
    kopf.post();
    const Bookmark ziel = kopf.bookmark();
    for (int pos = 1;; ++pos) {
        ASSERT_TRUE(kopf.gotoBookmark(quelle));
        if (!folge.findKey({5, pos}))
            break;
        const QStringList line = fieldTexts(folge, folge.fieldCount());
        ASSERT_TRUE(kopf.gotoBookmark(ziel));
        folge.append();
        for (int i = 0; i < line.size(); ++i)
            folge.field(i).setAsString(line[i]);
        folge.field(0).setAsInteger(6);
        folge.field(1).setAsInteger(pos);
        folge.post();
    }
    ASSERT_TRUE(kopf.gotoBookmark(ziel));
    EXPECT_EQ(kopf["belegnr"].asInteger(), 6);
    EXPECT_EQ(column(folge, QStringLiteral("Ware")), (QStringList{"5/1", "5/2", "5/3"}));

    // Item counts, header by header, while the lines follow.
    for (kopf.first(); !kopf.eof(); kopf.next()) {
        kopf.edit();
        kopf["AnzPos"].setAsInteger(folge.recordCount());
        kopf.post();
    }
    QStringList counts;
    for (kopf.first(); !kopf.eof(); kopf.next())
        counts << kopf["belegnr"].asString() + QLatin1Char('=') + kopf["AnzPos"].asString();
    EXPECT_EQ(counts, (QStringList{"5=3", "6=3", "7=3", "2000000000=1"}));

    // Search by recipient: the register's table filters without case.
    kopf.setFilter(QStringLiteral("F8_1 = 'MÜLLER*'"));
    kopf.setFiltered(true);
    EXPECT_EQ(kopf.recordCount(), 4);
    kopf.setFilter(QStringLiteral("F8_1 = \"müller & söhne\""));
    EXPECT_EQ(kopf.recordCount(), 4);
    kopf.setFiltered(false);

    // Delete 5 to 6: lines of each document first, then its header.
    kopf.cancelRange();
    kopf.first();
    kopf.findNearest({5});
    while (!kopf.eof() && kopf["belegnr"].asInteger() >= 5 && kopf["belegnr"].asInteger() <= 6) {
        while (!folge.isEmpty() && folge["belegnr"].asInteger() == kopf["belegnr"].asInteger())
            folge.remove();
        kopf.remove();
    }
    EXPECT_EQ(column(kopf, QStringLiteral("belegnr")), (QStringList{"7", "2000000000"}));

    // Closing: released from the header, the lines show every item.
    folge.setMasterSource(nullptr, QString(), QString());
    EXPECT_EQ(folge.recordCount(), 4);
}

// A failed post inside a copy routine: the handler aborts, the routine sees
// an exception and the record stays in insert state with what was typed.
TEST_P(FormUsageTest, AbortedPostReachesTheCopyRoutine)
{
    createBelege(3);
    Table table(database(), QStringLiteral("Belege"));
    QStringList shown;
    table.onPostError.add([&](Table &, const DatabaseError &error) {
        shown << error.message() + QStringLiteral("\nDaten konnten nicht gespeichert werden!");
        return PostErrorAction::Abort;
    });
    table.open();
    auto copy = [&](int from, int to) {
        try {
            if (!table.findKey({from}))
                return false;
            const QStringList texts = fieldTexts(table, table.fieldCount());
            table.append();
            for (int i = 0; i < texts.size(); ++i)
                table.field(i).setAsString(texts[i]);
            table.field(0).setAsInteger(to);
            table.post();
            return true;
        } catch (...) {
            return false;
        }
    };
    EXPECT_FALSE(copy(1, 2));
    EXPECT_EQ(shown.size(), 1);
    EXPECT_EQ(table.state(), DatasetState::Insert);
    table.cancel();
    EXPECT_TRUE(copy(1, 4));
    EXPECT_EQ(table.recordCount(), 4);
}

// The users form numbers a new user by scanning the whole table in its
// before-insert handler and setting the number after the insert.
TEST_P(FormUsageTest, InsertHandlersScanTheTableThemselves)
{
    createBelege(3);
    Table table(database(), QStringLiteral("Belege"));
    int highest = 0;
    table.beforeInsert.add([&](Table &t) {
        highest = 0;
        for (t.first(); !t.eof(); t.next())
            highest = std::max(highest, t["BelegNr"].asInteger());
    });
    table.afterInsert.add([&](Table &t) { t["BelegNr"].setAsInteger(highest + 1); });
    table.open();
    table.next();
    for (const char *name : {"Neu", "Neuer"}) {
        table.insert();
        EXPECT_EQ(table.state(), DatasetState::Insert);
        table["Name"].setAsString(QString::fromLatin1(name));
        table.post();
    }
    EXPECT_EQ(column(table, QStringLiteral("Name")), (QStringList{"Name1", "Name2", "Name3", "Neu", "Neuer"}));
    EXPECT_EQ(table["BelegNr"].asInteger(), 5);
}

// The register holds its tables exclusively against other workstations; its
// print dialog in the same program opens its own shared copies.
TEST_P(FormUsageTest, ExclusiveRegisterAndItsOwnPrintCopies)
{
    createBelege(3);
    Table register_(database(), QStringLiteral("Belege"));
    register_.setExclusive(true);
    register_.open();
    {
        Table print(database(), QStringLiteral("BELEGE.DB"));
        EXPECT_NO_THROW(print.open());
        EXPECT_TRUE(print.findKey({2}));
        auto workstation = secondConnection();
        Table other(*workstation, QStringLiteral("Belege"));
        EXPECT_THROW(other.open(), LockError);
    }
    auto workstation = secondConnection();
    Table other(*workstation, QStringLiteral("Belege"));
    EXPECT_THROW(other.open(), LockError) << "the print copy closed; the register still holds it";
    register_.close();
    EXPECT_NO_THROW(other.open());
}

// Goods numbers: no primary key, ordered by a list of fields spelled in
// another case; a number typed too long for the key matches nothing; a date
// written into a text field arrives as "dd.mm.yyyy".
TEST_P(FormUsageTest, FieldListOrderLongNumbersAndDatesAsText)
{
    TableDef def;
    def.name = QStringLiteral("S_WARENN");
    def.fields = {{QStringLiteral("Waren"), FieldType::Alpha, 8}, {QStringLiteral("Bez1"), FieldType::Alpha, 40},
                  {QStringLiteral("Bez2"), FieldType::Alpha, 40}, {QStringLiteral("Land"), FieldType::Alpha, 3},
                  {QStringLiteral("Stand"), FieldType::Alpha, 10}};
    database().createTable(def);
    Table ware(database(), QStringLiteral("s_warenn.db"));
    ware.open();
    const char *rows[][3] = {{"8471", "Rechner", "DE"}, {"0101", "Pferde", "PL"}, {"8471", "Drucker", "CN"}};
    for (const auto &row : rows) {
        ware.append();
        ware["waren"].setAsString(QString::fromLatin1(row[0]));
        ware["BEZ1"].setAsString(QString::fromLatin1(row[1]));
        ware["land"].setAsString(QString::fromLatin1(row[2]));
        ware["Stand"].setAsDate(QDate(2026, 3, 1));
        ware.post();
    }
    EXPECT_EQ(ware["Stand"].asString(), QStringLiteral("01.03.2026"));
    ware.setIndexFieldNames(QStringLiteral("waren;bez1;bez2;Land"));
    EXPECT_EQ(column(ware, QStringLiteral("Bez1")), (QStringList{"Pferde", "Drucker", "Rechner"}));
    ASSERT_TRUE(ware.findKey({QStringLiteral("8471"), QStringLiteral("Rechner")}));
    EXPECT_EQ(ware["Land"].asString(), QStringLiteral("DE"));

    createBelege(3);
    Table belege(database(), QStringLiteral("Belege"));
    belege.open();
    belege.setFilter(QStringLiteral("BelegNr = '12345678901'"));
    belege.setFiltered(true);
    EXPECT_EQ(belege.recordCount(), 0);
    belege.setFilter(QStringLiteral("BelegNr = '2'"));
    EXPECT_EQ(belege.recordCount(), 1);
    belege.setFiltered(false);

    // A number the field cannot hold is held by no record, alike on both
    // stores: the exact search finds nothing and the cursor stays; the
    // nearest search goes on from the field's largest value, to the end.
    belege.findKey({2});
    EXPECT_FALSE(belege.findKey({QStringLiteral("12345678901")}));
    EXPECT_EQ(belege["BelegNr"].asInteger(), 2);
    belege.findNearest({QStringLiteral("12345678901")});
    const int letzter = belege["BelegNr"].asInteger();
    belege.last();
    EXPECT_EQ(letzter, belege["BelegNr"].asInteger());
    EXPECT_THROW(belege.findKey({QStringLiteral("zwei")}), ConversionError);
}

// A packing list from the master's lines: each new line is posted while the
// header still stands on the master, so it falls outside the lines shown,
// and is then edited once more. The second write must reach the new line,
// never a line of the master.
TEST_P(FormUsageTest, LinePostedOutsideTheMasterLinkIsEditedAgain)
{
    database().createTable(kopfDef());
    database().createTable(folgeDef());
    Table kopf(database(), QStringLiteral("Einheit"));
    DataSource source(&kopf);
    Table folge(database(), QStringLiteral("Einfolg"));
    folge.setMasterSource(&source, QStringLiteral("belegnr"), QStringLiteral("belegnr"));
    kopf.open();
    folge.open();
    kopf.append();
    kopf["belegnr"].setAsInteger(2000000000);
    kopf.post();
    for (int pos = 1; pos <= 3; ++pos) {
        folge.append();
        folge["pos"].setAsInteger(pos);
        folge["Ware"].setAsString(QStringLiteral("W%1").arg(pos));
        folge["Text"].setAsString(QStringLiteral("Text %1").arg(pos));
        folge.post();
    }
    kopf.append();
    kopf["belegnr"].setAsInteger(9);
    kopf.post();

    ASSERT_TRUE(kopf.findKey({2000000000}));
    folge.first();
    const int lines = folge.recordCount();
    ASSERT_EQ(lines, 3);
    for (int i = 0; i < lines; ++i) {
        const QStringList texts = fieldTexts(folge, 3);
        const QString memo = folge["Text"].asString();
        folge.insert();
        for (int f = 0; f < 3; ++f)
            folge.field(f).setAsString(texts[f]);
        folge.field(0).setAsInteger(9);
        folge.post();
        EXPECT_EQ(fieldTexts(folge, 2), (QStringList{"9", QString::number(i + 1)}))
            << "the posted line stays current though the link no longer shows it";
        folge.edit();
        folge["Text"].setAsString(memo + QStringLiteral(" neu"));
        folge.field(0).setAsInteger(9);
        folge.post();
        // Moving on from there goes by key within the link: the next master
        // line is found by its position, as the routine knows it.
        folge.findKey({2000000000, i + 2});
    }
    EXPECT_EQ(column(folge, QStringLiteral("Text")), (QStringList{"Text 1", "Text 2", "Text 3"}))
        << "the master's lines are untouched";
    ASSERT_TRUE(kopf.findKey({9}));
    EXPECT_EQ(column(folge, QStringLiteral("Text")), (QStringList{"Text 1 neu", "Text 2 neu", "Text 3 neu"}));
}

RAZAZU_STORE_TESTS(FormUsageTest);
