// The export declaration's entry form opening on a declaration with 1 item
// and on one with 999 items: created on the register's tables (the master's
// first item read for the pre-fill, the fixed fields applied), shown with
// its item list, the event loop run until the list has drawn, and closed
// (the close query and the posts included). The large declaration must open
// about as fast as the small one: the list reads only the rows it shows.
#include "../QtBenchMain.h"
#include "common/TSR_dbGrid.h"
#include "common/Tabelle_S_PARAME.h"
#include "platform/db/Database.h"
#include "platform/db/Table.h"
#include "sad_export/Tabelle_EINFOLG.h"
#include "sad_export/Tabelle_EINHEIT.h"
#include "common/Belegformular.h"
#include "sad_export/TfrmRegieAE.h"

#include <QApplication>
#include <QDate>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

struct Store
{
    QTemporaryDir folder;
    std::unique_ptr<db::Database> database;
    std::unique_ptr<TfrmRegieAE> regie;

    Store()
    {
        database = std::make_unique<db::Database>(QStringLiteral("BenchEingabe"));
        database->setPath(folder.path());
        database->open();
        database->createTable(Tabelle_EINHEIT());
        database->createTable(Tabelle_EINFOLG());
        database->createTable(Tabelle_S_PARAME());
        db::Transaction transaction(*database);
        database->execute(QStringLiteral("INSERT INTO \"S_PARAME\" (\"ID\", \"VorschlagNr_1_1\") VALUES (1, 1)"));
        // Declaration 1 with 1 item, declaration 999 with 999 items.
        for (int nummer : {1, 999}) {
            database->execute(QStringLiteral("INSERT INTO \"EINHEIT\" (\"belegnr\", \"datum\", \"AnzPos\", \"f8_1\") "
                                             "VALUES (?, ?, ?, 'Kunde')"),
                              {nummer, QDate(2024, 5, 2), nummer});
            database->execute(QStringLiteral("WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n WHERE x < ?) "
                                             "INSERT INTO \"EINFOLG\" (\"belegnr\", \"pos\", \"f33_1\", \"f31_1\", \"f31_2\") "
                                             "SELECT ?, x, '84713000', '1 KT', 'Ware ' || x FROM n"),
                              {nummer, nummer});
        }
        transaction.commit();
        regie = std::make_unique<TfrmRegieAE>(*database);
    }
};

Store &store()
{
    static Store daten;
    return daten;
}

void BM_EntryFormOpen(benchmark::State &state)
{
    Store &daten = store();
    const int nummer = int(state.range(0));
    for (auto _ : state) {
        daten.regie->kopf().findKey({nummer});
        Belegformular form(*daten.regie, QStringLiteral("BelegNr: %1").arg(nummer));
        form.show();
        QApplication::processEvents();
        form.setModalResult(ui::ModalResult::Cancel);
        QApplication::processEvents();
        benchmark::DoNotOptimize(form.positionsliste()->rowCount());
    }
}
BENCHMARK(BM_EntryFormOpen)->Arg(1)->Arg(999)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return runQtBenchmarks(argc, argv, [] { store().regie.reset(); });
}
