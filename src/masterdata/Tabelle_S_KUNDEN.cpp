#include "Tabelle_S_KUNDEN.h"

db::TableDef Tabelle_S_KUNDEN()
{
    using enum db::FieldType;
    return {
        .name = QStringLiteral("S_KUNDEN"),
        .fields = {
            {QStringLiteral("nummer"), Long},
            {QStringLiteral("name1"), Alpha, 29},
            {QStringLiteral("name2"), Alpha, 29},
            {QStringLiteral("name3"), Alpha, 29},
            {QStringLiteral("strasse"), Alpha, 29},
            {QStringLiteral("ort"), Alpha, 29},
            {QStringLiteral("land"), Alpha, 3},
            {QStringLiteral("telefon"), Alpha, 25},
            {QStringLiteral("telefax"), Alpha, 25},
            {QStringLiteral("telex"), Alpha, 25},
            {QStringLiteral("sprache"), Alpha, 1},
            {QStringLiteral("ustnr"), Alpha, 29},
            {QStringLiteral("franka"), Alpha, 20},
            {QStringLiteral("TIN"), Alpha, 15},
            {QStringLiteral("IsDeuZoll"), Alpha, 1},
            {QStringLiteral("PLZ"), Alpha, 7},
        },
        .primaryKey = {QStringLiteral("nummer")},
        .indexes = {
            {QStringLiteral("iName1"), {QStringLiteral("name1")}, false, true},
        },
    };
}
