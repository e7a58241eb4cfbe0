#include "Tabelle_S_REKLAU.h"

db::TableDef Tabelle_S_REKLAU()
{
    using enum db::FieldType;
    db::TableDef tabelle{
        .name = QStringLiteral("S_REKLAU"),
        .fields = {{QStringLiteral("reklaus"), Alpha, 15}},
        .primaryKey = {QStringLiteral("reklaus")},
        .indexes = {{QStringLiteral("iK1"), {QStringLiteral("k1")}, false, true}},
    };
    // Languages 1, 2, 3, 5, 4 in the store's column order.
    for (const char *sprache : {"k", "e", "f", "s", "p"}) {
        for (int zeile = 1; zeile <= 10; ++zeile)
            tabelle.fields.append({QStringLiteral("%1%2").arg(QLatin1String(sprache)).arg(zeile), Alpha, 60});
    }
    return tabelle;
}
