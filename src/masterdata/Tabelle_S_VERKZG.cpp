#include "Tabelle_S_VERKZG.h"

db::TableDef Tabelle_S_VERKZG()
{
    using enum db::FieldType;
    return {
        .name = QStringLiteral("S_VERKZG"),
        .fields = {
            {QStringLiteral("Vkzweig"), Alpha, 2},
            {QStringLiteral("Bez1"), Alpha, 40},
            {QStringLiteral("Bez2"), Alpha, 10},
        },
        .primaryKey = {QStringLiteral("Vkzweig")},
        .indexes = {{QStringLiteral("iBez"), {QStringLiteral("Bez1")}, false, true}},
    };
}
