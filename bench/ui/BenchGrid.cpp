// The data grid on a table of a million customers: showing it, one wheel
// notch, and the jump to the last record. Each must cost about what a table
// of a thousand rows costs, because the grid reads only the rows it shows.
// Binding it to the table counts the records once (for the scroll bar):
// that one grows with the table.
#include "platform/db/DataSource.h"
#include "platform/db/Database.h"
#include "platform/db/Table.h"
#include "platform/ui/DataGrid.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <benchmark/benchmark.h>

#include <map>
#include <memory>

namespace {

struct Store
{
    QTemporaryDir folder;
    std::unique_ptr<db::Database> database;
    std::unique_ptr<db::Table> table;
    std::unique_ptr<db::DataSource> source;
    std::unique_ptr<ui::DataGrid> grid;

    explicit Store(int rows)
    {
        database = std::make_unique<db::Database>(QStringLiteral("BenchUi%1").arg(rows));
        database->setPath(folder.path());
        database->open();
        db::TableDef def;
        def.name = QStringLiteral("Kunden");
        def.fields = {{QStringLiteral("Nummer"), db::FieldType::Long},
                      {QStringLiteral("Name"), db::FieldType::Alpha, 30},
                      {QStringLiteral("Ort"), db::FieldType::Alpha, 20},
                      {QStringLiteral("Betrag"), db::FieldType::Money}};
        def.primaryKey = {QStringLiteral("Nummer")};
        database->createTable(def);
        db::Transaction transaction(*database);
        constexpr int batch = 500;
        for (int first = 1; first <= rows; first += batch) {
            QString sql = QStringLiteral("INSERT INTO \"Kunden\" VALUES ");
            QVariantList values;
            for (int n = first; n < first + batch && n <= rows; ++n) {
                sql += values.isEmpty() ? QStringLiteral("(?,?,?,?)") : QStringLiteral(",(?,?,?,?)");
                values << n << QStringLiteral("Kunde %1").arg(n) << QStringLiteral("Hamburg") << n * 1.25;
            }
            database->execute(sql, values);
        }
        transaction.commit();
        table = std::make_unique<db::Table>(*database, QStringLiteral("Kunden"));
        table->open();
        source = std::make_unique<db::DataSource>(table.get());
        grid = std::make_unique<ui::DataGrid>();
        grid->resize(600, 600);
        grid->show();
        grid->setDataSource(source.get());
    }

    void wheelTowardsUser()
    {
        const QPointF centre(grid->viewport()->width() / 2.0, grid->viewport()->height() / 2.0);
        QWheelEvent event(centre, grid->viewport()->mapToGlobal(centre), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(grid->viewport(), &event);
        grid->refresh();
    }
};

Store &store(int rows)
{
    static std::map<int, std::unique_ptr<Store>> stores;
    auto &entry = stores[rows];
    if (!entry)
        entry = std::make_unique<Store>(rows);
    return *entry;
}

void ShowGrid(benchmark::State &state)
{
    Store &s = store(int(state.range(0)));
    for (auto _ : state) {
        s.table->first();
        s.grid->refresh();
    }
    state.counters["rows shown"] = s.grid->rowCount();
}

// Binding the grid anew also counts the records for its scroll bar.
void BindGrid(benchmark::State &state)
{
    Store &s = store(int(state.range(0)));
    s.table->first();
    for (auto _ : state) {
        s.grid->setDataSource(nullptr);
        s.grid->setDataSource(s.source.get());
    }
}

void WheelNotch(benchmark::State &state)
{
    Store &s = store(int(state.range(0)));
    s.table->first();
    s.grid->refresh();
    for (auto _ : state) {
        s.wheelTowardsUser();
        if (s.table->eof()) {
            state.PauseTiming();
            s.table->first();
            state.ResumeTiming();
        }
    }
}

void JumpToLast(benchmark::State &state)
{
    Store &s = store(int(state.range(0)));
    for (auto _ : state) {
        s.table->last();
        s.grid->refresh();
        state.PauseTiming();
        s.table->first();
        s.grid->refresh();
        state.ResumeTiming();
    }
}

BENCHMARK(ShowGrid)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BindGrid)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(WheelNotch)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(JumpToLast)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
