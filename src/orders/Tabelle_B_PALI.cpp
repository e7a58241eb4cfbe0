#include "orders/Tabelle_B_PALI.h"

db::TableDef Tabelle_B_PALI()
{
    using namespace Qt::StringLiterals;
    using enum db::FieldType;
    return {
        .name = u"B_PALI"_s,
        .fields = {
            {u"belegnr"_s, Long},
            {u"Datum"_s, Alpha, 10},
            {u"kunde1"_s, Alpha, 29},
            {u"kunde2"_s, Alpha, 29},
            {u"kunde3"_s, Alpha, 29},
            {u"kunde4"_s, Alpha, 29},
            {u"kunde5"_s, Alpha, 29},
            {u"mark1"_s, Alpha, 30},
            {u"mark2"_s, Alpha, 30},
            {u"mark3"_s, Alpha, 30},
            {u"mark4"_s, Alpha, 30},
            {u"mark5"_s, Alpha, 30},
            {u"mark6"_s, Alpha, 30},
            {u"mark7"_s, Alpha, 30},
            {u"mark8"_s, Alpha, 30},
            {u"mark9"_s, Alpha, 30},
            {u"mark10"_s, Alpha, 30},
            {u"kunde6"_s, Alpha, 29},
            {u"wabe1"_s, Alpha, 40},
            {u"wabe2"_s, Alpha, 40},
            {u"wabe3"_s, Alpha, 40},
            {u"wabe4"_s, Alpha, 40},
            {u"wabe5"_s, Alpha, 40},
            {u"wabe6"_s, Alpha, 40},
            {u"wabe7"_s, Alpha, 40},
            {u"wabe8"_s, Alpha, 40},
            {u"wabe9"_s, Alpha, 40},
            {u"wabe10"_s, Alpha, 40},
            {u"filler1"_s, Alpha, 70},
            {u"filler2"_s, Alpha, 70},
            {u"Brutto"_s, Alpha, 10},
            {u"Netto"_s, Alpha, 10},
            {u"IsLockedByUser"_s, Alpha, 1},
        },
        .primaryKey = {u"belegnr"_s},
        // The register searches by recipient.
        .indexes = {{.name = u"kunde1"_s, .fields = {u"kunde1"_s}, .caseInsensitive = true}},
    };
}
