#include "common/Tabelle_S_FelderJust.h"

db::TableDef Tabelle_S_FelderJust()
{
    db::TableDef def;
    def.name = QStringLiteral("S_FelderJust");
    def.fields << db::FieldDef{QStringLiteral("Name"), db::FieldType::Alpha, 25, 0, true};
    for (int feld = 1; feld <= 25; ++feld) {
        def.fields << db::FieldDef{QStringLiteral("Feld%1x").arg(feld), db::FieldType::Long}
                   << db::FieldDef{QStringLiteral("Feld%1y").arg(feld), db::FieldType::Long};
    }
    def.primaryKey = {QStringLiteral("Name")};
    return def;
}
