#include "orders/Tabelle_B_PALI2.h"

db::TableDef Tabelle_B_PALI2()
{
    using namespace Qt::StringLiterals;
    using enum db::FieldType;
    return {
        .name = u"B_PALI2"_s,
        .fields = {
            {u"belegnr"_s, Long},
            {u"auftrnr"_s, Alpha, 6},
            {u"datu"_s, Date},
            {u"packstnr"_s, Short},
            {u"packart"_s, Alpha, 3},
            {u"bez"_s, Alpha, 10},
            {u"brutto"_s, Number},
            {u"netto"_s, Number},
            {u"laenge"_s, Short},
            {u"breite"_s, Short},
            {u"hoehe"_s, Short},
            {u"m3"_s, Number},
            {u"anzahl"_s, Short},
            {u"tara"_s, Number},
            {u"contents"_s, Memo},
            {u"Text"_s, Memo},
        },
        // No primary key: the store's row number keeps the lines in the order
        // written; the index on belegnr finds a packing list's lines.
        .indexes = {{u"belegnr"_s, {u"belegnr"_s}}},
    };
}
