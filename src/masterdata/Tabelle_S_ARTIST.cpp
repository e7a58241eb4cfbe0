#include "Tabelle_S_ARTIST.h"

db::TableDef Tabelle_S_ARTIST()
{
    using enum db::FieldType;
    db::TableDef tabelle{
        .name = QStringLiteral("S_ARTIST"),
        .fields = {
            {QStringLiteral("artikel"), Alpha, 20},
            {QStringLiteral("waren"), Alpha, 8},
        },
        .primaryKey = {QStringLiteral("artikel")},
        .indexes = {
            {QStringLiteral("iBez1"), {QStringLiteral("bez1")}, false, true},
        },
    };
    const auto zeilen = [&tabelle](const QString &sprache, int von, int bis) {
        for (int zeile = von; zeile <= bis; ++zeile)
            tabelle.fields.append({sprache + QString::number(zeile), Alpha, 40});
    };
    // The stored field order: lines 1 to 4 of German, French, Spanish and
    // Portuguese, then their lines 5 and 6, and English after the country.
    for (const char *sprache : {"bez", "f", "s", "p"})
        zeilen(QLatin1String(sprache), 1, 4);
    for (const char *sprache : {"bez", "f", "s", "p"})
        zeilen(QLatin1String(sprache), 5, 6);
    tabelle.fields.append({QStringLiteral("preis"), Number});
    tabelle.fields.append({QStringLiteral("netto"), Number});
    tabelle.fields.append({QStringLiteral("urland"), Alpha, 3});
    zeilen(QStringLiteral("E"), 1, 6);
    tabelle.fields.append({QStringLiteral("Praefberech"), Logical});
    return tabelle;
}
