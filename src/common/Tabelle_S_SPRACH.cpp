#include "Tabelle_S_SPRACH.h"

db::TableDef Tabelle_S_SPRACH()
{
    using namespace Qt::StringLiterals;
    using enum db::FieldType;
    return {
        .name = u"S_SPRACH"_s,
        .fields = {
            {u"Skz"_s, Alpha, 1},
            {u"Sprache"_s, Alpha, 15},
        },
        .primaryKey = {u"Skz"_s},
    };
}
