#include "Tabelle_S_EINH37.h"

db::TableDef Tabelle_S_EINH37()
{
    using enum db::FieldType;
    return {
        .name = QStringLiteral("S_EINH37"),
        .fields = {
            {QStringLiteral("Einh37"), Alpha, 2},
            {QStringLiteral("Verfnr1"), Alpha, 4},
            {QStringLiteral("Verfnr2"), Alpha, 1},
            {QStringLiteral("Bedeutung"), Alpha, 45},
        },
        .primaryKey = {QStringLiteral("Einh37")},
        .indexes = {{QStringLiteral("iBedeutung"), {QStringLiteral("Bedeutung")}, false, true}},
    };
}
