#include "Nummernvorschlag.h"

#include "platform/db/Database.h"
#include "platform/db/Query.h"
#include "platform/db/TableDef.h"

#include <algorithm>

namespace masterdata {

namespace {

bool istGanzzahlFeld(db::FieldType typ)
{
    using enum db::FieldType;
    return typ == Short || typ == Long || typ == AutoInc;
}

} // namespace

qint64 hoechsteNummer(db::Database &datenbank, const QString &tabelle, const QString &feld)
{
    const db::TableDef definition = datenbank.tableDef(tabelle);
    const auto gefunden = std::find_if(definition.fields.begin(), definition.fields.end(), [&](const db::FieldDef &f) {
        return f.name.compare(feld, Qt::CaseInsensitive) == 0;
    });
    if (gefunden == definition.fields.end())
        throw db::DatabaseError(QStringLiteral("Feld '%1' nicht gefunden").arg(feld));
    const QString spalte = datenbank.quote(gefunden->name);
    const QString von = datenbank.quote(definition.name);

    if (istGanzzahlFeld(gefunden->type)) {
        const QVariant hoechste =
            db::Query::scalar(datenbank, QStringLiteral("SELECT MAX(%1) FROM %2").arg(spalte, von));
        return hoechste.isNull() ? 0 : std::max<qint64>(0, hoechste.toLongLong());
    }
    // Text keys: every value is read, since the store compares text as text.
    db::Query abfrage(datenbank, QStringLiteral("SELECT %1 FROM %2").arg(spalte, von));
    abfrage.open();
    qint64 hoechste = 0;
    for (; !abfrage.eof(); abfrage.next()) {
        bool zahl = false;
        const qint64 wert = abfrage.value(0).toString().trimmed().toLongLong(&zahl);
        if (zahl)
            hoechste = std::max(hoechste, wert);
    }
    return hoechste;
}

qint64 naechsteNummer(db::Database &datenbank, const QString &tabelle, const QString &feld)
{
    return hoechsteNummer(datenbank, tabelle, feld) + 1;
}

} // namespace masterdata
