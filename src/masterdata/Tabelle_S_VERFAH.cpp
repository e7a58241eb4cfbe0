#include "Tabelle_S_VERFAH.h"

db::TableDef Tabelle_S_VERFAH()
{
    using enum db::FieldType;
    return {
        .name = QStringLiteral("S_VERFAH"),
        .fields = {
            {QStringLiteral("Verfahr"), Alpha, 1},
            {QStringLiteral("Bez"), Alpha, 45},
        },
        .primaryKey = {QStringLiteral("Verfahr")},
        .indexes = {{QStringLiteral("iBez"), {QStringLiteral("Bez")}, false, true}},
    };
}
