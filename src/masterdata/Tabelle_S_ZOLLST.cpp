#include "Tabelle_S_ZOLLST.h"

db::TableDef Tabelle_S_ZOLLST()
{
    using enum db::FieldType;
    return {
        .name = QStringLiteral("S_ZOLLST"),
        .fields = {
            {QStringLiteral("Zollst"), Alpha, 9},
            {QStringLiteral("Art"), Alpha, 7},
            {QStringLiteral("Ort"), Alpha, 27},
            {QStringLiteral("Tart"), Alpha, 2},
        },
        .primaryKey = {QStringLiteral("Zollst")},
        .indexes = {{QStringLiteral("iOrt"), {QStringLiteral("Ort")}, false, true}},
    };
}
