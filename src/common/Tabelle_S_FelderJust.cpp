#include "common/Tabelle_S_FelderJust.h"

#include "platform/db/Query.h"

db::TableDef Tabelle_S_FelderJust()
{
    db::TableDef def;
    def.name = QStringLiteral("S_FelderJust");
    def.fields << db::FieldDef{QStringLiteral("Name"), db::FieldType::Alpha, 25, 0, true};
    for (int feld = 1; feld <= 25; ++feld) {
        def.fields << db::FieldDef{QStringLiteral("Feld%1x").arg(feld), db::FieldType::Long}
                   << db::FieldDef{QStringLiteral("Feld%1y").arg(feld), db::FieldType::Long};
    }
    def.primaryKey = {QStringLiteral("Name")};
    return def;
}

QList<QPoint> S_FelderJust_Versaetze(db::Database &daten, const QString &formular)
{
    QList<QPoint> versaetze(S_FelderJust_Felder);
    db::Query abfrage(daten, QStringLiteral("SELECT * FROM \"S_FelderJust\" WHERE \"Name\" = ?"));
    abfrage.bind(0, formular);
    abfrage.open();
    if (abfrage.eof())
        return versaetze;
    for (int feld = 1; feld <= S_FelderJust_Felder; ++feld) {
        versaetze[feld - 1] = QPoint(abfrage.value(QStringLiteral("Feld%1x").arg(feld)).toInt(),
                                     abfrage.value(QStringLiteral("Feld%1y").arg(feld)).toInt());
    }
    return versaetze;
}
