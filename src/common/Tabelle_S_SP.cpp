#include "common/Tabelle_S_SP.h"

db::TableDef Tabelle_S_SP()
{
    db::TableDef def;
    def.name = QStringLiteral("S_SP");
    def.fields << db::FieldDef{QStringLiteral("Bezeichnung"), db::FieldType::Alpha, 25}
               << db::FieldDef{QStringLiteral("a"), db::FieldType::Alpha, 20}
               << db::FieldDef{QStringLiteral("d"), db::FieldType::Alpha, 25}
               << db::FieldDef{QStringLiteral("e"), db::FieldType::Alpha, 25}
               << db::FieldDef{QStringLiteral("f"), db::FieldType::Alpha, 25}
               << db::FieldDef{QStringLiteral("s"), db::FieldType::Alpha, 25};
    def.primaryKey = {QStringLiteral("Bezeichnung")};
    return def;
}

QString S_SP_Spalte(const QString &sprachkennzeichen)
{
    const QString kennzeichen = sprachkennzeichen.trimmed().toUpper();
    if (kennzeichen == QLatin1String("D"))
        return QStringLiteral("a");
    if (kennzeichen == QLatin1String("E"))
        return QStringLiteral("d");
    if (kennzeichen == QLatin1String("F"))
        return QStringLiteral("e");
    if (kennzeichen == QLatin1String("P"))
        return QStringLiteral("f");
    if (kennzeichen == QLatin1String("S"))
        return QStringLiteral("s");
    return {};
}
