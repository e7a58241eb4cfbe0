#include "sad_export/Umwandlungen.h"

#include "common/Belegregister.h"
#include "common/Folgebeleg.h"
#include "platform/db/Database.h"
#include "platform/db/Field.h"
#include "platform/db/Query.h"
#include "platform/db/Table.h"
#include "transport/TfrmRegieCMR.h"

#include <QDate>
#include <QList>
#include <QStringList>

namespace {

// One item of the declaration as the conversions read it.
struct Ausfuhrposition
{
    QString f31_1;
    QString f31_2;
    QString f33_1;
    QString f35_1;
};

QStringList kopfZeilen(db::Table &kopf, const QString &feld, int anzahl)
{
    QStringList zeilen;
    for (int zeile = 1; zeile <= anzahl; ++zeile)
        zeilen << kopf.fieldByName(QStringLiteral("%1_%2").arg(feld).arg(zeile)).asString();
    return zeilen;
}

// Straight from the store in item order, so the entry form's item list
// keeps its place.
QList<Ausfuhrposition> positionenLesen(Belegregister &ausfuhr, qint64 nummer)
{
    db::Database &datenbank = ausfuhr.datenbank();
    const QString tabelle = datenbank.quote(datenbank.storeTableName(ausfuhr.art().tabellen.positionen));
    db::Query abfrage(datenbank, QStringLiteral("SELECT %2, %3, %4, %5 FROM %1 WHERE %6 = ? ORDER BY %7")
                                     .arg(tabelle, datenbank.quote(QStringLiteral("f31_1")),
                                          datenbank.quote(QStringLiteral("f31_2")),
                                          datenbank.quote(QStringLiteral("f33_1")),
                                          datenbank.quote(QStringLiteral("f35_1")),
                                          datenbank.quote(QStringLiteral("belegnr")),
                                          datenbank.quote(QStringLiteral("pos"))));
    abfrage.bind(0, nummer);
    QList<Ausfuhrposition> positionen;
    for (abfrage.open(); !abfrage.eof(); abfrage.next())
        positionen.append({abfrage.value(0).toString(), abfrage.value(1).toString(), abfrage.value(2).toString(),
                           abfrage.value(3).toString()});
    return positionen;
}

void zeilenSetzen(db::Table &tabelle, const QString &feld, const QStringList &werte)
{
    for (int zeile = 1; zeile <= werte.size(); ++zeile)
        tabelle.fieldByName(QStringLiteral("%1_%2").arg(feld).arg(zeile)).setAsString(werte[zeile - 1]);
}

} // namespace

Packstuecke PackstueckeTeilen(const QString &f31_1)
{
    const QString packstuecke = f31_1.isEmpty() ? QStringLiteral("0 ") : f31_1;
    const qsizetype blank = packstuecke.indexOf(QLatin1Char(' '));
    if (blank < 0)
        return {packstuecke, QString()};
    return {packstuecke.left(blank), packstuecke.mid(blank + 1)};
}

bool CmrAusAusfuhranmeldung(Belegregister &ausfuhr)
{
    db::Table &kopf = ausfuhr.kopf();
    const qint64 nummer = ausfuhr.aktuelleNummer();
    const QDate datum = kopf.fieldByName(QStringLiteral("datum")).asDate();
    const QStringList empfaenger = kopfZeilen(kopf, QStringLiteral("f8"), 5);
    const QStringList versender = kopfZeilen(kopf, QStringLiteral("f2"), 5);
    const QList<Ausfuhrposition> positionen = positionenLesen(ausfuhr, nummer);

    return FolgebelegErstellen<TfrmRegieCMR>(int(nummer), [&](Belegregister &cmr) {
        db::Table &brief = cmr.kopf();
        brief.edit();
        brief.fieldByName(QStringLiteral("DATUM")).setAsDate(datum);
        zeilenSetzen(brief, QStringLiteral("C2"), empfaenger);
        zeilenSetzen(brief, QStringLiteral("C1"), versender);
        brief.post();

        db::Table &zeilen = *cmr.positionen();
        int pos = 0;
        for (const Ausfuhrposition &position : positionen) {
            const Packstuecke packstuecke = PackstueckeTeilen(position.f31_1);
            zeilen.append();
            zeilen.fieldByName(QStringLiteral("BelegNr")).setAsInteger(int(nummer));
            zeilen.fieldByName(QStringLiteral("Pos")).setAsInteger(++pos);
            zeilen.fieldByName(QStringLiteral("C6")).setAsString(packstuecke.anzahl + QLatin1Char(' ') + packstuecke.art
                                                               + QLatin1Char(' ') + position.f31_2);
            zeilen.fieldByName(QStringLiteral("C10")).setAsString(position.f33_1);
            zeilen.fieldByName(QStringLiteral("C11")).setAsString(position.f35_1);
            zeilen.post();
        }
    });
}
