#include "TestStore.h"

#include "dbupdate/WarenNrIndizes.h"
#include "masterdata/Tabelle_S_WARENN.h"

#include "platform/db/DatabaseError.h"
#include "platform/db/Query.h"
#include "platform/db/Table.h"

#include <gtest/gtest.h>

using dbupdate::WarenNrIndizesNeuAufbauen;

namespace {

// The goods-number table as the master data declares it, with indexes the
// update must put right: one on the wrong field, one case-sensitive, two
// missing, and one of its own that stays.
db::TableDef warenTabelle()
{
    using namespace Qt::StringLiterals;
    using enum db::FieldType;
    return {
        .name = u"S_WARENN"_s,
        .fields = {
            {u"waren"_s, Alpha, 8},
            {u"bez1"_s, Alpha, 40},
            {u"bez2"_s, Alpha, 40},
            {u"bez3"_s, Alpha, 40},
            {u"bez4"_s, Alpha, 40},
            {u"Land"_s, Alpha, 3},
            {u"bez5"_s, Alpha, 40},
            {u"bez6"_s, Alpha, 40},
        },
        .indexes = {
            {.name = u"iBez"_s, .fields = {u"bez2"_s}, .caseInsensitive = true},
            {u"iware"_s, {u"waren"_s}},
            {u"iEigen"_s, {u"bez6"_s}},
        },
    };
}

QString describe(const db::IndexDef &index)
{
    return QStringLiteral("%1: %2%3").arg(index.name, index.fields.join(u';'),
                                          index.caseInsensitive ? QStringLiteral(" (ci)") : QString());
}

QStringList indexes(db::Database &database)
{
    QStringList list;
    for (const db::IndexDef &index : database.tableDef(QStringLiteral("S_WARENN")).indexes)
        list << describe(index);
    list.sort(Qt::CaseInsensitive);
    return list;
}

class WarenNrIndizes : public testing::TestWithParam<Backend>
{
protected:
    void SetUp() override
    {
        if (!TestStore::available(GetParam()))
            GTEST_SKIP() << "RAZAZU_TEST_PG is not set";
        store = std::make_unique<TestStore>(GetParam());
    }
    std::unique_ptr<TestStore> store;
};

TEST_P(WarenNrIndizes, TheFourIndexesAreBuiltAgain)
{
    db::Database &database = store->db();
    database.createTable(warenTabelle());
    database.execute(QStringLiteral("INSERT INTO \"S_WARENN\" (\"waren\", \"bez1\", \"Land\") VALUES "
                                    "('84713000', 'Laptop', 'CN'), ('84713000', 'laptop', 'cn')"));
    WarenNrIndizesNeuAufbauen(database);
    EXPECT_EQ(indexes(database),
              (QStringList{QStringLiteral("ibez: bez1 (ci)"), QStringLiteral("iEigen: bez6"),
                           QStringLiteral("iFind: waren;bez1;bez2;bez3;bez4;bez5;Land (ci)"),
                           QStringLiteral("iLand: Land (ci)"), QStringLiteral("iware: waren (ci)")}));
    EXPECT_EQ(store->count(QStringLiteral("S_WARENN")), 2);

    // Running again (the update offered at the next start) gives the same.
    WarenNrIndizesNeuAufbauen(database);
    EXPECT_EQ(indexes(database).size(), 5);
}

TEST_P(WarenNrIndizes, ATableInUseKeepsItsIndexes)
{
    db::Database &database = store->db();
    database.createTable(warenTabelle());
    const QStringList before = indexes(database);
    {
        db::Table open(database, QStringLiteral("S_WARENN"));
        open.open();
        EXPECT_THROW(WarenNrIndizesNeuAufbauen(database), db::DatabaseError);
    }
    EXPECT_EQ(indexes(database), before);
}

TEST_P(WarenNrIndizes, AMissingTableIsAnError)
{
    EXPECT_THROW(WarenNrIndizesNeuAufbauen(store->db()), db::DatabaseError);
}

// Every row survives the rebuild as it was: rows equal in all seven fields of
// iFind, rows differing only in case, and rows with empty fields.
TEST_P(WarenNrIndizes, TheRebuildKeepsEveryRecordOfTheDeclaredTable)
{
    db::Database &database = store->db();
    const db::TableDef deklaration = Tabelle_S_WARENN();
    database.createTable(deklaration);
    const QString einfuegen = QStringLiteral(
        "INSERT INTO \"S_WARENN\" (\"waren\", \"bez1\", \"bez6\", \"Land\", \"Waren2\") VALUES (?, ?, ?, ?, ?)");
    const QList<QVariantList> zeilen = {
        {QStringLiteral("84713000"), QStringLiteral("Laptop"), QStringLiteral("eins"), QStringLiteral("CN"), QStringLiteral("00")},
        {QStringLiteral("84713000"), QStringLiteral("Laptop"), QStringLiteral("zwei"), QStringLiteral("CN"), QStringLiteral("00")},
        {QStringLiteral("84713000"), QStringLiteral("Laptop"), QStringLiteral("zwei"), QStringLiteral("CN"), QStringLiteral("00")},
        {QStringLiteral("84713000"), QStringLiteral("LAPTOP"), QVariant(), QStringLiteral("cn"), QVariant()},
        {QVariant(), QVariant(), QVariant(), QVariant(), QVariant()},
    };
    for (const QVariantList &zeile : zeilen)
        database.execute(einfuegen, zeile);
    const auto inhalt = [&database] {
        QStringList liste;
        db::Table waren(database, QStringLiteral("S_WARENN"));
        waren.open();
        for (waren.first(); !waren.eof(); waren.next()) {
            QStringList werte;
            for (db::Field *feld : waren.fields())
                werte << feld->asString();
            liste << werte.join(u'|');
        }
        liste.sort();
        return liste;
    };
    const QStringList vorher = inhalt();
    ASSERT_EQ(vorher.size(), zeilen.size());
    WarenNrIndizesNeuAufbauen(database);
    EXPECT_EQ(inhalt(), vorher);
    QStringList erwartet;
    for (const db::IndexDef &index : deklaration.indexes)
        erwartet << describe(index);
    erwartet.sort(Qt::CaseInsensitive);
    QStringList gebaut = indexes(database);
    for (QString &index : gebaut)
        index.replace(QStringLiteral(";Land"), QStringLiteral(";land"));
    EXPECT_EQ(gebaut, erwartet);
}

INSTANTIATE_TEST_SUITE_P(Stores, WarenNrIndizes, testing::Values(Backend::SQLite, Backend::PostgreSQL), backendName);

} // namespace
