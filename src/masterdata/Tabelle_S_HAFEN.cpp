#include "Tabelle_S_HAFEN.h"

db::TableDef Tabelle_S_HAFEN()
{
    using enum db::FieldType;
    return {
        .name = QStringLiteral("S_HAFEN"),
        .fields = {
            {QStringLiteral("Nummer"), Alpha, 4},
            {QStringLiteral("Hafen"), Alpha, 40},
        },
        .primaryKey = {QStringLiteral("Nummer")},
        .indexes = {{QStringLiteral("iHafen"), {QStringLiteral("Hafen")}, false, true}},
    };
}
