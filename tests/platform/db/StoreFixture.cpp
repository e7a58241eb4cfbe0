#include "StoreFixture.h"

#include "platform/db/Query.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>
#include <atomic>

using namespace db;

namespace {

std::atomic<int> schemaCounter{0};

QString postgresSettings()
{
    return qEnvironmentVariable("RAZAZU_TEST_PG").trimmed();
}

} // namespace

std::string storeKindName(const testing::TestParamInfo<StoreKind> &info)
{
    return info.param == StoreKind::SQLite ? "SQLite" : "PostgreSQL";
}

void StoreTest::SetUp()
{
    if (onPostgres() && postgresSettings().isEmpty())
        GTEST_SKIP() << "RAZAZU_TEST_PG is not set";
    folder_ = std::make_unique<TempFolder>();
    prepareFolder(folder_->path(), QStringLiteral("Testdaten"));
    database_ = std::make_unique<Database>(QStringLiteral("Testdaten"));
    database_->setPath(folder_->path());
    database_->open();
}

void StoreTest::prepareFolder(const QString &path, const QString &alias)
{
    if (!onPostgres())
        return;
    const QString schema = QStringLiteral("test_%1_%2")
                               .arg(QCoreApplication::applicationPid())
                               .arg(++schemaCounter);
    QFile file(path + QLatin1Char('/') + alias + QStringLiteral(".pg"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Text));
    QTextStream out(&file);
    for (const QString &pair : postgresSettings().split(QLatin1Char(' '), Qt::SkipEmptyParts))
        out << pair << '\n';
    out << "schema=" << schema << '\n';
    schemas_ << schema;
}

void StoreTest::TearDown()
{
    if (database_ && onPostgres()) {
        try {
            database_->open();
            for (const QString &schema : schemas_)
                database_->execute(QStringLiteral("DROP SCHEMA IF EXISTS %1 CASCADE").arg(database_->quote(schema)));
        } catch (const DatabaseError &error) {
            ADD_FAILURE() << "dropping the test schema failed: " << error.what();
        }
    }
    database_.reset();
    folder_.reset();
}

std::unique_ptr<Database> StoreTest::secondConnection()
{
    auto other = std::make_unique<Database>(database_->aliasName());
    other->setPath(database_->path());
    other->open();
    return other;
}

TableDef belegeDef()
{
    TableDef def;
    def.name = QStringLiteral("Belege");
    def.fields = {
        {QStringLiteral("BelegNr"), FieldType::Long},
        {QStringLiteral("Datum"), FieldType::Date},
        {QStringLiteral("Name"), FieldType::Alpha, 30},
        {QStringLiteral("Betrag"), FieldType::Money},
        {QStringLiteral("Menge"), FieldType::Number},
        {QStringLiteral("Aktiv"), FieldType::Logical},
    };
    def.primaryKey = {QStringLiteral("BelegNr")};
    IndexDef byName;
    byName.name = QStringLiteral("iName");
    byName.fields = {QStringLiteral("Name")};
    byName.caseInsensitive = true;
    def.indexes = {byName};
    return def;
}

TableDef positionenDef()
{
    TableDef def;
    def.name = QStringLiteral("Positionen");
    def.fields = {
        {QStringLiteral("BelegNr"), FieldType::Long},
        {QStringLiteral("Pos"), FieldType::Long},
        {QStringLiteral("Text"), FieldType::Alpha, 20},
    };
    def.primaryKey = {QStringLiteral("BelegNr"), QStringLiteral("Pos")};
    return def;
}

void StoreTest::createBelege(int count)
{
    database_->createTable(belegeDef());
    Transaction transaction(*database_);
    for (int i = 1; i <= count; ++i)
        database_->execute(QStringLiteral("INSERT INTO \"Belege\" (\"BelegNr\", \"Name\") VALUES (?, ?)"),
                           {i, QStringLiteral("Name%1").arg(i)});
    transaction.commit();
}

void StoreTest::insertBeleg(int nr, const QString &name, double betrag)
{
    database_->execute(QStringLiteral("INSERT INTO \"Belege\" (\"BelegNr\", \"Name\", \"Betrag\") VALUES (?, ?, ?)"),
                       {nr, name.isEmpty() ? QVariant() : QVariant(name), betrag});
}
