#include "StoreFixture.h"

#include "platform/db/Locks.h"
#include "platform/db/Query.h"
#include "platform/db/Restructure.h"

using namespace db;

namespace {

// The layout as one line of text, so a difference shows where it is. Key
// fields count as required, as the store keeps them.
std::string describe(const TableDef &def)
{
    QStringList parts;
    for (const FieldDef &field : def.fields)
        parts << QStringLiteral("%1:%2:%3:%4:%5")
                     .arg(field.name)
                     .arg(int(field.type))
                     .arg(field.type == FieldType::Alpha ? field.size : 0)
                     .arg(field.precision)
                     .arg(field.required || def.primaryKey.contains(field.name, Qt::CaseInsensitive));
    parts << QStringLiteral("key=") + def.primaryKey.join(QLatin1Char(','));
    QList<IndexDef> indexes = def.indexes;
    std::sort(indexes.begin(), indexes.end(),
              [](const IndexDef &a, const IndexDef &b) { return a.name.toLower() < b.name.toLower(); });
    for (const IndexDef &index : indexes)
        parts << QStringLiteral("index %1(%2) unique=%3 ci=%4")
                     .arg(index.name, index.fields.join(QLatin1Char(',')))
                     .arg(index.unique)
                     .arg(index.caseInsensitive);
    return parts.join(QLatin1String(" | ")).toStdString();
}

IndexDef uniqueIndex(const QString &name, const QStringList &fields)
{
    IndexDef index;
    index.name = name;
    index.fields = fields;
    index.unique = true;
    return index;
}

} // namespace

class RestructureTest : public StoreTest
{
protected:
    int count(const QString &table)
    {
        return Query::scalar(database(), QStringLiteral("SELECT COUNT(*) FROM %1").arg(database().quote(table))).toInt();
    }

    // What a fresh connection reads from the store, nothing cached.
    TableDef storedLayout(const QString &table) { return secondConnection()->tableDef(table); }

    // BelegNr 1..count, Name "Beleg <n>", Betrag n / 2, Menge n, in one statement.
    void fillBelege(int count)
    {
        database().createTable(belegeDef());
        database().execute(QStringLiteral(
                               "INSERT INTO \"Belege\" (\"BelegNr\", \"Name\", \"Betrag\", \"Menge\")"
                               " WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1)"
                               " SELECT i, 'Beleg ' || i, i * 0.5, i FROM n")
                               .arg(count));
    }

    QVariant value(const QString &table, const QVariantList &key, const QString &field)
    {
        Table cursor(database(), table);
        cursor.open();
        if (!cursor.findKey(key))
            return QStringLiteral("<kein Datensatz>");
        Field &f = cursor.fieldByName(field);
        return f.isNull() ? QVariant() : f.value();
    }

    // Everything a failed change must leave as it was.
    struct Snapshot
    {
        std::string layout;
        int rows = 0;
        QVariant keySum;
        QVariant mengeSum;
        QVariant lastName;

        bool operator==(const Snapshot &other) const
        {
            return layout == other.layout && rows == other.rows && keySum == other.keySum
                   && mengeSum == other.mengeSum && lastName == other.lastName;
        }
    };

    Snapshot snapshotOfBelege(int lastKey)
    {
        Snapshot s;
        s.layout = describe(storedLayout(QStringLiteral("Belege")));
        s.rows = count(QStringLiteral("Belege"));
        s.keySum = Query::scalar(database(), QStringLiteral("SELECT SUM(\"BelegNr\") FROM \"Belege\"")).toLongLong();
        s.mengeSum = Query::scalar(database(), QStringLiteral("SELECT SUM(\"Menge\") FROM \"Belege\"")).toDouble();
        s.lastName = value(QStringLiteral("Belege"), {lastKey}, QStringLiteral("Name"));
        return s;
    }
};

TEST_P(RestructureTest, AppendedFieldKeepsRecordsAndTakesValues)
{
    fillBelege(50);
    addField(database(), QStringLiteral("belege.db"), {QStringLiteral("Bemerkung"), FieldType::Alpha, 40});

    const TableDef def = storedLayout(QStringLiteral("Belege"));
    ASSERT_EQ(def.fields.size(), 7);
    EXPECT_EQ(def.fields.last().name, QStringLiteral("Bemerkung"));
    EXPECT_EQ(def.fields.last().size, 40);
    EXPECT_EQ(def.primaryKey, QStringList{QStringLiteral("BelegNr")});
    EXPECT_EQ(count(QStringLiteral("Belege")), 50);

    Table belege(database(), QStringLiteral("Belege"));
    belege.open();
    ASSERT_TRUE(belege.findKey({7}));
    EXPECT_EQ(belege.fieldByName(QStringLiteral("Name")).asString(), QStringLiteral("Beleg 7"));
    EXPECT_TRUE(belege.fieldByName(QStringLiteral("Bemerkung")).isNull());
    belege.edit();
    belege.fieldByName(QStringLiteral("Bemerkung")).setAsString(QStringLiteral("geprüft"));
    belege.post();
    belege.close();
    EXPECT_EQ(value(QStringLiteral("Belege"), {7}, QStringLiteral("Bemerkung")).toString(), QStringLiteral("geprüft"));
}

TEST_P(RestructureTest, InsertedFieldRebuildsWithKeyAndIndexes)
{
    fillBelege(50);
    const TableDef before = storedLayout(QStringLiteral("Belege"));
    addField(database(), QStringLiteral("Belege"), {QStringLiteral("Kennung"), FieldType::Alpha, 8}, 1);

    TableDef expected = before;
    expected.fields.insert(1, FieldDef{QStringLiteral("Kennung"), FieldType::Alpha, 8});
    EXPECT_EQ(describe(storedLayout(QStringLiteral("Belege"))), describe(expected));
    EXPECT_EQ(count(QStringLiteral("Belege")), 50);
    EXPECT_EQ(value(QStringLiteral("Belege"), {50}, QStringLiteral("Betrag")).toDouble(), 25.0);

    // The case-insensitive name index still orders the cursor.
    Table belege(database(), QStringLiteral("Belege"));
    belege.setIndexName(QStringLiteral("iName"));
    belege.open();
    EXPECT_EQ(belege.fieldByName(QStringLiteral("Name")).asString(), QStringLiteral("Beleg 1"));
    belege.next();
    EXPECT_EQ(belege.fieldByName(QStringLiteral("Name")).asString(), QStringLiteral("Beleg 10"));
    // The key still refuses a duplicate.
    belege.append();
    belege.fieldByName(QStringLiteral("BelegNr")).setAsInteger(5);
    EXPECT_THROW(belege.post(), DatabaseError);
    belege.cancel();
}

TEST_P(RestructureTest, RequiredFieldCannotBeAddedToFilledTable)
{
    fillBelege(3);
    const std::string before = describe(storedLayout(QStringLiteral("Belege")));
    FieldDef required{QStringLiteral("Pflicht"), FieldType::Long};
    required.required = true;
    try {
        addField(database(), QStringLiteral("Belege"), required);
        FAIL() << "a required field was added to records without a value";
    } catch (const DatabaseError &error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("Pflichtfeld Pflicht"))) << error.what();
    }
    EXPECT_EQ(describe(storedLayout(QStringLiteral("Belege"))), before);

    database().createTable(positionenDef());
    addField(database(), QStringLiteral("Positionen"), required);
    EXPECT_TRUE(storedLayout(QStringLiteral("Positionen")).fields.last().required);
}

TEST_P(RestructureTest, NewAutoIncFieldNumbersRecordsInKeyOrderAndGoesOn)
{
    database().createTable(positionenDef());
    for (const auto &[beleg, pos] : {std::pair{2, 1}, {1, 2}, {1, 1}})
        database().execute(QStringLiteral("INSERT INTO \"Positionen\" (\"BelegNr\", \"Pos\") VALUES (?, ?)"), {beleg, pos});
    addField(database(), QStringLiteral("Positionen"), {QStringLiteral("LfdNr"), FieldType::AutoInc});

    EXPECT_EQ(value(QStringLiteral("Positionen"), {1, 1}, QStringLiteral("LfdNr")).toInt(), 1);
    EXPECT_EQ(value(QStringLiteral("Positionen"), {1, 2}, QStringLiteral("LfdNr")).toInt(), 2);
    EXPECT_EQ(value(QStringLiteral("Positionen"), {2, 1}, QStringLiteral("LfdNr")).toInt(), 3);
    Table positionen(database(), QStringLiteral("Positionen"));
    positionen.open();
    positionen.append();
    positionen.fieldByName(QStringLiteral("BelegNr")).setAsInteger(3);
    positionen.fieldByName(QStringLiteral("Pos")).setAsInteger(1);
    positionen.post();
    EXPECT_EQ(positionen.fieldByName(QStringLiteral("LfdNr")).asInteger(), 4);
}

// Changing a field's type converts what it holds: text becomes a number
// where it reads as one (German or plain), otherwise null; alpha is cut.
TEST_P(RestructureTest, ChangedTypeConvertsValues)
{
    struct Case
    {
        FieldDef from;
        QVariant stored;
        FieldDef to;
        QVariant expected;   // invalid: null
    };
    const FieldDef alpha{QStringLiteral("Wert"), FieldType::Alpha, 20};
    const QList<Case> cases = {
        {alpha, QStringLiteral("12"), {QStringLiteral("Wert"), FieldType::Long}, 12},
        {alpha, QStringLiteral("1,5"), {QStringLiteral("Wert"), FieldType::Number}, 1.5},
        {alpha, QStringLiteral("1.5"), {QStringLiteral("Wert"), FieldType::Number}, 1.5},
        {alpha, QStringLiteral("1.234,50"), {QStringLiteral("Wert"), FieldType::Money}, 1234.5},
        {alpha, QStringLiteral("zwölf"), {QStringLiteral("Wert"), FieldType::Number}, QVariant()},
        {alpha, QStringLiteral("Schraubenzieher"), {QStringLiteral("Wert"), FieldType::Alpha, 5}, QStringLiteral("Schra")},
        {alpha, QStringLiteral("05.03.2024"), {QStringLiteral("Wert"), FieldType::Date}, QDate(2024, 3, 5)},
        {alpha, QStringLiteral("31.02.2024"), {QStringLiteral("Wert"), FieldType::Date}, QVariant()},
        {alpha, QStringLiteral("ja"), {QStringLiteral("Wert"), FieldType::Logical}, true},
        {{QStringLiteral("Wert"), FieldType::Memo}, QStringLiteral("Ein langer Text"),
         {QStringLiteral("Wert"), FieldType::Alpha, 8}, QStringLiteral("Ein lang")},
        {{QStringLiteral("Wert"), FieldType::Number}, 3.75, {QStringLiteral("Wert"), FieldType::Alpha, 10}, QStringLiteral("3,75")},
        {{QStringLiteral("Wert"), FieldType::Number}, 2.6, {QStringLiteral("Wert"), FieldType::Long}, 3},
        {{QStringLiteral("Wert"), FieldType::Number}, 2.345, {QStringLiteral("Wert"), FieldType::BCD, 0, 1}, 2.3},
        {{QStringLiteral("Wert"), FieldType::Long}, 40000, {QStringLiteral("Wert"), FieldType::Short}, QVariant()},
        {{QStringLiteral("Wert"), FieldType::Long}, -1234, {QStringLiteral("Wert"), FieldType::Short}, -1234},
        {{QStringLiteral("Wert"), FieldType::Short}, 7, {QStringLiteral("Wert"), FieldType::Long}, 7},
        {{QStringLiteral("Wert"), FieldType::Logical}, true, {QStringLiteral("Wert"), FieldType::Alpha, 10}, QStringLiteral("True")},
        {{QStringLiteral("Wert"), FieldType::Date}, QDate(2024, 3, 5), {QStringLiteral("Wert"), FieldType::Timestamp},
         QDateTime(QDate(2024, 3, 5), QTime(0, 0))},
        {{QStringLiteral("Wert"), FieldType::Timestamp}, QDateTime(QDate(2024, 3, 5), QTime(14, 5)),
         {QStringLiteral("Wert"), FieldType::Date}, QDate(2024, 3, 5)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(QStringLiteral("%1 -> type %2").arg(c.stored.toString()).arg(int(c.to.type)).toStdString());
        if (database().tableExists(QStringLiteral("Werte")))
            database().dropTable(QStringLiteral("Werte"));
        TableDef def;
        def.name = QStringLiteral("Werte");
        def.fields = {{QStringLiteral("Nr"), FieldType::Long}, c.from};
        def.primaryKey = {QStringLiteral("Nr")};
        database().createTable(def);
        {
            Table werte(database(), QStringLiteral("Werte"));
            werte.open();
            werte.append();
            werte.fieldByName(QStringLiteral("Nr")).setAsInteger(1);
            werte.fieldByName(QStringLiteral("Wert")).setValue(c.stored);
            werte.post();
        }
        alterField(database(), QStringLiteral("Werte"), QStringLiteral("wert"), c.to);

        const FieldDef stored = storedLayout(QStringLiteral("Werte")).fields[1];
        EXPECT_EQ(stored.type, c.to.type);
        const QVariant converted = value(QStringLiteral("Werte"), {1}, QStringLiteral("Wert"));
        if (!c.expected.isValid())
            EXPECT_FALSE(converted.isValid()) << converted.toString().toStdString();
        else if (c.expected.typeId() == QMetaType::Double)
            EXPECT_NEAR(converted.toDouble(), c.expected.toDouble(), 1e-9);
        else
            EXPECT_EQ(converted, c.expected) << converted.toString().toStdString();
    }
}

TEST_P(RestructureTest, DroppedFieldTakesItsIndexesAlongButNeverTheKey)
{
    fillBelege(20);
    dropField(database(), QStringLiteral("Belege"), QStringLiteral("NAME"));
    const TableDef def = storedLayout(QStringLiteral("Belege"));
    EXPECT_EQ(def.fieldIndex(QStringLiteral("Name")), -1);
    EXPECT_TRUE(def.indexes.isEmpty());
    EXPECT_EQ(count(QStringLiteral("Belege")), 20);
    EXPECT_EQ(value(QStringLiteral("Belege"), {20}, QStringLiteral("Menge")).toDouble(), 20.0);

    EXPECT_THROW(dropField(database(), QStringLiteral("Belege"), QStringLiteral("BelegNr")), DatabaseError);
    EXPECT_THROW(dropField(database(), QStringLiteral("Belege"), QStringLiteral("Gibtsnicht")), DatabaseError);
    EXPECT_EQ(describe(storedLayout(QStringLiteral("Belege"))), describe(def));
}

TEST_P(RestructureTest, RenamedFieldKeepsValuesKeyAndIndexes)
{
    fillBelege(10);
    renameField(database(), QStringLiteral("Belege"), QStringLiteral("name"), QStringLiteral("Kunde"));
    renameField(database(), QStringLiteral("Belege"), QStringLiteral("BelegNr"), QStringLiteral("Nr"));
    // Only the spelling changes.
    renameField(database(), QStringLiteral("Belege"), QStringLiteral("Betrag"), QStringLiteral("BETRAG"));

    const TableDef def = storedLayout(QStringLiteral("Belege"));
    EXPECT_EQ(def.primaryKey, QStringList{QStringLiteral("Nr")});
    ASSERT_EQ(def.indexes.size(), 1);
    EXPECT_EQ(def.indexes[0].fields, QStringList{QStringLiteral("Kunde")});
    EXPECT_EQ(def.fields[3].name, QStringLiteral("BETRAG"));
    EXPECT_EQ(value(QStringLiteral("Belege"), {4}, QStringLiteral("Kunde")).toString(), QStringLiteral("Beleg 4"));

    EXPECT_THROW(renameField(database(), QStringLiteral("Belege"), QStringLiteral("Kunde"), QStringLiteral("menge")),
                 DatabaseError);
    EXPECT_EQ(describe(storedLayout(QStringLiteral("Belege"))), describe(def));
}

TEST_P(RestructureTest, IndexesComeAndGoAndAUniqueOneMustFitTheData)
{
    fillBelege(10);
    database().execute(QStringLiteral("UPDATE \"Belege\" SET \"Name\" = 'Doppelt' WHERE \"BelegNr\" IN (3, 4)"));
    const std::string before = describe(storedLayout(QStringLiteral("Belege")));
    EXPECT_THROW(createIndex(database(), QStringLiteral("Belege"), uniqueIndex(QStringLiteral("uName"), {QStringLiteral("Name")})),
                 DatabaseError);
    EXPECT_THROW(createIndex(database(), QStringLiteral("Belege"), uniqueIndex(QStringLiteral("uFehlt"), {QStringLiteral("Fehlt")})),
                 DatabaseError);
    EXPECT_THROW(createIndex(database(), QStringLiteral("Belege"), uniqueIndex(QStringLiteral("INAME"), {QStringLiteral("Menge")})),
                 DatabaseError);
    EXPECT_EQ(describe(storedLayout(QStringLiteral("Belege"))), before);

    IndexDef byAmount;
    byAmount.name = QStringLiteral("iBetrag");
    byAmount.fields = {QStringLiteral("Betrag")};
    byAmount.descending = true;
    createIndex(database(), QStringLiteral("Belege"), byAmount);
    {
        Table belege(database(), QStringLiteral("Belege"));
        belege.setIndexName(QStringLiteral("iBetrag"));
        belege.open();
        EXPECT_EQ(belege.fieldByName(QStringLiteral("BelegNr")).asInteger(), 10);
    }
    dropIndex(database(), QStringLiteral("Belege"), QStringLiteral("IBETRAG"));
    EXPECT_EQ(describe(storedLayout(QStringLiteral("Belege"))), before);
    EXPECT_THROW(dropIndex(database(), QStringLiteral("Belege"), QStringLiteral("iBetrag")), DatabaseError);
}

TEST_P(RestructureTest, GeneralRestructureRenamesConvertsAndReorders)
{
    fillBelege(30);
    TableDef layout;
    layout.fields = {
        {QStringLiteral("Kunde"), FieldType::Alpha, 6},
        {QStringLiteral("BelegNr"), FieldType::Long},
        {QStringLiteral("Menge"), FieldType::Long},
        {QStringLiteral("Termin"), FieldType::Date},
    };
    layout.primaryKey = {QStringLiteral("BelegNr")};
    IndexDef byCustomer;
    byCustomer.name = QStringLiteral("iKunde");
    byCustomer.fields = {QStringLiteral("Kunde")};
    layout.indexes = {byCustomer};
    restructure(database(), QStringLiteral("Belege"), layout, {{QStringLiteral("kunde"), QStringLiteral("Name")}});

    TableDef expected = layout;
    expected.name = QStringLiteral("Belege");
    EXPECT_EQ(describe(storedLayout(QStringLiteral("Belege"))), describe(expected));
    EXPECT_EQ(count(QStringLiteral("Belege")), 30);
    EXPECT_EQ(value(QStringLiteral("Belege"), {17}, QStringLiteral("Kunde")).toString(), QStringLiteral("Beleg "));
    EXPECT_EQ(value(QStringLiteral("Belege"), {17}, QStringLiteral("Menge")).toInt(), 17);
    EXPECT_FALSE(value(QStringLiteral("Belege"), {17}, QStringLiteral("Termin")).isValid());

    EXPECT_THROW(restructure(database(), QStringLiteral("Belege"), layout, {{QStringLiteral("Kunde"), QStringLiteral("Fehlt")}}),
                 DatabaseError);
}

TEST_P(RestructureTest, TableWithoutKeyKeepsItsRecordOrder)
{
    TableDef notes;
    notes.name = QStringLiteral("Notizen");
    notes.fields = {{QStringLiteral("Text"), FieldType::Alpha, 20}};
    database().createTable(notes);
    for (const char *text : {"drei", "eins", "zwei"})
        database().execute(QStringLiteral("INSERT INTO \"Notizen\" (\"Text\") VALUES (?)"), {QString::fromLatin1(text)});
    addField(database(), QStringLiteral("Notizen"), {QStringLiteral("Nr"), FieldType::Long}, 0);

    Table cursor(database(), QStringLiteral("Notizen"));
    cursor.open();
    QStringList order;
    for (cursor.first(); !cursor.eof(); cursor.next())
        order << cursor.fieldByName(QStringLiteral("Text")).asString();
    EXPECT_EQ(order, (QStringList{QStringLiteral("drei"), QStringLiteral("eins"), QStringLiteral("zwei")}));
    cursor.append();
    cursor.fieldByName(QStringLiteral("Text")).setAsString(QStringLiteral("vier"));
    cursor.post();
    cursor.last();
    EXPECT_EQ(cursor.fieldByName(QStringLiteral("Text")).asString(), QStringLiteral("vier"));
}

TEST_P(RestructureTest, NeedsTheTableToItself)
{
    fillBelege(5);
    auto workstation = secondConnection();
    {
        Table theirs(*workstation, QStringLiteral("Belege"));
        theirs.open();
        try {
            addField(database(), QStringLiteral("Belege"), {QStringLiteral("Neu"), FieldType::Long});
            FAIL() << "restructured a table open at another workstation";
        } catch (const LockError &error) {
            EXPECT_EQ(error.message(), QStringLiteral("Die Tabelle Belege ist an einem anderen Arbeitsplatz geöffnet."));
        }
    }
    EXPECT_EQ(storedLayout(QStringLiteral("Belege")).fields.size(), 6);

    // The caller's own exclusive cursor is no obstacle; nobody else can get in meanwhile.
    Table mine(database(), QStringLiteral("Belege"));
    mine.setExclusive(true);
    mine.open();
    addField(database(), QStringLiteral("Belege"), {QStringLiteral("Neu"), FieldType::Long});
    EXPECT_TRUE(database().locks().holdsTableExclusively(QStringLiteral("Belege")));
    EXPECT_EQ(storedLayout(QStringLiteral("Belege")).fields.size(), 7);
}

// The update runs while the program has other tables open.
TEST_P(RestructureTest, CursorsOnOtherTablesAreNoObstacle)
{
    fillBelege(10);
    database().createTable(positionenDef());
    for (int pos = 1; pos <= 300; ++pos)
        database().execute(QStringLiteral("INSERT INTO \"Positionen\" (\"BelegNr\", \"Pos\") VALUES (1, ?)"), {pos});
    Table positionen(database(), QStringLiteral("Positionen"));
    positionen.open();
    positionen.moveBy(150);

    alterField(database(), QStringLiteral("Belege"), QStringLiteral("Name"), {QStringLiteral("Name"), FieldType::Alpha, 12});
    EXPECT_EQ(storedLayout(QStringLiteral("Belege")).fields[2].size, 12);
    positionen.moveBy(100);
    EXPECT_EQ(positionen.fieldByName(QStringLiteral("Pos")).asInteger(), 251);
}

// A change that fails part-way leaves every field and record as it was, both
// when the store copies the records and when each value is converted here.
TEST_P(RestructureTest, FailureHalfWayLeavesTableAsItWas)
{
    const int rows = 100000;
    fillBelege(rows);
    const Snapshot before = snapshotOfBelege(rows);
    ASSERT_EQ(before.rows, rows);

    // Names cut to four characters collide in the new unique index.
    TableDef cut = database().tableDef(QStringLiteral("Belege"));
    cut.fields[cut.fieldIndex(QStringLiteral("Name"))].size = 4;
    cut.indexes = {uniqueIndex(QStringLiteral("uName"), {QStringLiteral("Name")})};
    EXPECT_THROW(restructure(database(), QStringLiteral("Belege"), cut), DatabaseError);
    EXPECT_EQ(snapshotOfBelege(rows), before);

    // Menge above 32767 does not fit a Short: null, which a required field
    // refuses once the copy has come that far.
    FieldDef small{QStringLiteral("Menge"), FieldType::Short};
    small.required = true;
    EXPECT_THROW(alterField(database(), QStringLiteral("Belege"), QStringLiteral("Menge"), small), DatabaseError);
    EXPECT_EQ(snapshotOfBelege(rows), before);

    // And one that succeeds keeps every record.
    alterField(database(), QStringLiteral("Belege"), QStringLiteral("Menge"), {QStringLiteral("Menge"), FieldType::Long});
    EXPECT_EQ(count(QStringLiteral("Belege")), rows);
    EXPECT_EQ(Query::scalar(database(), QStringLiteral("SELECT SUM(\"Menge\") FROM \"Belege\"")).toLongLong(),
              qint64(rows) * (rows + 1) / 2);
}

RAZAZU_STORE_TESTS(RestructureTest);
