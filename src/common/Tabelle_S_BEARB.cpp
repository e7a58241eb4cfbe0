#include "Tabelle_S_BEARB.h"

db::TableDef Tabelle_S_BEARB()
{
    using db::FieldType;
    db::TableDef def;
    def.name = QStringLiteral("S_BEARB");
    def.fields = {
        {QStringLiteral("Kurzname"), FieldType::Alpha, 20},
        {QStringLiteral("Name"), FieldType::Alpha, 20},
        {QStringLiteral("Vorname"), FieldType::Alpha, 20},
        {QStringLiteral("Telefon"), FieldType::Alpha, 20},
        {QStringLiteral("UnserZeichen"), FieldType::Alpha, 15},
        {QStringLiteral("Passwort"), FieldType::Alpha, 10},
        {QStringLiteral("Funktion"), FieldType::Alpha, 30},
        {QStringLiteral("UserNr"), FieldType::Long},
    };
    def.primaryKey = {QStringLiteral("Kurzname")};
    def.indexes = {{QStringLiteral("Name"), {QStringLiteral("Name")}}};
    return def;
}

bool IstSystemverwalter(const QString &funktion)
{
    return funktion.toUpper() == FunktionSystemverwalter.toUpper();
}
