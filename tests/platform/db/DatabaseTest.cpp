#include "StoreFixture.h"

#include "platform/db/Query.h"
#include "platform/db/Schema.h"

#include <QDir>
#include <QFile>
#include <sqlite3.h>

using namespace db;

namespace {

TableDef everyTypeDef()
{
    TableDef def;
    def.name = QStringLiteral("Alles");
    def.fields = {
        {QStringLiteral("Nr"), FieldType::AutoInc},
        {QStringLiteral("Text"), FieldType::Alpha, 12},
        {QStringLiteral("Zahl"), FieldType::Number},
        {QStringLiteral("Geld"), FieldType::Money},
        {QStringLiteral("Klein"), FieldType::Short},
        {QStringLiteral("Lang"), FieldType::Long, 0, 0, true},
        {QStringLiteral("Ja"), FieldType::Logical},
        {QStringLiteral("Tag"), FieldType::Date},
        {QStringLiteral("Uhr"), FieldType::Time},
        {QStringLiteral("Zeitpunkt"), FieldType::Timestamp},
        {QStringLiteral("Notiz"), FieldType::Memo},
        {QStringLiteral("Daten"), FieldType::Blob},
        {QStringLiteral("Dezimal"), FieldType::BCD, 0, 3},
    };
    def.primaryKey = {QStringLiteral("Nr")};
    def.indexes = {{QStringLiteral("iText"), {QStringLiteral("Text"), QStringLiteral("Lang")}, false, true, false},
                   {QStringLiteral("uLang"), {QStringLiteral("Lang")}, true, false, false}};
    return def;
}

} // namespace

class DatabaseTest : public StoreTest
{
};

TEST_P(DatabaseTest, LayoutOfTableCreatedAtRunTimeReadsBackFromStore)
{
    database().createTable(everyTypeDef());
    // A fresh connection has nothing cached: everything comes from the store.
    auto other = secondConnection();
    const TableDef def = other->tableDef(QStringLiteral("alles.db"));
    const TableDef expected = everyTypeDef();
    EXPECT_EQ(def.name, QStringLiteral("Alles"));
    ASSERT_EQ(def.fields.size(), expected.fields.size());
    for (int i = 0; i < def.fields.size(); ++i) {
        SCOPED_TRACE(expected.fields[i].name.toStdString());
        EXPECT_EQ(def.fields[i].name, expected.fields[i].name);
        EXPECT_EQ(def.fields[i].type, expected.fields[i].type);
        if (expected.fields[i].type == FieldType::Alpha) {
            EXPECT_EQ(def.fields[i].size, expected.fields[i].size);
        }
        if (expected.fields[i].type == FieldType::BCD) {
            EXPECT_EQ(def.fields[i].precision, 3);
        }
    }
    EXPECT_TRUE(def.fields[5].required);
    EXPECT_EQ(def.primaryKey, QStringList{QStringLiteral("Nr")});
    ASSERT_EQ(def.indexes.size(), 2);
    const IndexDef &text = def.indexes[0].name == QLatin1String("iText") ? def.indexes[0] : def.indexes[1];
    const IndexDef &unique = def.indexes[0].name == QLatin1String("iText") ? def.indexes[1] : def.indexes[0];
    EXPECT_EQ(text.fields, (QStringList{QStringLiteral("Text"), QStringLiteral("Lang")}));
    EXPECT_TRUE(text.caseInsensitive);
    EXPECT_FALSE(text.unique);
    EXPECT_EQ(unique.name, QStringLiteral("uLang"));
    EXPECT_TRUE(unique.unique);
}

TEST_P(DatabaseTest, TableNamesResolveWithoutExtensionAndCase)
{
    TableDef def = positionenDef();
    def.name = QStringLiteral("S_PARAME");
    database().createTable(def);
    EXPECT_TRUE(database().tableExists(QStringLiteral("S_PARAME.DB")));
    EXPECT_TRUE(database().tableExists(QStringLiteral("s_parame.db")));
    EXPECT_FALSE(database().tableExists(QStringLiteral("S_BENUTZ.DB")));
    EXPECT_EQ(database().storeTableName(QStringLiteral("s_parame.db")), QStringLiteral("S_PARAME"));
    EXPECT_TRUE(tableExistsInFolder(folder(), QStringLiteral("S_PARAME.DB")));
    EXPECT_FALSE(tableExistsInFolder(folder(), QStringLiteral("Rechnung.DB")));
    EXPECT_THROW(database().createTable(def), DatabaseError);
    database().dropTable(QStringLiteral("S_PARAME.DB"));
    EXPECT_FALSE(database().tableExists(QStringLiteral("S_PARAME")));
}

TEST_P(DatabaseTest, ClosesRepointsAndReopens)
{
    createBelege(3);
    Table table(database(), QStringLiteral("Belege"));
    table.open();
    TempFolder otherFolder;
    prepareFolder(otherFolder.path(), database().aliasName());
    database().setPath(otherFolder.path());
    EXPECT_FALSE(table.isOpen()) << "closing the alias closes its tables";
    database().open();
    EXPECT_FALSE(database().tableExists(QStringLiteral("Belege")));
    database().setPath(folder());
    database().open();
    table.open();
    EXPECT_EQ(table.recordCount(), 3);
}

TEST_P(DatabaseTest, NestedTransactionsCommitOnlyAtTheOutermostLevel)
{
    createBelege(0);
    database().beginTransaction();
    insertBeleg(1, QStringLiteral("eins"));
    {
        Transaction inner(database());
        insertBeleg(2, QStringLiteral("zwei"));
        // leaves without commit: only its own insert is undone
    }
    {
        Transaction inner(database());
        insertBeleg(3, QStringLiteral("drei"));
        inner.commit();
    }
    EXPECT_TRUE(database().inTransaction());
    database().commit();
    EXPECT_FALSE(database().inTransaction());
    EXPECT_EQ(Query::scalar(database(), QStringLiteral("SELECT COUNT(*) FROM \"Belege\"")).toInt(), 2);

    database().beginTransaction();
    insertBeleg(4, QStringLiteral("vier"));
    database().rollback();
    EXPECT_EQ(Query::scalar(database(), QStringLiteral("SELECT COUNT(*) FROM \"Belege\"")).toInt(), 2);
    EXPECT_THROW(database().commit(), DatabaseError);
}

TEST_P(DatabaseTest, FailedWriteInsideTransactionLeavesTheRestIntact)
{
    createBelege(0);
    Transaction transaction(database());
    insertBeleg(1, QStringLiteral("eins"));
    EXPECT_THROW(insertBeleg(1, QStringLiteral("doppelt")), DatabaseError);
    insertBeleg(2, QStringLiteral("zwei"));
    transaction.commit();
    EXPECT_EQ(Query::scalar(database(), QStringLiteral("SELECT COUNT(*) FROM \"Belege\"")).toInt(), 2);
}

TEST_P(DatabaseTest, CreatesMissingRegisteredTables)
{
    TableDef def = positionenDef();
    def.name = QStringLiteral("Registriert_%1").arg(int(GetParam()));
    Schema::registerTable(QStringLiteral("Testdaten"), def);
    database().createMissingTables();
    EXPECT_TRUE(database().tableExists(def.name));
    database().createMissingTables();   // nothing left to do
    EXPECT_EQ(Schema::find(def.name + QStringLiteral(".DB"))->fields.size(), 3);
}

TEST(DatabaseStore, SqliteStoreIsOneFileNamedAfterTheAlias)
{
    TempFolder folder;
    Database database(QStringLiteral("Z_Tavero"));
    database.setPath(folder.path());
    EXPECT_EQ(database.backend(), Database::Backend::SQLite);
    database.open();
    EXPECT_TRUE(QFile::exists(folder.file(QStringLiteral("Z_Tavero.sqlite"))));
}

// NOCASE orders texts as their lower-case forms (QString::toLower) in code
// point order, also past umlauts, characters of other scripts and beyond
// the basic plane: the index of a name column depends on it.
TEST(DatabaseStore, NoCaseOrdersByTheLowerCaseForms)
{
    TempFolder folder;
    Database database(QStringLiteral("Z_Tavero"));
    database.setPath(folder.path());
    database.open();
    const QStringList texte = {
        QStringLiteral("Müller"),      QStringLiteral("MÜLLER"),     QStringLiteral("Mueller"),
        QStringLiteral("Müllerstraße"), QStringLiteral("MÜLLERSTRASSE"), QStringLiteral("Müller & Söhne 7"),
        QStringLiteral("Müller & Söhne 12"), QStringLiteral("Ärger"), QStringLiteral("ärger"),
        QStringLiteral("Zürich"),      QStringLiteral("\u1E9E"),     QStringLiteral("\u00DF"),
        QStringLiteral("\u0130stanbul"), QStringLiteral("istanbul"), QStringLiteral("i\u0307stanbul"),
        QStringLiteral("\u212A"),     QStringLiteral("k"),          QStringLiteral("\u03A3\u039F\u03A6"),
        QStringLiteral("\u03C3\u03BF\u03C6"), QStringLiteral("\u6771\u4EAC"), QStringLiteral("A\U0001F600"),
        QStringLiteral("a\U0001D400"), QStringLiteral("\U00010400x"), QStringLiteral("\U00010428x"),
        QStringLiteral("äb\uFEFFc"),  QStringLiteral("äbc"),        QStringLiteral("é"),
        QStringLiteral("É"),           QStringLiteral("e"),
    };
    const auto vorzeichen = [](int wert) { return wert < 0 ? -1 : wert > 0 ? 1 : 0; };
    for (const QString &links : texte) {
        for (const QString &rechts : texte) {
            const QByteArray a = links.toLower().toUtf8();
            const QByteArray b = rechts.toLower().toUtf8();
            const int erwartet = a < b ? -1 : a > b ? 1 : 0;
            const int ergebnis = Query::scalar(database,
                                               QStringLiteral("SELECT CASE WHEN ? = ? COLLATE NOCASE THEN 0 "
                                                              "WHEN ? < ? COLLATE NOCASE THEN -1 ELSE 1 END"),
                                               {links, rechts, links, rechts})
                                     .toInt();
            EXPECT_EQ(vorzeichen(ergebnis), erwartet) << qPrintable(links) << " / " << qPrintable(rechts);
        }
    }
}

// A store written before our NOCASE (SQLite's folds only ASCII): its
// case-insensitive indexes are rebuilt on opening, so umlauts of either case
// meet and the index agrees with its table.
TEST(DatabaseStore, CaseInsensitiveIndexesOfOlderStoresAreRebuilt)
{
    TempFolder folder;
    {
        sqlite3 *raw = nullptr;
        ASSERT_EQ(sqlite3_open(QFile::encodeName(folder.file(QStringLiteral("Z_Tavero.sqlite"))).constData(), &raw),
                  SQLITE_OK);
        const char *sql = "CREATE TABLE \"Land\" (\"Bez\" VARCHAR(29));"
                          "CREATE INDEX \"iBez\" ON \"Land\" (\"Bez\" COLLATE NOCASE);"
                          "INSERT INTO \"Land\" VALUES ('Ägypten'), ('Österreich'), ('Belgien'), ('öland'), ('Zypern');";
        EXPECT_EQ(sqlite3_exec(raw, sql, nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(raw);
    }
    Database database(QStringLiteral("Z_Tavero"));
    database.setPath(folder.path());
    database.open();
    EXPECT_EQ(Query::scalar(database, QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
    Table land(database, QStringLiteral("Land"));
    land.setIndexFieldNames(QStringLiteral("Bez"));
    land.open();
    EXPECT_TRUE(land.findKey({QStringLiteral("ÄGYPTEN")}));
    land.findNearest({QStringLiteral("Ö")});
    EXPECT_EQ(land["Bez"].asString(), QStringLiteral("öland"));
    land.next();
    EXPECT_EQ(land["Bez"].asString(), QStringLiteral("Österreich"));
    land.close();
    database.close();
    database.open();   // once is enough
    EXPECT_EQ(Query::scalar(database, QStringLiteral("PRAGMA user_version")).toInt(), 1);
}

TEST(DatabaseStore, MissingFolderIsRefusedNotCreated)
{
    TempFolder folder;
    Database database(QStringLiteral("Z_Tavero"));
    database.setPath(folder.file(QStringLiteral("fehlt")));
    EXPECT_THROW(database.open(), DatabaseError);
    EXPECT_FALSE(QDir(folder.file(QStringLiteral("fehlt"))).exists());
}

TEST(DatabaseStore, MemoryStoresArePrivate)
{
    Database first(QStringLiteral("Import"));
    first.setPath(QStringLiteral(":memory:"));
    first.open();
    first.createTable(positionenDef());
    Database second(QStringLiteral("Import"));
    second.setPath(QStringLiteral(":memory:"));
    second.open();
    EXPECT_TRUE(first.tableExists(QStringLiteral("Positionen")));
    EXPECT_FALSE(second.tableExists(QStringLiteral("Positionen")));
}

TEST(DatabaseStore, FolderWithConnectionFileIsServedByPostgres)
{
    TempFolder folder;
    QFile file(folder.file(QStringLiteral("Z_Tavero.pg")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("host=127.0.0.1\nport=1\ndatabase=nirgends\n");
    file.close();
    Database database(QStringLiteral("Z_Tavero"));
    database.setPath(folder.path());
    EXPECT_EQ(database.backend(), Database::Backend::PostgreSQL);
    EXPECT_THROW(database.open(), DatabaseError);
    EXPECT_FALSE(database.isOpen());
}

RAZAZU_STORE_TESTS(DatabaseTest);
