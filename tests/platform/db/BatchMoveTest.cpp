#include "StoreFixture.h"

#include "platform/db/BatchMove.h"
#include "platform/db/Query.h"
#include "platform/db/Restructure.h"

using namespace db;

namespace {

// Archiv: a narrower relative of Belege: fewer fields, a shorter name, the
// amount as text.
TableDef archivDef()
{
    TableDef def;
    def.name = QStringLiteral("Archiv");
    def.fields = {
        {QStringLiteral("BELEGNR"), FieldType::Long},
        {QStringLiteral("Name"), FieldType::Alpha, 5},
        {QStringLiteral("Betrag"), FieldType::Alpha, 12},
        {QStringLiteral("Notiz"), FieldType::Alpha, 20},
    };
    def.primaryKey = {QStringLiteral("BelegNr")};
    return def;
}

} // namespace

class BatchMoveTest : public StoreTest
{
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        if (IsSkipped())
            return;
        database().createTable(belegeDef());
        for (int nr = 1; nr <= 5; ++nr)
            insertBeleg(nr, QStringLiteral("Kunde %1").arg(nr), nr * 10.5);
    }

    int count(Database &store, const QString &table)
    {
        return Query::scalar(store, QStringLiteral("SELECT COUNT(*) FROM %1").arg(store.quote(table))).toInt();
    }

    // "nr=text" for each record of the table in key order, one field.
    QStringList contents(Database &store, const QString &table, const QString &field)
    {
        Table cursor(store, table);
        cursor.open();
        QStringList result;
        for (cursor.first(); !cursor.eof(); cursor.next())
            result << QStringLiteral("%1=%2").arg(cursor.field(0).asString(), cursor.fieldByName(field).asString());
        return result;
    }

    void createArchiv(const QList<std::pair<int, QString>> &rows)
    {
        database().createTable(archivDef());
        for (const auto &[nr, notiz] : rows)
            database().execute(QStringLiteral("INSERT INTO \"Archiv\" (\"BELEGNR\", \"Notiz\") VALUES (?, ?)"), {nr, notiz});
    }
};

TEST_P(BatchMoveTest, CopyReplacesDestinationWithSourceLayoutAndRows)
{
    createArchiv({{99, QStringLiteral("alt")}});
    Table belege(database(), QStringLiteral("Belege"));
    belege.open();
    EXPECT_EQ(batchMove(belege, database(), QStringLiteral("Archiv.DB"), BatchMode::Copy), 5);

    const TableDef copied = secondConnection()->tableDef(QStringLiteral("Archiv"));
    const TableDef source = belegeDef();
    ASSERT_EQ(copied.fields.size(), source.fields.size());
    for (int i = 0; i < source.fields.size(); ++i) {
        EXPECT_EQ(copied.fields[i].name, source.fields[i].name);
        EXPECT_EQ(copied.fields[i].type, source.fields[i].type);
    }
    EXPECT_EQ(copied.primaryKey, source.primaryKey);
    ASSERT_EQ(copied.indexes.size(), 1);
    EXPECT_EQ(copied.indexes[0].name, QStringLiteral("iName"));
    EXPECT_EQ(contents(database(), QStringLiteral("Archiv"), QStringLiteral("Betrag")),
              (QStringList{QStringLiteral("1=10,5"), QStringLiteral("2=21"), QStringLiteral("3=31,5"),
                           QStringLiteral("4=42"), QStringLiteral("5=52,5")}));
}

TEST_P(BatchMoveTest, CopyToAnotherAliasTakesOnlyTheRecordsTheCursorShows)
{
    TempFolder otherFolder;
    prepareFolder(otherFolder.path(), QStringLiteral("Export"));
    Database exportStore(QStringLiteral("Export"));
    exportStore.setPath(otherFolder.path());
    exportStore.open();

    Table belege(database(), QStringLiteral("Belege"));
    belege.setFilter(QStringLiteral("BelegNr >= 2"));
    belege.setFiltered(true);
    belege.open();
    belege.setRange({1}, {4});
    ASSERT_TRUE(belege.findKey({3}));

    EXPECT_EQ(batchMove(belege, exportStore, QStringLiteral("Belege"), BatchMode::Copy), 3);
    EXPECT_EQ(contents(exportStore, QStringLiteral("Belege"), QStringLiteral("Name")),
              (QStringList{QStringLiteral("2=Kunde 2"), QStringLiteral("3=Kunde 3"), QStringLiteral("4=Kunde 4")}));
    // The source cursor is back where it was.
    EXPECT_EQ(belege.fieldByName(QStringLiteral("BelegNr")).asInteger(), 3);
}

// Fields go by name whatever their case; values are converted and cut to
// the destination's fields.
TEST_P(BatchMoveTest, AppendConvertsByNameAndFailsAsAWhole)
{
    createArchiv({});
    Table belege(database(), QStringLiteral("Belege"));
    belege.open();
    EXPECT_EQ(batchMove(belege, database(), QStringLiteral("Archiv"), BatchMode::Append), 5);
    EXPECT_EQ(contents(database(), QStringLiteral("Archiv"), QStringLiteral("Name")).first(), QStringLiteral("1=Kunde"));
    EXPECT_EQ(contents(database(), QStringLiteral("Archiv"), QStringLiteral("Betrag")).first(), QStringLiteral("1=10,5"));

    // Record 6 is new, 1..5 are there already: nothing may be appended.
    insertBeleg(6, QStringLiteral("Kunde 6"));
    EXPECT_THROW(batchMove(belege, database(), QStringLiteral("Archiv"), BatchMode::Append), DatabaseError);
    EXPECT_EQ(count(database(), QStringLiteral("Archiv")), 5);
}

// Each value arrives as the destination's field would take it: cut, made
// null where it does not fit, whether the store's value can be taken as it
// is or must be converted.
TEST_P(BatchMoveTest, AppendTakesEachValueAsTheFieldWould)
{
    TableDef quelle;
    quelle.name = QStringLiteral("Quelle");
    quelle.fields = {{QStringLiteral("Nr"), FieldType::Long},      {QStringLiteral("Kurz"), FieldType::Alpha, 10},
                     {QStringLiteral("Text"), FieldType::Alpha, 10}, {QStringLiteral("Klein"), FieldType::Long},
                     {QStringLiteral("Betrag"), FieldType::Money},  {QStringLiteral("Datum"), FieldType::Date},
                     {QStringLiteral("Aktiv"), FieldType::Logical}, {QStringLiteral("Daten"), FieldType::Blob}};
    quelle.primaryKey = {QStringLiteral("Nr")};
    TableDef ziel = quelle;
    ziel.name = QStringLiteral("Ziel");
    ziel.fields[1].size = 4;
    ziel.fields[2].type = FieldType::Memo;
    ziel.fields[3].type = FieldType::Short;
    ziel.fields[4].type = FieldType::Number;
    database().createTable(quelle);
    database().createTable(ziel);
    const QByteArray bytes("\x00\x01\xff", 3);
    const QString insert = QStringLiteral("INSERT INTO \"Quelle\" VALUES (?, ?, ?, ?, ?, ?, ?, ?)");
    database().execute(insert, {1, QStringLiteral("Müll"), QStringLiteral("Zeile"), 40000, 12, QDate(2024, 2, 29),
                                true, bytes});
    database().execute(insert, {2, QStringLiteral("Schmidt"), QVariant(), -5, 0.25, QVariant(), false, QVariant()});
    database().execute(insert, {3, QStringLiteral("Abc"), QStringLiteral("Öl"), 32767, -1e6, QDate(1999, 12, 31),
                                QVariant(), QByteArray()});
    if (!onPostgres()) {
        // What other programs may have left in the store's columns.
        database().execute(QStringLiteral("INSERT INTO \"Quelle\" (\"Nr\", \"Klein\", \"Datum\", \"Aktiv\") "
                                          "VALUES (4, 'abc', '2024-2-5', 7)"));
    }
    Table source(database(), QStringLiteral("Quelle"));
    EXPECT_EQ(batchMove(source, database(), QStringLiteral("Ziel"), BatchMode::Append), onPostgres() ? 3 : 4);

    const QStringList expected[] = {
        {"1", "Müll", "Zeile", "", "12", "29.02.2024", "True"},
        {"2", "Schm", "", "-5", "0,25", "", "False"},
        {"3", "Abc", "Öl", "32767", "-1000000", "31.12.1999", ""},
        {"4", "", "", "", "", "", "True"},
    };
    Table result(database(), QStringLiteral("Ziel"));
    result.open();
    for (const QStringList &row : expected) {
        if (result.eof())
            break;
        QStringList texts;
        for (int i = 0; i < 7; ++i)
            texts << result.field(i).asString();
        EXPECT_EQ(texts, row);
        EXPECT_EQ(result.field(7).asBytes(), row.first() == QLatin1String("1") ? bytes : QByteArray()) << row.first().toStdString();
        EXPECT_EQ(result.field(3).isNull(), row[3].isEmpty());
        result.next();
    }
}

// The same for rows handed over one at a time, as a file reader streams
// them: texts read in the field's type, typed values taken or converted.
TEST_P(BatchMoveTest, StreamedRowsTakeEachValueAsTheFieldWould)
{
    TableDef ziel;
    ziel.name = QStringLiteral("Ziel");
    ziel.fields = {{QStringLiteral("Nr"), FieldType::Long},     {QStringLiteral("Kurz"), FieldType::Alpha, 4},
                   {QStringLiteral("Klein"), FieldType::Short}, {QStringLiteral("Betrag"), FieldType::Number},
                   {QStringLiteral("Datum"), FieldType::Date},  {QStringLiteral("Notiz"), FieldType::Memo}};
    ziel.primaryKey = {QStringLiteral("Nr")};
    database().createTable(ziel);
    TableDef texte = ziel;
    for (FieldDef &field : texte.fields)
        field = {field.name, FieldType::Alpha, 40};
    TableDef typen = ziel;
    typen.fields[1].size = 10;
    typen.fields[2].type = FieldType::Long;
    typen.fields[3].type = FieldType::Money;

    struct Case
    {
        const TableDef *source;
        BatchMode mode;
        QVariantList values;
        QString expected;   // the fields as text, "|" between
    };
    const Case cases[] = {
        {&texte, BatchMode::AppendUpdate, {"1", "Müller", "12", "1.234,5", "29.02.2024", "Zeile"},
         "1|Müll|12|1234,5|29.02.2024|Zeile"},
        {&texte, BatchMode::AppendUpdate, {"002", "", "-7", "-0,75", "", ""}, "2||-7|-0,75||"},
        {&texte, BatchMode::AppendUpdate, {"3", "Abc", "40000", "1.5", "31.02.2024", "x"}, "3|Abc||1,5||x"},
        {&texte, BatchMode::AppendUpdate, {"4", "Öl", "1,5", "abc", "1.1.2024"}, "4|Öl|2||01.01.2024|"},
        {&typen, BatchMode::Append, {5, "Schmidt", 40000, 0.25, QDate(2024, 3, 5), "Notiz"},
         "5|Schm||0,25|05.03.2024|Notiz"},
        {&typen, BatchMode::Append, {6, QVariant(), -5, qInf(), QDate(), QString()}, "6||-5|||"},
        {&typen, BatchMode::Append, {7, "Kurz", 32767, -1e6, QVariant(), "ä"}, "7|Kurz|32767|-1000000||ä"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.expected.toStdString());
        bool sent = false;
        const int moved = batchMove(
            *c.source,
            [&](QVariantList &row) {
                row = c.values;
                return !std::exchange(sent, true);
            },
            database(), QStringLiteral("Ziel"), c.mode);
        EXPECT_EQ(moved, 1);
        Table result(database(), QStringLiteral("Ziel"));
        result.open();
        ASSERT_TRUE(result.findKey({c.expected.section(u'|', 0, 0).toInt()}));
        QStringList texts;
        for (int i = 0; i < result.fieldCount(); ++i)
            texts << result.field(i).asString();
        EXPECT_EQ(texts.join(u'|'), c.expected);
        EXPECT_EQ(result.field(2).isNull(), c.expected.section(u'|', 2, 2).isEmpty());
    }
}

// PostgreSQL keeps prepared statements on the server until they are freed,
// which a failed transaction refuses until it is rolled back.
TEST_P(BatchMoveTest, FailedBulkWritesLeaveNoStatementsOnTheServer)
{
    if (!onPostgres())
        GTEST_SKIP() << "SQLite keeps its statements in the process";
    auto prepared = [&] {
        return Query::scalar(database(), QStringLiteral("SELECT COUNT(*) FROM pg_prepared_statements")).toInt();
    };
    createArchiv({{3, QStringLiteral("alt")}});
    FieldDef required{QStringLiteral("Menge"), FieldType::Short};
    required.required = true;
    const std::pair<const char *, std::function<void()>> writes[] = {
        {"append onto an existing key",
         [&] {
             Table belege(database(), QStringLiteral("Belege"));
             batchMove(belege, database(), QStringLiteral("Archiv"), BatchMode::Append);
         }},
        {"restructure into a required field left empty",
         [&] { alterField(database(), QStringLiteral("Belege"), QStringLiteral("Menge"), required); }},
    };
    for (const auto &[what, write] : writes) {
        const int before = prepared();
        EXPECT_THROW(write(), DatabaseError) << what;
        EXPECT_EQ(prepared(), before) << what;
    }
}

// Reading the source and writing the destination take turns on one
// connection, far past the cursor's first portion of rows.
TEST_P(BatchMoveTest, MovesMoreRecordsThanTheCursorReadsAtOnce)
{
    database().execute(QStringLiteral("INSERT INTO \"Belege\" (\"BelegNr\", \"Name\")"
                                      " WITH RECURSIVE n(i) AS (SELECT 6 UNION ALL SELECT i + 1 FROM n WHERE i < 3000)"
                                      " SELECT i, 'Kunde ' || i FROM n"));
    createArchiv({});
    Table belege(database(), QStringLiteral("Belege"));
    belege.open();
    EXPECT_EQ(batchMove(belege, database(), QStringLiteral("Archiv"), BatchMode::Append), 3000);
    EXPECT_EQ(count(database(), QStringLiteral("Archiv")), 3000);
    EXPECT_EQ(Query::scalar(database(), QStringLiteral("SELECT SUM(\"BELEGNR\") FROM \"Archiv\"")).toLongLong(),
              3000LL * 3001 / 2);
}

TEST_P(BatchMoveTest, UpdateAppendUpdateAndDeleteGoByKey)
{
    struct Case
    {
        BatchMode mode;
        int moved;
        QStringList notes;       // Archiv afterwards: BelegNr=Notiz
        QStringList names;       // Archiv afterwards: BelegNr=Name
    };
    const QList<Case> cases = {
        {BatchMode::Update, 2,
         {QStringLiteral("2=zwei"), QStringLiteral("4=vier"), QStringLiteral("9=neun")},
         {QStringLiteral("2=Kunde"), QStringLiteral("4=Kunde"), QStringLiteral("9=")}},
        {BatchMode::AppendUpdate, 5,
         {QStringLiteral("1="), QStringLiteral("2=zwei"), QStringLiteral("3="), QStringLiteral("4=vier"),
          QStringLiteral("5="), QStringLiteral("9=neun")},
         {QStringLiteral("1=Kunde"), QStringLiteral("2=Kunde"), QStringLiteral("3=Kunde"), QStringLiteral("4=Kunde"),
          QStringLiteral("5=Kunde"), QStringLiteral("9=")}},
        {BatchMode::Delete, 2, {QStringLiteral("9=neun")}, {QStringLiteral("9=")}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(int(c.mode));
        if (database().tableExists(QStringLiteral("Archiv")))
            database().dropTable(QStringLiteral("Archiv"));
        createArchiv({{2, QStringLiteral("zwei")}, {4, QStringLiteral("vier")}, {9, QStringLiteral("neun")}});
        Table belege(database(), QStringLiteral("Belege"));
        belege.open();
        EXPECT_EQ(batchMove(belege, database(), QStringLiteral("Archiv"), c.mode), c.moved);
        EXPECT_EQ(contents(database(), QStringLiteral("Archiv"), QStringLiteral("Notiz")), c.notes);
        EXPECT_EQ(contents(database(), QStringLiteral("Archiv"), QStringLiteral("Name")), c.names);
    }
}

// Streamed rows update or insert by a key of several fields; a key the
// store numbers itself is looked up, and a row not found gets the store's
// next number rather than its own.
TEST_P(BatchMoveTest, AppendUpdateGoesByTheWholeKeyAndKeepsStoreNumbers)
{
    struct Case
    {
        TableDef def;
        QList<QVariantList> before;   // a shorter row leaves out the first fields
        QList<QVariantList> rows;
        QStringList after;       // first field=Text, in key order
    };
    TableDef nummern;
    nummern.name = QStringLiteral("Nummern");
    nummern.fields = {{QStringLiteral("Nr"), FieldType::AutoInc}, {QStringLiteral("Text"), FieldType::Alpha, 20}};
    nummern.primaryKey = {QStringLiteral("Nr")};
    const QList<Case> cases = {
        {positionenDef(),
         {{1, 1, QStringLiteral("alt")}, {1, 2, QStringLiteral("bleibt")}, {2, 1, QStringLiteral("alt")}},
         {{1, 1, QStringLiteral("neu")}, {2, 2, QStringLiteral("dazu")}, {2, 1, QStringLiteral("erst")},
          {2, 1, QStringLiteral("zuletzt")}},
         {QStringLiteral("1=neu"), QStringLiteral("1=bleibt"), QStringLiteral("2=zuletzt"), QStringLiteral("2=dazu")}},
        {nummern,
         {{QStringLiteral("eins")}, {QStringLiteral("zwei")}},
         {{2, QStringLiteral("Zwei")}, {50, QStringLiteral("fuenfzig")}},
         {QStringLiteral("1=eins"), QStringLiteral("2=Zwei"), QStringLiteral("3=fuenfzig")}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.def.name.toStdString());
        database().createTable(c.def);
        {
            Table table(database(), c.def.name);
            table.open();
            for (const QVariantList &row : c.before) {
                table.append();
                // The last fields of the layout, as many as the row has.
                for (qsizetype i = 0; i < row.size(); ++i)
                    table.field(int(c.def.fields.size() - row.size() + i)).setValue(row[i]);
                table.post();
            }
        }
        qsizetype next = 0;
        EXPECT_EQ(batchMove(c.def,
                            [&](QVariantList &row) {
                                if (next >= c.rows.size())
                                    return false;
                                row = c.rows[next++];
                                return true;
                            },
                            database(), c.def.name, BatchMode::AppendUpdate),
                  c.rows.size());
        EXPECT_EQ(contents(database(), c.def.name, QStringLiteral("Text")), c.after);
    }
}

TEST_P(BatchMoveTest, RefusesWhatWouldLoseOrOverwriteOthersWork)
{
    createArchiv({{2, QStringLiteral("zwei")}});
    auto workstation = secondConnection();
    Table belege(database(), QStringLiteral("Belege"));
    belege.open();

    // A record in edit elsewhere is not overwritten behind the clerk's back.
    Table theirs(*workstation, QStringLiteral("Archiv"));
    theirs.open();
    ASSERT_TRUE(theirs.findKey({2}));
    theirs.edit();
    try {
        batchMove(belege, database(), QStringLiteral("Archiv"), BatchMode::AppendUpdate);
        FAIL() << "overwrote a record in edit";
    } catch (const LockError &error) {
        EXPECT_EQ(error.message(),
                  QStringLiteral("In der Tabelle Archiv werden gerade an einem anderen Arbeitsplatz Datensätze bearbeitet."));
    }
    EXPECT_EQ(count(database(), QStringLiteral("Archiv")), 1);
    // Nor is a table replaced while it is open elsewhere.
    EXPECT_THROW(batchMove(belege, database(), QStringLiteral("Archiv"), BatchMode::Copy), LockError);
    theirs.cancel();
    theirs.close();
    EXPECT_EQ(contents(database(), QStringLiteral("Archiv"), QStringLiteral("Notiz")), QStringList{QStringLiteral("2=zwei")});

    // A copy onto the source itself would drop what it reads.
    EXPECT_THROW(batchMove(belege, database(), QStringLiteral("BELEGE"), BatchMode::Copy), DatabaseError);
    EXPECT_EQ(count(database(), QStringLiteral("Belege")), 5);
    // Keyed modes need the destination's key among the source's fields.
    TableDef keyless = archivDef();
    keyless.name = QStringLiteral("Ohne");
    keyless.primaryKey = {QStringLiteral("Notiz")};
    database().createTable(keyless);
    EXPECT_THROW(batchMove(belege, database(), QStringLiteral("Ohne"), BatchMode::Update), DatabaseError);
    EXPECT_THROW(batchMove(belege, database(), QStringLiteral("Fehlt"), BatchMode::Append), DatabaseError);
}

RAZAZU_STORE_TESTS(BatchMoveTest);
