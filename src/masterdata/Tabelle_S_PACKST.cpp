#include "Tabelle_S_PACKST.h"

db::TableDef Tabelle_S_PACKST()
{
    using enum db::FieldType;
    return {
        .name = QStringLiteral("S_PACKST"),
        .fields = {
            {QStringLiteral("packart"), Alpha, 3},
            {QStringLiteral("bez"), Alpha, 65},
            {QStringLiteral("Besch"), Alpha, 65},
            {QStringLiteral("e"), Alpha, 65},
            {QStringLiteral("f"), Alpha, 65},
            {QStringLiteral("s"), Alpha, 65},
            {QStringLiteral("p"), Alpha, 65},
            {QStringLiteral("laenge"), Short},
            {QStringLiteral("breite"), Short},
            {QStringLiteral("hoehe"), Short},
        },
        .primaryKey = {QStringLiteral("packart")},
        .indexes = {
            {QStringLiteral("iBez"), {QStringLiteral("bez")}, false, true},
        },
    };
}
