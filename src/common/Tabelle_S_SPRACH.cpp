#include "Tabelle_S_SPRACH.h"

db::TableDef Tabelle_S_SPRACH()
{
    db::TableDef def;
    def.name = QStringLiteral("S_SPRACH");
    def.fields = {
        {QStringLiteral("Skz"), db::FieldType::Alpha, 1},
        {QStringLiteral("Sprache"), db::FieldType::Alpha, 15},
    };
    def.primaryKey = {QStringLiteral("Skz")};
    return def;
}
