#include "Tabelle_S_ZABEDG.h"

db::TableDef Tabelle_S_ZABEDG()
{
    using enum db::FieldType;
    db::TableDef tabelle{
        .name = QStringLiteral("S_ZABEDG"),
        .fields = {{QStringLiteral("zabedg"), Alpha, 8}},
        .primaryKey = {QStringLiteral("zabedg")},
        .indexes = {{QStringLiteral("iT1"), {QStringLiteral("t1")}, false, true}},
    };
    // Languages 1, 2, 3, 5, 4 in the store's column order.
    for (const char *sprache : {"t", "e", "f", "s", "p"}) {
        for (int zeile = 1; zeile <= 5; ++zeile)
            tabelle.fields.append({QStringLiteral("%1%2").arg(QLatin1String(sprache)).arg(zeile), Alpha, 60});
    }
    return tabelle;
}
