#include "TestStore.h"

#include "dbupdate/TRestructure.h"

#include "platform/db/DatabaseError.h"
#include "platform/db/Table.h"

#include <gtest/gtest.h>

using dbupdate::TdBasePxFieldType;
using dbupdate::TFieldDesc;
using dbupdate::TRestructure;

namespace {

QStringList fieldNames(db::Database &database, const QString &table)
{
    QStringList names;
    for (const db::FieldDef &def : database.tableDef(table).fields)
        names << def.name;
    return names;
}

// Nr and Name of every record, in key order.
QStringList records(db::Database &database, const QString &table)
{
    QStringList rows;
    db::Table cursor(database, table);
    cursor.open();
    for (cursor.first(); !cursor.eof(); cursor.next())
        rows << cursor.fieldByName(QStringLiteral("Nr")).asString() + u'|'
                    + cursor.fieldByName(QStringLiteral("Name")).asString();
    return rows;
}

class TRestructureTest : public testing::TestWithParam<Backend>
{
protected:
    void SetUp() override
    {
        if (!TestStore::available(GetParam()))
            GTEST_SKIP() << "RAZAZU_TEST_PG is not set";
        store = std::make_unique<TestStore>(GetParam());
        store->db().createTable(kundenTabelle());
        store->fill(QStringLiteral("S_KUNDEN"), 3);
    }

    db::Database &database() { return store->db(); }

    TRestructure loaded()
    {
        TRestructure restructure(database());
        restructure.setTableName(QStringLiteral("S_KUNDEN.DB"));
        return restructure;
    }

    std::unique_ptr<TestStore> store;
    const QStringList threeRecords = {QStringLiteral("1|Name 1"), QStringLiteral("2|Name 2"),
                                      QStringLiteral("3|Name 3")};
};

TEST_P(TRestructureTest, LoadsTheDescriptionOfTheTable)
{
    TRestructure restructure = loaded();
    ASSERT_EQ(restructure.fieldCount(), 4);
    EXPECT_EQ(restructure.PrimaryIndexFieldCount, 1);
    EXPECT_EQ(restructure.FieldIndexOf(QStringLiteral("name")), 2);
    EXPECT_EQ(restructure.FieldIndexOf(QStringLiteral("Fax")), 0);

    struct Expected
    {
        TdBasePxFieldType type;
        int length;
    };
    const Expected expected[] = {{TdBasePxFieldType::pxLongInteger, 0},
                                 {TdBasePxFieldType::pxAlpha, 30},
                                 {TdBasePxFieldType::pxNumber, 0},
                                 {TdBasePxFieldType::pxMemo, 0}};
    for (int position = 1; position <= 4; ++position) {
        SCOPED_TRACE(position);
        restructure.GetFieldDesc(position);
        EXPECT_EQ(restructure.Field.FieldType, expected[position - 1].type);
        EXPECT_EQ(restructure.Field.Length, expected[position - 1].length);
    }
}

TEST_P(TRestructureTest, AMissingTableCannotBeLoaded)
{
    TRestructure restructure(database());
    try {
        restructure.setTableName(QStringLiteral("S_FEHLT.DB"));
        FAIL() << "no error";
    } catch (const db::DatabaseError &error) {
        EXPECT_TRUE(error.message().startsWith(QStringLiteral("Table konnte nicht geöffnet werden")));
    }
    EXPECT_FALSE(restructure.isLoaded());
}

TEST_P(TRestructureTest, AddedFieldIsAppendedAndRecordsKeepTheirValues)
{
    TRestructure restructure = loaded();
    restructure.Field = {QStringLiteral("Fax"), TdBasePxFieldType::pxAlpha, 25, 0};
    restructure.AddField(false);
    restructure.Execute();

    EXPECT_EQ(fieldNames(database(), QStringLiteral("S_KUNDEN")),
              (QStringList{"Nr", "Name", "Umsatz", "Notiz", "Fax"}));
    EXPECT_EQ(database().tableDef(QStringLiteral("S_KUNDEN")).fields[4].size, 25);
    EXPECT_EQ(records(database(), QStringLiteral("S_KUNDEN")), threeRecords);
    // The description is loaded again from the rewritten table.
    EXPECT_EQ(restructure.fieldCount(), 5);
}

TEST_P(TRestructureTest, ModifiedFieldKeepsItsValuesConverted)
{
    TRestructure restructure = loaded();
    restructure.GetFieldDesc(2);
    restructure.Field.Length = 6;   // "Name 1" fits exactly
    restructure.ModifyField(2, false);
    restructure.GetFieldDesc(3);
    restructure.Field.FieldType = TdBasePxFieldType::pxAlpha;
    restructure.Field.Length = 10;
    restructure.ModifyField(3, false);
    database().execute(QStringLiteral("UPDATE \"S_KUNDEN\" SET \"Umsatz\" = 12.5 WHERE \"Nr\" = 2"));
    restructure.Execute();

    const db::TableDef def = database().tableDef(QStringLiteral("S_KUNDEN"));
    EXPECT_EQ(def.fields[1].size, 6);
    EXPECT_EQ(def.fields[2].type, db::FieldType::Alpha);
    EXPECT_EQ(records(database(), QStringLiteral("S_KUNDEN")), threeRecords);
    db::Table cursor(database(), QStringLiteral("S_KUNDEN"));
    cursor.open();
    ASSERT_TRUE(cursor.findKey({2}));
    EXPECT_EQ(cursor.fieldByName(QStringLiteral("Umsatz")).asString(), QStringLiteral("12,5"));
}

TEST_P(TRestructureTest, InsertMoveAndDeleteRearrangeTheFields)
{
    TRestructure restructure = loaded();
    restructure.Field = {QStringLiteral("Plz"), TdBasePxFieldType::pxAlpha, 5, 0};
    restructure.InsertField(2, false);          // Nr Plz Name Umsatz Notiz
    restructure.MoveField(5, 3);                // Nr Plz Notiz Name Umsatz
    restructure.DeleteField(restructure.FieldIndexOf(QStringLiteral("Umsatz")));
    restructure.Execute();

    EXPECT_EQ(fieldNames(database(), QStringLiteral("S_KUNDEN")), (QStringList{"Nr", "Plz", "Notiz", "Name"}));
    EXPECT_EQ(records(database(), QStringLiteral("S_KUNDEN")), threeRecords);
}

TEST_P(TRestructureTest, PositionsOutsideTheFieldsAreRefused)
{
    struct Case
    {
        const char *what;
        std::function<void(TRestructure &)> call;
        QString message;
    };
    const Case cases[] = {
        {"GetFieldDesc 0", [](TRestructure &r) { r.GetFieldDesc(0); }, QStringLiteral("Feld-Index zu klein oder zu Gross")},
        {"GetFieldDesc 5", [](TRestructure &r) { r.GetFieldDesc(5); }, QStringLiteral("Feld-Index zu klein oder zu Gross")},
        {"InsertField 6", [](TRestructure &r) { r.InsertField(6, false); }, QStringLiteral("Field-Index zu klein oder zu Gross")},
        {"ModifyField 0", [](TRestructure &r) { r.ModifyField(0, false); }, QStringLiteral("Field-Index zu klein oder zu Gross")},
        {"MoveField 0 -> 1", [](TRestructure &r) { r.MoveField(0, 1); }, QStringLiteral("Field index not in range: OldPos")},
        {"MoveField 1 -> 5", [](TRestructure &r) { r.MoveField(1, 5); }, QStringLiteral("Field index not in range: NewPos")},
        {"DeleteField 5", [](TRestructure &r) { r.DeleteField(5); }, QStringLiteral("Field index not in range")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        TRestructure restructure = loaded();
        restructure.Field = {QStringLiteral("Fax"), TdBasePxFieldType::pxAlpha, 20, 0};
        try {
            c.call(restructure);
            ADD_FAILURE() << "no error";
        } catch (const db::DatabaseError &error) {
            EXPECT_EQ(error.message(), c.message);
        }
        EXPECT_EQ(restructure.fieldCount(), 4);
    }
}

TEST_P(TRestructureTest, MovingAFieldOntoItselfChangesNothing)
{
    TRestructure restructure = loaded();
    restructure.MoveField(2, 2);
    restructure.MoveField(0, 0);
    restructure.Execute();
    EXPECT_EQ(fieldNames(database(), QStringLiteral("S_KUNDEN")), (QStringList{"Nr", "Name", "Umsatz", "Notiz"}));
}

TEST_P(TRestructureTest, ModifyingAFieldAddedSinceLoadingStaysAnAddition)
{
    TRestructure restructure = loaded();
    restructure.Field = {QStringLiteral("Fax"), TdBasePxFieldType::pxAlpha, 20, 0};
    restructure.AddField(false);
    restructure.Field = {QStringLiteral("Telefax"), TdBasePxFieldType::pxAlpha, 40, 0};
    restructure.ModifyField(5, false);
    restructure.Execute();

    const db::TableDef def = database().tableDef(QStringLiteral("S_KUNDEN"));
    ASSERT_EQ(def.fields.size(), 5);
    EXPECT_EQ(def.fields[4].name, QStringLiteral("Telefax"));
    EXPECT_EQ(def.fields[4].size, 40);
}

TEST_P(TRestructureTest, ATypeTheStoreCannotTakeIsReportedAndLeftOut)
{
    TRestructure restructure = loaded();
    QStringList refused;
    restructure.OnFieldInappropriate = [&](TRestructure &, const TFieldDesc &field) { refused << field.Name; };
    for (TdBasePxFieldType type : {TdBasePxFieldType::pxUnknown, TdBasePxFieldType::dbLong}) {
        restructure.Field = {QStringLiteral("Fax"), type, 20, 0};
        restructure.AddField(false);
        restructure.ModifyField(2, false);
    }
    restructure.Execute();
    EXPECT_EQ(refused.size(), 4);
    EXPECT_EQ(fieldNames(database(), QStringLiteral("S_KUNDEN")), (QStringList{"Nr", "Name", "Umsatz", "Notiz"}));
}

TEST_P(TRestructureTest, APrimaryKeyOnTheLeadingFieldsIsCreated)
{
    db::TableDef noKey = kundenTabelle(QStringLiteral("S_OHNE"));
    noKey.primaryKey.clear();
    database().createTable(noKey);
    database().execute(QStringLiteral("INSERT INTO \"S_OHNE\" (\"Nr\", \"Name\") VALUES (1, 'a'), (1, 'b')"));

    TRestructure restructure(database());
    restructure.setTableName(QStringLiteral("S_OHNE.DB"));
    EXPECT_EQ(restructure.PrimaryIndexFieldCount, 0);
    restructure.PrimaryIndexFieldCount = 2;
    restructure.Execute();
    EXPECT_EQ(database().tableDef(QStringLiteral("S_OHNE")).primaryKey, (QStringList{"Nr", "Name"}));
    EXPECT_EQ(restructure.PrimaryIndexFieldCount, 2);
    EXPECT_EQ(store->count(QStringLiteral("S_OHNE")), 2);
}

TEST_P(TRestructureTest, ARequiredCheckBecomesARequiredField)
{
    TRestructure restructure = loaded();
    restructure.ValCheck.Required = true;
    restructure.AddValCheck(QStringLiteral("name"));
    restructure.Execute();
    EXPECT_TRUE(database().tableDef(QStringLiteral("S_KUNDEN")).fields[1].required);
    restructure.GetFieldDesc(2);
    EXPECT_TRUE(restructure.ValCheck.Required);

    restructure.DeleteValCheck(QStringLiteral("Name"));
    restructure.Execute();
    EXPECT_FALSE(database().tableDef(QStringLiteral("S_KUNDEN")).fields[1].required);
    EXPECT_EQ(records(database(), QStringLiteral("S_KUNDEN")), threeRecords);
}

// The key Nr is text here; cutting it to one character makes "10" and "11"
// the same key, so the copy into the new layout fails in the middle.
TEST_P(TRestructureTest, ARestructureFailingHalfWayLeavesTheTableAsItWas)
{
    db::TableDef def;
    def.name = QStringLiteral("S_ARTIK");
    def.fields = {{QStringLiteral("Nr"), db::FieldType::Alpha, 10},
                  {QStringLiteral("Name"), db::FieldType::Alpha, 30},
                  {QStringLiteral("Preis"), db::FieldType::Money}};
    def.primaryKey = {QStringLiteral("Nr")};
    def.indexes = {{QStringLiteral("iName"), {QStringLiteral("Name")}, false, true, false}};
    database().createTable(def);
    database().execute(QStringLiteral("INSERT INTO \"S_ARTIK\" (\"Nr\", \"Name\", \"Preis\") VALUES "
                                      "('1', 'Name 1', 1.5), ('10', 'Name 10', 2.5), ('11', 'Name 11', 3.5)"));
    const db::TableDef before = database().tableDef(QStringLiteral("S_ARTIK"));
    const QStringList recordsBefore = records(database(), QStringLiteral("S_ARTIK"));

    TRestructure restructure(database());
    restructure.setTableName(QStringLiteral("S_ARTIK.DB"));
    restructure.Field = {QStringLiteral("Neu"), TdBasePxFieldType::pxAlpha, 5, 0};
    restructure.AddField(false);
    restructure.GetFieldDesc(1);
    restructure.Field.Length = 1;
    restructure.ModifyField(1, false);
    EXPECT_THROW(restructure.Execute(), db::DatabaseError);

    const db::TableDef after = database().tableDef(QStringLiteral("S_ARTIK"));
    ASSERT_EQ(after.fields.size(), before.fields.size());
    for (int i = 0; i < before.fields.size(); ++i) {
        EXPECT_EQ(after.fields[i].name, before.fields[i].name);
        EXPECT_EQ(after.fields[i].type, before.fields[i].type);
        EXPECT_EQ(after.fields[i].size, before.fields[i].size);
    }
    EXPECT_EQ(after.primaryKey, before.primaryKey);
    ASSERT_EQ(after.indexes.size(), 1);
    EXPECT_EQ(after.indexes[0].name, QStringLiteral("iName"));
    EXPECT_EQ(records(database(), QStringLiteral("S_ARTIK")), recordsBefore);
    EXPECT_EQ(database().tableNames(), (QStringList{"S_ARTIK", "S_KUNDEN"}));
}

TEST_P(TRestructureTest, ATableOpenElsewhereIsNotRestructured)
{
    db::Table open(database(), QStringLiteral("S_KUNDEN"));
    open.open();
    TRestructure restructure = loaded();
    restructure.Field = {QStringLiteral("Fax"), TdBasePxFieldType::pxAlpha, 20, 0};
    restructure.AddField(false);
    try {
        restructure.Execute();
        FAIL() << "no error";
    } catch (const db::DatabaseError &error) {
        EXPECT_TRUE(error.message().startsWith(QStringLiteral("Table could not be opened for exclusive access")));
    }
    open.close();
    EXPECT_EQ(fieldNames(database(), QStringLiteral("S_KUNDEN")), (QStringList{"Nr", "Name", "Umsatz", "Notiz"}));
}

INSTANTIATE_TEST_SUITE_P(Stores, TRestructureTest, testing::Values(Backend::SQLite, Backend::PostgreSQL),
                         backendName);

} // namespace
