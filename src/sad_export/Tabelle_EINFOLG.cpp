#include "sad_export/Tabelle_EINFOLG.h"

db::TableDef Tabelle_EINFOLG()
{
    using enum db::FieldType;
    return {
        .name = QStringLiteral("EINFOLG"),
        .fields = {
            {QStringLiteral("belegnr"), Long},
            {QStringLiteral("pos"), Long},
            {QStringLiteral("f33_1"), Alpha, 8},
            {QStringLiteral("f33_2"), Alpha, 1},
            {QStringLiteral("f34_1"), Alpha, 3},
            {QStringLiteral("f34_2"), Alpha, 2},
            {QStringLiteral("f35_1"), Alpha, 11},
            {QStringLiteral("f35_2"), Alpha, 5},
            {QStringLiteral("f37_1"), Alpha, 4},
            {QStringLiteral("f37_2"), Alpha, 3},
            {QStringLiteral("f41_1"), Alpha, 11},
            {QStringLiteral("f38"), Alpha, 11},
            {QStringLiteral("f46"), Alpha, 15},
            {QStringLiteral("Ret"), Alpha, 5},
            {QStringLiteral("f31_1"), Alpha, 45},
            {QStringLiteral("f31_2"), Alpha, 45},
            {QStringLiteral("f31_3"), Alpha, 45},
            {QStringLiteral("f31_4"), Alpha, 45},
            {QStringLiteral("f31_5"), Alpha, 45},
            {QStringLiteral("f31_6"), Alpha, 45},
            {QStringLiteral("f31_7"), Alpha, 45},
            {QStringLiteral("f31_8"), Alpha, 45},
            {QStringLiteral("f31_9"), Alpha, 45},
            {QStringLiteral("F44_11"), Alpha, 1},
            {QStringLiteral("F44_10"), Alpha, 1},
            {QStringLiteral("DM"), Logical},
            {QStringLiteral("EURO"), Logical},
            {QStringLiteral("f44_1"), Alpha, 52},
            {QStringLiteral("f44_2"), Alpha, 52},
            {QStringLiteral("f44_3"), Alpha, 52},
            {QStringLiteral("f44_4"), Alpha, 52},
            {QStringLiteral("f44_5"), Alpha, 52},
            {QStringLiteral("F40"), Alpha, 27},
        },
        .primaryKey = {QStringLiteral("belegnr"), QStringLiteral("pos")},
    };
}
