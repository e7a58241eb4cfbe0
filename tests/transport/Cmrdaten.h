#pragma once

// The CMR's tables in a temporary data store (see Testspeicher), with
// S_PARAME's one record.

#include "common/Tabelle_S_PARAME.h"
#include "platform/db/Query.h"
#include "support/Testspeicher.h"
#include "transport/Tabelle_CMR.h"
#include "transport/Tabelle_Cmrfolg.h"

#include <QDate>

struct Cmrdaten : Testspeicher
{
    explicit Cmrdaten(Speicher speicher) : Testspeicher(speicher)
    {
        datenbank.createTable(Tabelle_CMR());
        datenbank.createTable(Tabelle_Cmrfolg());
        datenbank.createTable(Tabelle_S_PARAME());
        datenbank.execute(QStringLiteral("INSERT INTO \"S_PARAME\" (\"ID\", \"VorschlagNr_10\") VALUES (1, 1)"));
    }
    // A note with its consignee, a tunnel code, an issue date, a lock mark
    // and `zeilen` lines "Kiste 1" ...
    void frachtbrief(int nummer, const QString &empfaenger, int zeilen = 0)
    {
        datenbank.execute(QStringLiteral("INSERT INTO \"CMR\" (\"BELEGNR\", \"DATUM\", \"Positionen\", \"C1_1\", "
                                         "\"C2_1\", \"TUCode\", \"C21_2\", \"NAT\", \"IsLockedByUser\") "
                                         "VALUES (?, ?, ?, 'Absender', ?, 'E', '01.03.2024', 'J', 'X')"),
                          {nummer, QDate(2024, 3, 1), zeilen, empfaenger});
        for (int pos = 1; pos <= zeilen; ++pos)
            datenbank.execute(QStringLiteral("INSERT INTO \"Cmrfolg\" VALUES (?, ?, ?, '84713000', '12', '0,5')"),
                              {nummer, pos, QStringLiteral("Kiste %1").arg(pos)});
    }
    QVariant wert(const QString &sql, const QVariantList &werte = {})
    {
        return db::Query::scalar(datenbank, sql, werte);
    }
    QString kopf(int nummer, const QString &feld)
    {
        return wert(QStringLiteral("SELECT \"%1\" FROM \"CMR\" WHERE \"BELEGNR\" = ?").arg(feld), {nummer})
            .toString().trimmed();
    }
    int zeilen(int nummer)
    {
        return wert(QStringLiteral("SELECT COUNT(*) FROM \"Cmrfolg\" WHERE \"BelegNr\" = ?"), {nummer}).toInt();
    }
    int vorschlag() { return wert(QStringLiteral("SELECT \"VorschlagNr_10\" FROM \"S_PARAME\"")).toInt(); }
    void setzen(const QString &sql, const QVariantList &werte = {}) { datenbank.execute(sql, werte); }
};

using CmrTest = SpeicherTest<Cmrdaten>;
