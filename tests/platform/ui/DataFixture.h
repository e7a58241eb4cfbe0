#pragma once

#include "platform/db/DataSource.h"
#include "platform/db/Database.h"
#include "platform/db/Query.h"
#include "platform/db/Table.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <memory>

// A tiny data store for the form tests: customers and countries.
//   Kunden: Nummer (Long, key), Name (Alpha 20), Land (Alpha 3), Betrag
//   (Money), Datum (Date), Aktiv (Logical), Gesperrt (Alpha 1), Termin
//   (Alpha 10), Bild (Graphic), Notiz (Memo)
//   Laender: Land (Alpha 3, key), Bez (Alpha 30, index iBez)
class DataTest : public testing::Test
{
protected:
    void SetUp() override
    {
        database = std::make_unique<db::Database>(QStringLiteral("UiTest"));
        database->setPath(folder.path());
        database->open();
        db::TableDef kunden;
        kunden.name = QStringLiteral("Kunden");
        kunden.fields = {
            {QStringLiteral("Nummer"), db::FieldType::Long},
            {QStringLiteral("Name"), db::FieldType::Alpha, 20},
            {QStringLiteral("Land"), db::FieldType::Alpha, 3},
            {QStringLiteral("Betrag"), db::FieldType::Money},
            {QStringLiteral("Datum"), db::FieldType::Date},
            {QStringLiteral("Aktiv"), db::FieldType::Logical},
            {QStringLiteral("Gesperrt"), db::FieldType::Alpha, 1},
            {QStringLiteral("Termin"), db::FieldType::Alpha, 10},
            {QStringLiteral("Bild"), db::FieldType::Graphic},
            {QStringLiteral("Notiz"), db::FieldType::Memo},
        };
        kunden.primaryKey = {QStringLiteral("Nummer")};
        database->createTable(kunden);

        db::TableDef laender;
        laender.name = QStringLiteral("Laender");
        laender.fields = {{QStringLiteral("Land"), db::FieldType::Alpha, 3}, {QStringLiteral("Bez"), db::FieldType::Alpha, 30}};
        laender.primaryKey = {QStringLiteral("Land")};
        db::IndexDef byName;
        byName.name = QStringLiteral("iBez");
        byName.fields = {QStringLiteral("Bez")};
        laender.indexes = {byName};
        database->createTable(laender);
        for (const auto &[code, name] : {std::pair{"004", "Deutschland"}, {"017", "Belgien"}, {"038", "Österreich"}})
            database->execute(QStringLiteral("INSERT INTO \"Laender\" VALUES (?, ?)"), {QString::fromUtf8(code), QString::fromUtf8(name)});
    }

    // Customers 1..count named "Kunde<n>".
    void addCustomers(int count)
    {
        db::Transaction transaction(*database);
        for (int i = 1; i <= count; ++i)
            database->execute(QStringLiteral("INSERT INTO \"Kunden\" (\"Nummer\", \"Name\", \"Gesperrt\") VALUES (?, ?, ?)"),
                              {i, QStringLiteral("Kunde%1").arg(i), QStringLiteral("n")});
        transaction.commit();
    }

    std::unique_ptr<db::Table> open(const QString &name)
    {
        auto table = std::make_unique<db::Table>(*database, name);
        table->open();
        return table;
    }

    // What the store holds, read past every cursor.
    QVariant stored(const QString &field, int nummer)
    {
        return db::Query::scalar(*database, QStringLiteral("SELECT \"%1\" FROM \"Kunden\" WHERE \"Nummer\" = ?").arg(field), {nummer});
    }

    TempFolder folder;
    std::unique_ptr<db::Database> database;
};
