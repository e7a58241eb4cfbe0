#include "Tabelle_S_URZEUG.h"

db::TableDef Tabelle_S_URZEUG()
{
    using enum db::FieldType;
    return {
        .name = QStringLiteral("S_URZEUG"),
        .fields = {
            {QStringLiteral("uzklaus"), Alpha, 3},
            {QStringLiteral("land"), Alpha, 3},
            {QStringLiteral("klausel1"), Alpha, 65},
            {QStringLiteral("klausel2"), Alpha, 65},
            {QStringLiteral("klausel3"), Alpha, 65},
            {QStringLiteral("klausel4"), Alpha, 65},
            {QStringLiteral("klausel5"), Alpha, 65},
            {QStringLiteral("klausel6"), Alpha, 65},
            {QStringLiteral("klausel7"), Alpha, 65},
            {QStringLiteral("klausel8"), Alpha, 65},
            {QStringLiteral("klausel9"), Alpha, 65},
            {QStringLiteral("klausel10"), Alpha, 65},
            {QStringLiteral("klausel11"), Alpha, 65},
            {QStringLiteral("klausel12"), Alpha, 65},
            {QStringLiteral("klausel13"), Alpha, 65},
            {QStringLiteral("klausel14"), Alpha, 65},
            {QStringLiteral("klausel15"), Alpha, 65},
            {QStringLiteral("klausel16"), Alpha, 65},
            {QStringLiteral("klausel17"), Alpha, 65},
            {QStringLiteral("klausel18"), Alpha, 65},
            {QStringLiteral("klausel19"), Alpha, 65},
            {QStringLiteral("klausel20"), Alpha, 65},
        },
        .primaryKey = {QStringLiteral("uzklaus")},
        .indexes = {{QStringLiteral("iKlausel1"), {QStringLiteral("klausel1")}, false, true}},
    };
}
