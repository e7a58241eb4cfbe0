#pragma once

// A data directory with the master-data tables, on SQLite or, when
// RAZAZU_TEST_PG names a server, on PostgreSQL in a schema of its own. The
// forms reach it through the alias Z_Tavero, as in the program.

#include "common/Programmordner.h"
#include "common/Tabellen.h"
#include "masterdata/Tabellen.h"
#include "support/ModalForms.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

#include "platform/db/Database.h"
#include "platform/db/Query.h"
#include "platform/db/Schema.h"

#include <QFile>
#include <QUuid>
#include <gtest/gtest.h>

enum class Speicher { SQLite, PostgreSQL };

inline std::string speicherName(const testing::TestParamInfo<Speicher> &info)
{
    return info.param == Speicher::SQLite ? "SQLite" : "PostgreSQL";
}

// S_TEST: a master with a number key, as the address masters have, a long
// text code, a check box and a country.
inline db::TableDef Tabelle_S_TEST()
{
    using enum db::FieldType;
    return {
        .name = QStringLiteral("S_TEST"),
        .fields = {
            {QStringLiteral("Nummer"), Long},
            {QStringLiteral("Name"), Alpha, 30},
            {QStringLiteral("Kennung"), Alpha, 15},
            {QStringLiteral("Aktiv"), Alpha, 1},
            {QStringLiteral("Land"), Alpha, 3},
        },
        .primaryKey = {QStringLiteral("Nummer")},
        .indexes = {{QStringLiteral("iName"), {QStringLiteral("Name")}, false, true}},
    };
}

class Stammdatenbestand : public testing::TestWithParam<Speicher>
{
protected:
    void SetUp() override
    {
        if (GetParam() == Speicher::PostgreSQL && qEnvironmentVariableIsEmpty("RAZAZU_TEST_PG"))
            GTEST_SKIP() << "RAZAZU_TEST_PG ist nicht gesetzt";
        if (GetParam() == Speicher::PostgreSQL) {
            QStringList zeilen = qEnvironmentVariable("RAZAZU_TEST_PG").split(u' ', Qt::SkipEmptyParts);
            schema_ = QStringLiteral("md_") + QUuid::createUuid().toString(QUuid::Id128).left(12);
            zeilen << QStringLiteral("schema=") + schema_;
            QFile datei(ordner.file(QStringLiteral("Z_Tavero.pg")));
            ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
            datei.write(zeilen.join(u'\n').toUtf8());
        }
        common::tabellenAnmelden();
        masterdata::tabellenAnmelden();
        db::Schema::registerTable(QStringLiteral("Z_Tavero"), Tabelle_S_TEST());
        datenbank().setPath(ordner.path());
        datenbank().open();
        datenbank().createMissingTables();
    }

    void TearDown() override
    {
        if (!schema_.isEmpty() && datenbank().isOpen()) {
            try {
                datenbank().execute(QStringLiteral("DROP SCHEMA %1 CASCADE").arg(datenbank().quote(schema_)));
            } catch (...) {
            }
        }
        datenbank().close();
    }

    static db::Database &datenbank() { return db::Database::alias(QStringLiteral("Z_Tavero")); }

    // Rows of values in the table's field order (the leading fields).
    void anlegen(const QString &tabelle, const QStringList &felder, const QList<QVariantList> &zeilen)
    {
        QStringList spalten;
        QStringList platz;
        for (const QString &feld : felder) {
            spalten << datenbank().quote(feld);
            platz << QStringLiteral("?");
        }
        const QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                .arg(datenbank().quote(tabelle), spalten.join(u','), platz.join(u','));
        db::Transaction transaktion(datenbank());
        for (const QVariantList &zeile : zeilen)
            datenbank().execute(sql, zeile);
        transaktion.commit();
    }

    int anzahl(const QString &tabelle, const QString &bedingung = QString(), const QVariantList &werte = {})
    {
        QString sql = QStringLiteral("SELECT COUNT(*) FROM %1").arg(datenbank().quote(tabelle));
        if (!bedingung.isEmpty())
            sql += QStringLiteral(" WHERE ") + bedingung;
        return db::Query::scalar(datenbank(), sql, werte).toInt();
    }

    QVariant wert(const QString &sql, const QVariantList &werte = {})
    {
        return db::Query::scalar(datenbank(), sql, werte);
    }

    // The parameter record with the names of the document languages.
    void sprachnamen(const QStringList &namen)
    {
        QStringList felder{QStringLiteral("ID")};
        QVariantList werte{1};
        for (int i = 0; i < namen.size(); ++i) {
            felder << QStringLiteral("Sprache%1").arg(i + 1);
            werte << namen[i];
        }
        anlegen(QStringLiteral("S_PARAME"), felder, {werte});
    }

    TempFolder ordner;
    // Forms keep choices in the program folder's INI file.
    Programmordner programm;
    ScriptedDialogs dialoge;
    ModalForms formulare;

private:
    QString schema_;
};
