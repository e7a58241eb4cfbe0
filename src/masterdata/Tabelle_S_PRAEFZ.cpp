#include "Tabelle_S_PRAEFZ.h"

db::TableDef Tabelle_S_PRAEFZ()
{
    using enum db::FieldType;
    return {
        .name = QStringLiteral("S_PRAEFZ"),
        .fields = {
            {QStringLiteral("praefz"), Alpha, 10},
            {QStringLiteral("text1"), Alpha, 60},
            {QStringLiteral("text2"), Alpha, 60},
            {QStringLiteral("text3"), Alpha, 60},
            {QStringLiteral("text4"), Alpha, 60},
            {QStringLiteral("text5"), Alpha, 60},
            {QStringLiteral("text6"), Alpha, 60},
        },
        .primaryKey = {QStringLiteral("praefz")},
        .indexes = {
            {QStringLiteral("iText1"), {QStringLiteral("text1")}, false, true},
        },
    };
}
