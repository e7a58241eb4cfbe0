#include "common/Tabelle_S_SP.h"

db::TableDef Tabelle_S_SP()
{
    using namespace Qt::StringLiterals;
    using enum db::FieldType;
    return {
        .name = u"S_SP"_s,
        .fields = {
            {u"Bezeichnung"_s, Alpha, 25},
            {u"a"_s, Alpha, 20},
            {u"d"_s, Alpha, 25},
            {u"e"_s, Alpha, 25},
            {u"f"_s, Alpha, 25},
            {u"s"_s, Alpha, 25},
        },
        .primaryKey = {u"Bezeichnung"_s},
    };
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
