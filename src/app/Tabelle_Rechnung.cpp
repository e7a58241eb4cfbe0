#include "Tabelle_Rechnung.h"

db::TableDef Tabelle_Rechnung()
{
    using db::FieldType;
    db::TableDef def;
    def.name = QStringLiteral("RECHNUNG");
    auto feld = [&def](const QString &name, FieldType type, int size = 0) { def.fields << db::FieldDef{name, type, size}; };
    // In table order: the invoice import and export go by position.
    feld(QStringLiteral("Belegnr"), FieldType::Long);
    feld(QStringLiteral("Redatum"), FieldType::Date);
    feld(QStringLiteral("ReMwst"), FieldType::Number);
    for (int i = 1; i <= 5; ++i)
        feld(QStringLiteral("kunde%1").arg(i), FieldType::Alpha, 29);
    feld(QStringLiteral("kunde6"), FieldType::Alpha, 29);
    feld(QStringLiteral("land"), FieldType::Alpha, 3);
    feld(QStringLiteral("sprache"), FieldType::Alpha, 1);
    feld(QStringLiteral("aufnr"), FieldType::Alpha, 20);
    feld(QStringLiteral("proforma"), FieldType::Alpha, 1);
    feld(QStringLiteral("frankatur"), FieldType::Alpha, 20);
    feld(QStringLiteral("uz"), FieldType::Alpha, 20);
    feld(QStringLiteral("sbearb"), FieldType::Alpha, 20);
    feld(QStringLiteral("sbtel"), FieldType::Alpha, 20);
    feld(QStringLiteral("bnr"), FieldType::Alpha, 20);
    feld(QStringLiteral("bnrvom"), FieldType::Alpha, 10);
    feld(QStringLiteral("bnrabt"), FieldType::Alpha, 20);
    feld(QStringLiteral("vedatum"), FieldType::Alpha, 10);
    feld(QStringLiteral("veart"), FieldType::Alpha, 20);
    for (int i = 1; i <= 5; ++i)
        feld(QStringLiteral("vean%1").arg(i), FieldType::Alpha, 29);
    for (int i = 1; i <= 5; ++i)
        feld(QStringLiteral("sped%1").arg(i), FieldType::Alpha, 29);
    for (int i = 1; i <= 10; ++i)
        feld(QStringLiteral("mark%1").arg(i), FieldType::Alpha, 30);
    for (int i = 1; i <= 10; ++i)
        feld(QStringLiteral("reklau%1").arg(i), FieldType::Alpha, 60);
    for (int i = 11; i <= 14; ++i)
        feld(QStringLiteral("Reklau%1").arg(i), FieldType::Alpha, 60);
    for (int i = 1; i <= 5; ++i)
        feld(QStringLiteral("zabed%1").arg(i), FieldType::Alpha, 60);
    for (int i = 1; i <= 6; ++i)
        feld(QStringLiteral("praef%1").arg(i), FieldType::Alpha, 60);
    feld(QStringLiteral("Waehrung"), FieldType::Alpha, 3);
    feld(QStringLiteral("AnzPos"), FieldType::Long);
    feld(QStringLiteral("AnzPack"), FieldType::Long);
    feld(QStringLiteral("IsLockedByUser"), FieldType::Alpha, 1);
    def.primaryKey = {QStringLiteral("Belegnr")};
    return def;
}
