#include "Tabelle_S_LIEFER.h"

db::TableDef Tabelle_S_LIEFER()
{
    using enum db::FieldType;
    return {
        .name = QStringLiteral("S_LIEFER"),
        .fields = {
            {QStringLiteral("Lieferb"), Alpha, 3},
            {QStringLiteral("Bedeutung"), Alpha, 20},
            {QStringLiteral("LiefNr"), Alpha, 4},
            {QStringLiteral("Preis"), Number},
        },
        .primaryKey = {QStringLiteral("Lieferb")},
        .indexes = {{QStringLiteral("iBedeutung"), {QStringLiteral("Bedeutung")}, false, true}},
    };
}
