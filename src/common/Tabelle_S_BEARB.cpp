#include "Tabelle_S_BEARB.h"

db::TableDef Tabelle_S_BEARB()
{
    using namespace Qt::StringLiterals;
    using enum db::FieldType;
    return {
        .name = u"S_BEARB"_s,
        .fields = {
            {u"Kurzname"_s, Alpha, 20},
            {u"Name"_s, Alpha, 20},
            {u"Vorname"_s, Alpha, 20},
            {u"Telefon"_s, Alpha, 20},
            {u"UnserZeichen"_s, Alpha, 15},
            {u"Passwort"_s, Alpha, 10},
            {u"Funktion"_s, Alpha, 30},
            {u"UserNr"_s, Long},
        },
        .primaryKey = {u"Kurzname"_s},
        .indexes = {{u"Name"_s, {u"Name"_s}}},
    };
}

bool IstSystemverwalter(const QString &funktion)
{
    return funktion.toUpper() == FunktionSystemverwalter.toUpper();
}
