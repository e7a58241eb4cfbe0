#pragma once

// The export declaration's tables in a temporary data store (see
// Testspeicher).

#include "common/Tabelle_S_PARAME.h"
#include "platform/db/Query.h"
#include "sad_export/Tabelle_EINFOLG.h"
#include "sad_export/Tabelle_EINHEIT.h"
#include "support/Testspeicher.h"

#include <QDate>

// The declaration's page kinds in the print settings: the first sheet and
// the continuation sheets.
inline const QString ausfuhrErste = QStringLiteral("AUSFUHRANMELDUNG");
inline const QString ausfuhrFolge = QStringLiteral("AUSFUHRANMELDUNG - ERGÄNZ");

// EINHEIT, EINFOLG and S_PARAME with its one record.
struct Ausfuhrdaten : Testspeicher
{
    explicit Ausfuhrdaten(Speicher speicher, const QString &ordnerPfad = {}) : Testspeicher(speicher, ordnerPfad)
    {
        if (!ordnerPfad.isEmpty())
            return;
        datenbank.createTable(Tabelle_EINHEIT());
        datenbank.createTable(Tabelle_EINFOLG());
        datenbank.createTable(Tabelle_S_PARAME());
        datenbank.execute(QStringLiteral("INSERT INTO \"S_PARAME\" (\"ID\", \"VorschlagNr_1_1\") VALUES (1, 1)"));
    }

    void erklaerung(int nummer, const QString &empfaenger, int positionen = 0, const QDate &datum = QDate(2024, 5, 2))
    {
        datenbank.execute(QStringLiteral("INSERT INTO \"EINHEIT\" (\"belegnr\", \"datum\", \"AnzPos\", \"f8_1\", "
                                         "\"AENR\", \"NV_TicketNr\") VALUES (?, ?, ?, ?, ?, ?)"),
                          {nummer, datum, positionen, empfaenger, QStringLiteral("AE%1").arg(nummer),
                           QStringLiteral("Ticket %1").arg(nummer)});
        for (int pos = 1; pos <= positionen; ++pos)
            datenbank.execute(QStringLiteral("INSERT INTO \"EINFOLG\" (\"belegnr\", \"pos\", \"f33_1\") VALUES (?, ?, ?)"),
                              {nummer, pos, QStringLiteral("8471%1").arg(pos)});
    }

    void vorschlagSetzen(int wert)
    {
        datenbank.execute(QStringLiteral("UPDATE \"S_PARAME\" SET \"VorschlagNr_1_1\" = ?"), {wert});
    }

    int zahl(const QString &sql, const QVariantList &werte = {})
    {
        return db::Query::scalar(datenbank, sql, werte).toInt();
    }
    int vorschlag() { return zahl(QStringLiteral("SELECT \"VorschlagNr_1_1\" FROM \"S_PARAME\"")); }
    int koepfe(int nummer)
    {
        return zahl(QStringLiteral("SELECT COUNT(*) FROM \"EINHEIT\" WHERE \"belegnr\" = ?"), {nummer});
    }
    int positionen(int nummer)
    {
        return zahl(QStringLiteral("SELECT COUNT(*) FROM \"EINFOLG\" WHERE \"belegnr\" = ?"), {nummer});
    }
};

using AusfuhrTest = SpeicherTest<Ausfuhrdaten>;

#define AUSFUHR_TESTS(Suite) SPEICHER_TESTS(Suite)
