#include "Tabelle_S_WARENN.h"

db::TableDef Tabelle_S_WARENN()
{
    using enum db::FieldType;
    return {
        .name = QStringLiteral("S_WARENN"),
        .fields = {
            {QStringLiteral("waren"), Alpha, 8},
            {QStringLiteral("bez1"), Alpha, 40},
            {QStringLiteral("bez2"), Alpha, 40},
            {QStringLiteral("bez3"), Alpha, 40},
            {QStringLiteral("bez4"), Alpha, 40},
            {QStringLiteral("Land"), Alpha, 3},
            {QStringLiteral("Einheit"), Alpha, 11},
            {QStringLiteral("maseinheit"), Alpha, 1},
            {QStringLiteral("Brutto"), Alpha, 10},
            {QStringLiteral("Netto"), Alpha, 10},
            {QStringLiteral("bez5"), Alpha, 40},
            {QStringLiteral("bez6"), Alpha, 40},
            {QStringLiteral("bez7"), Alpha, 40},
            {QStringLiteral("bez8"), Alpha, 40},
            {QStringLiteral("bez9"), Alpha, 40},
            {QStringLiteral("Waren2"), Alpha, 2},
            {QStringLiteral("Waren3"), Alpha, 4},
            {QStringLiteral("Waren4"), Alpha, 4},
            {QStringLiteral("Waren5"), Alpha, 4},
        },
        .primaryKey = {},
        .indexes = {
            {QStringLiteral("iLand"), {QStringLiteral("Land")}, false, true},
            {QStringLiteral("ibez"), {QStringLiteral("bez1")}, false, true},
            {QStringLiteral("iware"), {QStringLiteral("waren")}, false, true},
            {QStringLiteral("iFind"),
             {QStringLiteral("waren"), QStringLiteral("bez1"), QStringLiteral("bez2"),
              QStringLiteral("bez3"), QStringLiteral("bez4"), QStringLiteral("bez5"),
              QStringLiteral("land")},
             false, true},
        },
    };
}
