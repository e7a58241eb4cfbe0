#pragma once

// What the SQLite and the PostgreSQL runs of bench_db share: the table
// layout, the values of each row, and how the layer's side reads a row.
#include "platform/db/Table.h"

#include <QDate>
#include <benchmark/benchmark.h>

#include <cstdio>

namespace bench {

using namespace db;

constexpr int bigRows = 1000000;
constexpr int smallRows = 1000;
constexpr int filterRows = 100000;
constexpr int appendRows = 100000;

inline const QString alias = QStringLiteral("Bench");
inline const char *columns = "\"Nr\", \"Name\", \"Ort\", \"Betrag\", \"Datum\", \"Menge\"";

// Surnames the names start with; "Mül" picks one in fifty.
inline const char *const surnames[] = {
    "Müller", "Meier", "Schmidt", "Schneider", "Fischer", "Weber", "Wagner", "Becker", "Schulz", "Hoffmann",
    "Schäfer", "Koch", "Bauer", "Richter", "Klein", "Wolf", "Schröder", "Neumann", "Schwarz", "Zimmermann",
    "Braun", "Krüger", "Hofmann", "Hartmann", "Lange", "Schmitt", "Werner", "Schmitz", "Krause", "Meyer",
    "Lehmann", "Schmid", "Schulze", "Maier", "Köhler", "Herrmann", "König", "Walter", "Mayer", "Huber",
    "Kaiser", "Fuchs", "Peters", "Lang", "Scholz", "Möller", "Weiß", "Jung", "Hahn", "Vogel"};
inline const char *const towns[] = {"Hamburg", "Bremen", "Berlin", "München", "Köln", "Dresden", "Kiel"};

inline TableDef layout(const QString &name)
{
    TableDef def;
    def.name = name;
    def.fields = {
        {QStringLiteral("Nr"), FieldType::Long},
        {QStringLiteral("Name"), FieldType::Alpha, 30},
        {QStringLiteral("Ort"), FieldType::Alpha, 20},
        {QStringLiteral("Betrag"), FieldType::Money},
        {QStringLiteral("Datum"), FieldType::Date},
        {QStringLiteral("Menge"), FieldType::Long},
    };
    def.primaryKey = {QStringLiteral("Nr")};
    return def;
}

// Values of row n as the layer stores them: dates as ISO text, money as real.
struct RowText
{
    char name[64];
    const char *town;
    double amount;
    QDate day;
    char date[16];
    int quantity;
};

inline RowText rowValues(int n)
{
    RowText row;
    std::snprintf(row.name, sizeof row.name, "%s %d", surnames[n % 50], n);
    row.town = towns[n % 7];
    row.amount = (n % 10000) * 0.25;
    row.day = QDate(2020, 1, 1).addDays(n % 1500);
    std::snprintf(row.date, sizeof row.date, "%04d-%02d-%02d", row.day.year(), row.day.month(), row.day.day());
    row.quantity = n % 97;
    return row;
}

inline void consumeLayer(Table &table)
{
    for (int i = 0; i < 6; ++i) {
        QVariant value = table.field(i).value();
        benchmark::DoNotOptimize(value);
    }
}

} // namespace bench
