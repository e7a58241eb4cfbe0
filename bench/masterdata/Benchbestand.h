#pragma once

// A master table of many rows for the benchmarks: a SQLite store in a
// temporary folder, filled in batches, made once per size and kept while the
// program runs. The program's alias Z_Tavero points at the store in use.

#include "masterdata/Tabellen.h"

#include "common/TSR_dbGrid.h"

#include "platform/db/Database.h"

#include <QApplication>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariantList>
#include <benchmark/benchmark.h>

#include <functional>
#include <map>
#include <memory>
#include <utility>

class Benchbestand
{
public:
    // zeile(n): the values of row n (1 to rows) in the order of felder.
    Benchbestand(const QString &tabelle, const QStringList &felder, int rows,
                 const std::function<QVariantList(int)> &zeile)
    {
        db::Database &database = use();
        database.createMissingTables();
        QStringList spalten;
        for (const QString &feld : felder)
            spalten << database.quote(feld);
        const QString platz = QStringLiteral("(%1)").arg(QStringList(felder.size(), QStringLiteral("?")).join(u','));
        db::Transaction transaction(database);
        constexpr int batch = 500;
        for (int first = 1; first <= rows; first += batch) {
            QString sql =
                QStringLiteral("INSERT INTO %1 (%2) VALUES ").arg(database.quote(tabelle), spalten.join(u','));
            QVariantList values;
            for (int n = first; n < first + batch && n <= rows; ++n) {
                sql += values.isEmpty() ? platz : QLatin1Char(',') + platz;
                values << zeile(n);
            }
            database.execute(sql, values);
        }
        transaction.commit();
    }

    db::Database &use()
    {
        db::Database &database = db::Database::alias(QStringLiteral("Z_Tavero"));
        if (database.path() != folder_.path()) {
            database.setPath(folder_.path());
            database.open();
        }
        return database;
    }

    QString fileName() const { return folder_.filePath(QStringLiteral("Z_Tavero.sqlite")); }

private:
    QTemporaryDir folder_;
};

// The store of that table and size, made on first use; the alias points at it.
inline Benchbestand &benchbestand(const QString &tabelle, const QStringList &felder, int rows,
                                  const std::function<QVariantList(int)> &zeile)
{
    static std::map<std::pair<QString, int>, std::unique_ptr<Benchbestand>> bestaende;
    auto &eintrag = bestaende[{tabelle, rows}];
    if (!eintrag)
        eintrag = std::make_unique<Benchbestand>(tabelle, felder, rows, zeile);
    eintrag->use();
    return *eintrag;
}

// Opening a master form and showing its first screen of rows.
template<typename Formular>
void formularOeffnen(benchmark::State &state)
{
    for (auto _ : state) {
        Formular form;
        form.show();
        QApplication::processEvents();
        form.dbgrBenutzer->refresh();
        benchmark::DoNotOptimize(form.dbgrBenutzer->cellText(0, 0));
    }
}

// The benchmark program's main: headless unless told otherwise, with a
// program folder of its own for the forms' INI file.
inline int benchmarksAusfuehren(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir programm;
    qputenv("RAZAZU_HOME", programm.path().toUtf8());
    QApplication application(argc, argv);
    masterdata::tabellenAnmelden();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    db::Database::alias(QStringLiteral("Z_Tavero")).close();
    return 0;
}
