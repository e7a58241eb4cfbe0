#include "sad_export/Tabelle_S_Einheit37_2.h"

db::TableDef Tabelle_S_Einheit37_2()
{
    using enum db::FieldType;
    return {
        .name = QStringLiteral("S_Einheit37_2"),
        .fields = {
            {QStringLiteral("Code"), Alpha, 5},
            {QStringLiteral("Bezeichnung"), Alpha, 255},
        },
    };
}
