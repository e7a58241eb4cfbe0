// The data grid on a table of a million customers: showing it, one wheel
// notch, the jump to the last record, and standing at record 1,000 or near
// record 1,000,000: moving one row, and a jump there until the scroll bar
// shows the position. Each must cost about what a table of a thousand rows
// (or a place near its start) costs, because the grid reads only the rows it
// shows. Binding it to the table counts the records once (for the scroll
// bar): that one grows with the table. Every step runs the event loop until
// the grid's deferred work is done, as a clerk waits for it.
#include "../QtBenchMain.h"
#include "platform/db/DataSource.h"
#include "platform/db/Database.h"
#include "platform/db/Table.h"
#include "platform/ui/DataGrid.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QWheelEvent>
#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <stdexcept>

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
        settle();
    }

    // Runs the event loop until the grid has shown the current record and,
    // where wanted, its scroll bar stands at position (1-based).
    void settle(int position = 0)
    {
        QScrollBar *bar = grid->findChild<QScrollBar *>(QStringLiteral("recordScrollBar"));
        QElapsedTimer clock;
        clock.start();
        // Wakes the loop now and then: waiting for more events would
        // otherwise sleep once everything is done.
        QTimer wake;
        wake.start(1);
        for (;;) {
            QCoreApplication::sendPostedEvents();
            QCoreApplication::processEvents(QEventLoop::AllEvents);
            const bool shown = grid->rowCount() > 0 && grid->currentRecordRow() >= 0;
            if (shown && (position == 0 || (grid->recordPosition() == position && bar->value() == position - 1)))
                break;
            if (clock.elapsed() > 10000)
                throw std::runtime_error("the grid did not come to rest");
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
    }
};

// Dropped in main, while the application object still exists.
std::map<int, std::unique_ptr<Store>> stores;

Store &store(int rows)
{
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
        s.settle(1);
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
        s.settle(1);
    }
}

void WheelNotch(benchmark::State &state)
{
    Store &s = store(int(state.range(0)));
    s.table->first();
    s.settle(1);
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
        s.settle(int(state.range(0)));
        state.PauseTiming();
        s.table->first();
        s.settle(1);
        state.ResumeTiming();
    }
}

// The table of a million rows, the grid standing at record `row`, more than
// a screen from either end: one row down and back up, each until the grid
// shows the record and its place.
void MoveOneRow(benchmark::State &state)
{
    Store &s = store(1000000);
    const int row = int(state.range(0));
    s.table->findKey({row});
    s.settle(row);
    for (auto _ : state) {
        s.table->next();
        s.settle(row + 1);
        s.table->prior();
        s.settle(row);
    }
}

// A jump to record `row` (as a search does) until the scroll bar shows where
// it stands; the grid asks for the position once things come to rest.
void ShowPosition(benchmark::State &state)
{
    Store &s = store(1000000);
    const int row = int(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        s.table->first();
        s.settle(1);
        state.ResumeTiming();
        s.table->findKey({row});
        s.settle(row);
    }
}

BENCHMARK(ShowGrid)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BindGrid)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(WheelNotch)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(JumpToLast)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(MoveOneRow)->Arg(1000)->Arg(999900)->Unit(benchmark::kMicrosecond);
BENCHMARK(ShowPosition)->Arg(1000)->Arg(999900)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return runQtBenchmarks(argc, argv, [] { stores.clear(); });
}
