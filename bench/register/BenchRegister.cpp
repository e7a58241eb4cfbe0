// The export declaration's register opening on 100 declarations with 1,000
// items and on 100,000 declarations with 1,000,000 items: creating it (the
// tables opened exclusively, the master record checked), showing it with
// its list, the event loop run until the list has drawn, and closing it.
// The large store must open about as fast as the small one, since opening
// reads no more than the rows the list shows.
#include "../QtBenchMain.h"
#include "common/Tabelle_S_PARAME.h"
#include "platform/db/Database.h"
#include "sad_export/Tabelle_EINFOLG.h"
#include "sad_export/Tabelle_EINHEIT.h"
#include "sad_export/TfrmRegieAE.h"

#include <QApplication>
#include <QDate>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <map>
#include <memory>

namespace {

struct Store
{
    QTemporaryDir folder;
    std::unique_ptr<db::Database> database;

    explicit Store(int declarations)
    {
        database = std::make_unique<db::Database>(QStringLiteral("BenchRegister%1").arg(declarations));
        database->setPath(folder.path());
        database->open();
        database->createTable(Tabelle_EINHEIT());
        database->createTable(Tabelle_EINFOLG());
        database->createTable(Tabelle_S_PARAME());
        db::Transaction transaction(*database);
        database->execute(QStringLiteral("INSERT INTO \"S_PARAME\" (\"ID\", \"VorschlagNr_1_1\") VALUES (1, 1)"));
        database->execute(QStringLiteral("WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n WHERE x < ?) "
                                         "INSERT INTO \"EINHEIT\" (\"belegnr\", \"datum\", \"AnzPos\", \"f8_1\", \"AENR\") "
                                         "SELECT x, ?, 10, 'Kunde ' || x, 'AE' || x FROM n"),
                          {declarations, QDate(2024, 5, 2)});
        database->execute(QStringLiteral("WITH RECURSIVE n(x) AS (SELECT 0 UNION ALL SELECT x + 1 FROM n WHERE x < ?) "
                                         "INSERT INTO \"EINFOLG\" (\"belegnr\", \"pos\", \"f33_1\") "
                                         "SELECT x / 10 + 1, x % 10 + 1, '84713000' FROM n"),
                          {declarations * 10 - 1});
        transaction.commit();
        // The master record and its item exist before timing starts.
        TfrmRegieAE first(*database);
    }
};

// Freed before the application ends (see main).
std::map<int, std::unique_ptr<Store>> stores;

Store &store(int declarations)
{
    auto &entry = stores[declarations];
    if (!entry)
        entry = std::make_unique<Store>(declarations);
    return *entry;
}

void BM_RegisterOpen(benchmark::State &state)
{
    Store &daten = store(int(state.range(0)));
    for (auto _ : state) {
        TfrmRegieAE regie(*daten.database);
        regie.show();
        QApplication::processEvents();
        regie.setModalResult(ui::ModalResult::Cancel);
        QApplication::processEvents();
        benchmark::DoNotOptimize(regie.kopf().field(0).asInteger());
    }
}
BENCHMARK(BM_RegisterOpen)->Arg(100)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return runQtBenchmarks(argc, argv, [] { stores.clear(); });
}
