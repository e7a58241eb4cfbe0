#include "Tabelle_S_SPEDIT.h"

db::TableDef Tabelle_S_SPEDIT()
{
    using enum db::FieldType;
    return {
        .name = QStringLiteral("S_SPEDIT"),
        .fields = {
            {QStringLiteral("nummer"), Long},
            {QStringLiteral("name1"), Alpha, 29},
            {QStringLiteral("name2"), Alpha, 29},
            {QStringLiteral("name3"), Alpha, 29},
            {QStringLiteral("name4"), Alpha, 29},
            {QStringLiteral("name5"), Alpha, 29},
            {QStringLiteral("land"), Alpha, 3},
            {QStringLiteral("telefon"), Alpha, 14},
            {QStringLiteral("telefax"), Alpha, 14},
            {QStringLiteral("telex"), Alpha, 14},
            {QStringLiteral("ansprech"), Alpha, 20},
            {QStringLiteral("be"), Memo},
        },
        .primaryKey = {QStringLiteral("nummer")},
        .indexes = {
            {QStringLiteral("iName1"), {QStringLiteral("name1")}, false, true},
        },
    };
}
