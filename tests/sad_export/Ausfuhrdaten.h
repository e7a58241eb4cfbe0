#pragma once

// The export declaration's tables in a temporary data store, as the alias
// Z_Tavero the register opens: on SQLite, or on the PostgreSQL server
// RAZAZU_TEST_PG names, in a schema of its own.

#include "common/Tabelle_S_PARAME.h"
#include "platform/db/Database.h"
#include "platform/db/Query.h"
#include "sad_export/Tabelle_EINFOLG.h"
#include "sad_export/Tabelle_EINHEIT.h"
#include "support/TempFolder.h"

#include <QDate>
#include <QFile>
#include <QUuid>
#include <gtest/gtest.h>

enum class Speicher { SQLite, PostgreSQL };

inline std::string speicherName(const testing::TestParamInfo<Speicher> &info)
{
    return info.param == Speicher::SQLite ? "SQLite" : "PostgreSQL";
}

// Points the alias Z_Tavero at a fresh folder holding EINHEIT, EINFOLG and
// S_PARAME with its one record.
struct Ausfuhrdaten
{
    explicit Ausfuhrdaten(Speicher speicher, const QString &ordnerPfad = {})
        : datenbank(db::Database::alias(QStringLiteral("Z_Tavero")))
    {
        const QString pfad = ordnerPfad.isEmpty() ? ordner.path() : ordnerPfad;
        if (speicher == Speicher::PostgreSQL && ordnerPfad.isEmpty()) {
            QStringList zeilen = qEnvironmentVariable("RAZAZU_TEST_PG").split(u' ', Qt::SkipEmptyParts);
            schema = QStringLiteral("ae_") + QUuid::createUuid().toString(QUuid::Id128).left(12);
            zeilen << QStringLiteral("schema=") + schema;
            QFile datei(ordner.file(QStringLiteral("Z_Tavero.pg")));
            datei.open(QIODevice::WriteOnly);
            datei.write(zeilen.join(u'\n').toUtf8());
        }
        datenbank.setPath(pfad);
        datenbank.open();
        if (!ordnerPfad.isEmpty())
            return;
        datenbank.createTable(Tabelle_EINHEIT());
        datenbank.createTable(Tabelle_EINFOLG());
        datenbank.createTable(Tabelle_S_PARAME());
        datenbank.execute(QStringLiteral("INSERT INTO \"S_PARAME\" (\"ID\", \"VorschlagNr_1_1\") VALUES (1, 1)"));
    }

    ~Ausfuhrdaten()
    {
        if (!schema.isEmpty() && datenbank.isOpen()) {
            try {
                datenbank.execute(QStringLiteral("DROP SCHEMA %1 CASCADE").arg(datenbank.quote(schema)));
            } catch (...) {
            }
        }
        datenbank.close();
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

    TempFolder ordner;
    QString schema;
    db::Database &datenbank;
};

// A test suite over both stores; the PostgreSQL half is skipped without a
// server.
class AusfuhrTest : public testing::TestWithParam<Speicher>
{
protected:
    void SetUp() override
    {
        if (GetParam() == Speicher::PostgreSQL && qEnvironmentVariableIsEmpty("RAZAZU_TEST_PG"))
            GTEST_SKIP() << "RAZAZU_TEST_PG not set";
        daten = std::make_unique<Ausfuhrdaten>(GetParam());
    }
    void TearDown() override { daten.reset(); }

    std::unique_ptr<Ausfuhrdaten> daten;
};

#define AUSFUHR_TESTS(Suite) \
    INSTANTIATE_TEST_SUITE_P(Speicher, Suite, testing::Values(Speicher::SQLite, Speicher::PostgreSQL), speicherName)
