#include "Tabelle_S_GESART.h"

db::TableDef Tabelle_S_GESART()
{
    using enum db::FieldType;
    return {
        .name = QStringLiteral("S_GESART"),
        .fields = {
            {QStringLiteral("Geart"), Alpha, 2},
            {QStringLiteral("Bez"), Alpha, 40},
        },
        .primaryKey = {QStringLiteral("Geart")},
        .indexes = {{QStringLiteral("iBez"), {QStringLiteral("Bez")}, false, true}},
    };
}
