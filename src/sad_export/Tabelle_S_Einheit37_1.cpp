#include "sad_export/Tabelle_S_Einheit37_1.h"

db::TableDef Tabelle_S_Einheit37_1()
{
    using enum db::FieldType;
    return {
        .name = QStringLiteral("S_Einheit37_1"),
        .fields = {
            {QStringLiteral("Code"), Alpha, 10},
            {QStringLiteral("Bezeichnung"), Alpha, 255},
        },
    };
}
