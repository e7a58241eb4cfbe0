#include "Tabelle_S_INLAND.h"

db::TableDef Tabelle_S_INLAND()
{
    using enum db::FieldType;
    return {
        .name = QStringLiteral("S_INLAND"),
        .fields = {
            {QStringLiteral("Ulandi"), Alpha, 2},
            {QStringLiteral("Bez"), Alpha, 40},
        },
        .primaryKey = {QStringLiteral("Ulandi")},
        .indexes = {{QStringLiteral("iBez"), {QStringLiteral("Bez")}, false, true}},
    };
}
