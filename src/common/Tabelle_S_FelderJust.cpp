#include "common/Tabelle_S_FelderJust.h"

#include "platform/db/Query.h"

db::TableDef Tabelle_S_FelderJust()
{
    using namespace Qt::StringLiterals;
    using enum db::FieldType;
    return {
        .name = u"S_FelderJust"_s,
        .fields = {
            {.name = u"Name"_s, .type = Alpha, .size = 25, .required = true},
            {u"Feld1x"_s, Long}, {u"Feld1y"_s, Long},
            {u"Feld2x"_s, Long}, {u"Feld2y"_s, Long},
            {u"Feld3x"_s, Long}, {u"Feld3y"_s, Long},
            {u"Feld4x"_s, Long}, {u"Feld4y"_s, Long},
            {u"Feld5x"_s, Long}, {u"Feld5y"_s, Long},
            {u"Feld6x"_s, Long}, {u"Feld6y"_s, Long},
            {u"Feld7x"_s, Long}, {u"Feld7y"_s, Long},
            {u"Feld8x"_s, Long}, {u"Feld8y"_s, Long},
            {u"Feld9x"_s, Long}, {u"Feld9y"_s, Long},
            {u"Feld10x"_s, Long}, {u"Feld10y"_s, Long},
            {u"Feld11x"_s, Long}, {u"Feld11y"_s, Long},
            {u"Feld12x"_s, Long}, {u"Feld12y"_s, Long},
            {u"Feld13x"_s, Long}, {u"Feld13y"_s, Long},
            {u"Feld14x"_s, Long}, {u"Feld14y"_s, Long},
            {u"Feld15x"_s, Long}, {u"Feld15y"_s, Long},
            {u"Feld16x"_s, Long}, {u"Feld16y"_s, Long},
            {u"Feld17x"_s, Long}, {u"Feld17y"_s, Long},
            {u"Feld18x"_s, Long}, {u"Feld18y"_s, Long},
            {u"Feld19x"_s, Long}, {u"Feld19y"_s, Long},
            {u"Feld20x"_s, Long}, {u"Feld20y"_s, Long},
            {u"Feld21x"_s, Long}, {u"Feld21y"_s, Long},
            {u"Feld22x"_s, Long}, {u"Feld22y"_s, Long},
            {u"Feld23x"_s, Long}, {u"Feld23y"_s, Long},
            {u"Feld24x"_s, Long}, {u"Feld24y"_s, Long},
            {u"Feld25x"_s, Long}, {u"Feld25y"_s, Long},
        },
        .primaryKey = {u"Name"_s},
    };
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
