#include "Tabelle_S_LANDBZ.h"

db::TableDef Tabelle_S_LANDBZ()
{
    using enum db::FieldType;
    return {
        .name = QStringLiteral("S_LANDBZ"),
        .fields = {
            {QStringLiteral("Land"), Alpha, 3},
            {QStringLiteral("Bez"), Alpha, 29},
            {QStringLiteral("Landkbz"), Alpha, 6},
            {QStringLiteral("Sprache"), Alpha, 1},
            {QStringLiteral("Lkz"), Alpha, 3},
            {QStringLiteral("Zug"), Alpha, 3},
            {QStringLiteral("E"), Alpha, 29},
            {QStringLiteral("S"), Alpha, 29},
            {QStringLiteral("F"), Alpha, 29},
            {QStringLiteral("P"), Alpha, 29},
            {QStringLiteral("Grenzkz"), Alpha, 4},
            {QStringLiteral("Grenzort"), Alpha, 20},
            {QStringLiteral("Kurs"), Number},
            {QStringLiteral("Waehrung"), Alpha, 3},
            {QStringLiteral("WaerBez"), Alpha, 30},
            {QStringLiteral("Verfahren1"), Alpha, 4},
            {QStringLiteral("Verfahren2"), Alpha, 3},
            {QStringLiteral("EinzelMit"), Logical},
        },
        .primaryKey = {QStringLiteral("Land")},
        .indexes = {
            {QStringLiteral("iBez"), {QStringLiteral("Bez")}, false, true},
            {QStringLiteral("Lkz"), {QStringLiteral("Lkz")}, false, true},
        },
    };
}
