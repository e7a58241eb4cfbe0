#include "orders/Tabellen_Packliste.h"

namespace {

db::FieldDef text(const QString &name, int size)
{
    return {name, db::FieldType::Alpha, size};
}

db::FieldDef feld(const QString &name, db::FieldType type)
{
    return {name, type};
}

} // namespace

db::TableDef Tabelle_B_PALI()
{
    db::TableDef def;
    def.name = QStringLiteral("B_PALI");
    def.fields << feld(QStringLiteral("belegnr"), db::FieldType::Long) << text(QStringLiteral("Datum"), 10);
    for (int i = 1; i <= 5; ++i)
        def.fields << text(QStringLiteral("kunde%1").arg(i), 29);
    for (int i = 1; i <= 10; ++i)
        def.fields << text(QStringLiteral("mark%1").arg(i), 30);
    def.fields << text(QStringLiteral("kunde6"), 29);
    for (int i = 1; i <= 10; ++i)
        def.fields << text(QStringLiteral("wabe%1").arg(i), 40);
    def.fields << text(QStringLiteral("filler1"), 70) << text(QStringLiteral("filler2"), 70)
               << text(QStringLiteral("Brutto"), 10) << text(QStringLiteral("Netto"), 10)
               << text(QStringLiteral("IsLockedByUser"), 1);
    def.primaryKey = {QStringLiteral("belegnr")};
    // The register searches by recipient.
    def.indexes << db::IndexDef{QStringLiteral("kunde1"), {QStringLiteral("kunde1")}, false, true};
    return def;
}

db::TableDef Tabelle_B_PALI2()
{
    db::TableDef def;
    def.name = QStringLiteral("B_PALI2");
    def.fields << feld(QStringLiteral("belegnr"), db::FieldType::Long) << text(QStringLiteral("auftrnr"), 6)
               << feld(QStringLiteral("datu"), db::FieldType::Date)
               << feld(QStringLiteral("packstnr"), db::FieldType::Short) << text(QStringLiteral("packart"), 3)
               << text(QStringLiteral("bez"), 10) << feld(QStringLiteral("brutto"), db::FieldType::Number)
               << feld(QStringLiteral("netto"), db::FieldType::Number)
               << feld(QStringLiteral("laenge"), db::FieldType::Short)
               << feld(QStringLiteral("breite"), db::FieldType::Short)
               << feld(QStringLiteral("hoehe"), db::FieldType::Short)
               << feld(QStringLiteral("m3"), db::FieldType::Number)
               << feld(QStringLiteral("anzahl"), db::FieldType::Short)
               << feld(QStringLiteral("tara"), db::FieldType::Number)
               << feld(QStringLiteral("contents"), db::FieldType::Memo)
               << feld(QStringLiteral("Text"), db::FieldType::Memo);
    // No primary key: the store's row number keeps the lines in the order
    // written; the index on belegnr finds a packing list's lines.
    def.indexes << db::IndexDef{QStringLiteral("belegnr"), {QStringLiteral("belegnr")}};
    return def;
}
