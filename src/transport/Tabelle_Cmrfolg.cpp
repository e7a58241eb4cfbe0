#include "transport/Tabelle_Cmrfolg.h"

db::TableDef Tabelle_Cmrfolg()
{
    using enum db::FieldType;
    return {
        .name = QStringLiteral("Cmrfolg"),
        .fields = {
            {QStringLiteral("BelegNr"), Long},
            {QStringLiteral("Pos"), Long},
            {QStringLiteral("C6"), Alpha, 45},
            {QStringLiteral("C10"), Alpha, 9},
            {QStringLiteral("C11"), Alpha, 9},
            {QStringLiteral("C12"), Alpha, 9},
        },
        .primaryKey = {QStringLiteral("BelegNr"), QStringLiteral("Pos")},
    };
}
