#include "Tabelle_S_VERSAN.h"

db::TableDef Tabelle_S_VERSAN()
{
    using enum db::FieldType;
    return {
        .name = QStringLiteral("S_VERSAN"),
        .fields = {
            {QStringLiteral("nummer"), Long},
            {QStringLiteral("name1"), Alpha, 29},
            {QStringLiteral("name2"), Alpha, 29},
            {QStringLiteral("name3"), Alpha, 29},
            {QStringLiteral("name4"), Alpha, 29},
            {QStringLiteral("name5"), Alpha, 29},
            {QStringLiteral("land"), Alpha, 3},
            {QStringLiteral("telefon"), Alpha, 25},
            {QStringLiteral("telefax"), Alpha, 25},
            {QStringLiteral("telex"), Alpha, 25},
            {QStringLiteral("ansprech"), Alpha, 25},
        },
        .primaryKey = {QStringLiteral("nummer")},
        .indexes = {
            {QStringLiteral("iName1"), {QStringLiteral("name1")}, false, true},
        },
    };
}
