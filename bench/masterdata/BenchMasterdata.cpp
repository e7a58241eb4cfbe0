// A master form on a large code table. Opening the customs offices' form and
// showing its first screen of rows must cost on 100,000 records no more than
// twice what it costs on 100, since the list reads only the rows it shows.
// A prefix search through the form's filter, up to the list showing its
// first screen, must stay within three times the same query on the raw store
// (SQLite's C API, statement prepared each time as the filter's is), both
// reading the first screen of matches.
#include "Benchbestand.h"

#include "masterdata/Zoll.h"

#include "common/TSR_dbGrid.h"
#include "common/TfrmSuche.h"

#include "platform/db/Database.h"
#include "platform/db/Table.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <stdexcept>

namespace {

constexpr int screenRows = 20;

Benchbestand &store(int rows)
{
    return benchbestand(QStringLiteral("S_ZOLLST"),
                        {QStringLiteral("Zollst"), QStringLiteral("Art"), QStringLiteral("Ort"), QStringLiteral("Tart")},
                        rows, [](int n) -> QVariantList {
                            return {QStringLiteral("DE%1").arg(n, 7, 10, QLatin1Char('0')), QStringLiteral("Binnen"),
                                    QStringLiteral("Ort %1").arg(n), QStringLiteral("3")};
                        });
}

void OpenMasterForm(benchmark::State &state)
{
    store(int(state.range(0)));
    formularOeffnen<TfrmZoll>(state);
}

// What a clerk waits for after "Suchen": the form's search filters the
// table, and the list shows its first screen of what it found (the grid
// reads its rows once the event loop runs). Two texts in turn, so that each
// search finds other rows than the one before. The form is laid out tall
// enough for a screen of rows and then hidden: painting is Qt's and would
// swamp both sides alike.
const char *const suchtexte[] = {"ort 1234", "ort 4321"};

void PrefixSearchThroughTheForm(benchmark::State &state)
{
    store(int(state.range(0)));
    TfrmZoll form;
    TSR_dbGrid &grid = *form.dbgrBenutzer;
    form.show();
    QApplication::processEvents();
    while (grid.visibleRowCount() < screenRows) {
        form.resize(form.width(), form.height() + 100);
        QApplication::processEvents();
    }
    form.hide();
    db::Table &table = *form.Table1;
    // As the search dialog leaves the table.
    table.setFilterCaseInsensitive(true);
    const Suchkriterium ort{QStringLiteral("Ort"), QStringLiteral("Ort"), true, 0};
    const QString bedingungen[] = {suchFilter(ort, QString::fromLatin1(suchtexte[0])),
                                   suchFilter(ort, QString::fromLatin1(suchtexte[1]))};
    const int columns = int(grid.columns().size());
    int ortSpalte = 0;
    while (ortSpalte < columns && grid.columns().at(ortSpalte).fieldName != QLatin1String("Ort"))
        ++ortSpalte;
    int found = 0;
    int next = 0;
    for (auto _ : state) {
        suchfilterSetzen(table, bedingungen[next], QString(), false);
        next = 1 - next;
        QApplication::processEvents();
        found = grid.rowCount();
        for (int row = 0; row < found; ++row) {
            for (int column = 0; column < columns; ++column)
                benchmark::DoNotOptimize(grid.cellText(row, column));
        }
        const QString gesucht = QString::fromLatin1(suchtexte[1 - next]);
        if (found == 0 || !grid.cellText(0, ortSpalte).startsWith(gesucht, Qt::CaseInsensitive))
            state.SkipWithError("the list does not show what was found");
    }
    state.counters["found"] = found;
    state.counters["screen"] = grid.visibleRowCount();
}

// The raw store, once with the query as one would write it (LIKE, which
// SQLite answers from the case-insensitive index on Ort) and once with the
// bare case-insensitive prefix test, which no index serves: the filter
// translation adds a NOCASE range to it so that the index serves it.
void rawPrefixSearch(benchmark::State &state, const char *sql, bool prefix)
{
    Benchbestand &s = store(int(state.range(0)));
    sqlite3 *raw = nullptr;
    if (sqlite3_open_v2(s.fileName().toUtf8().constData(), &raw, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
        throw std::runtime_error("open");
    const std::string texte[] = {std::string(suchtexte[0]) + (prefix ? "%" : ""),
                                 std::string(suchtexte[1]) + (prefix ? "%" : "")};
    int found = 0;
    int next = 0;
    for (auto _ : state) {
        sqlite3_stmt *statement = nullptr;
        sqlite3_prepare_v2(raw, sql, -1, &statement, nullptr);
        sqlite3_bind_text(statement, 1, texte[next].c_str(), -1, SQLITE_STATIC);
        sqlite3_bind_int(statement, 2, screenRows);
        next = 1 - next;
        found = 0;
        while (sqlite3_step(statement) == SQLITE_ROW) {
            for (int column = 0; column < 4; ++column)
                benchmark::DoNotOptimize(QString::fromUtf8(
                    reinterpret_cast<const char *>(sqlite3_column_text(statement, column))));
            ++found;
        }
        sqlite3_finalize(statement);
    }
    sqlite3_close(raw);
    state.counters["found"] = found;
}

void PrefixSearchOnTheRawStore(benchmark::State &state)
{
    rawPrefixSearch(state, "SELECT \"Zollst\", \"Art\", \"Ort\", \"Tart\" FROM \"S_ZOLLST\" "
                           "WHERE \"Ort\" LIKE ? ORDER BY \"Zollst\" LIMIT ?",
                    true);
}

void PrefixSearchOnTheRawStoreAsTheFilterWritesIt(benchmark::State &state)
{
    rawPrefixSearch(state, "SELECT \"Zollst\", \"Art\", \"Ort\", \"Tart\" FROM \"S_ZOLLST\" "
                           "WHERE lower(substr(\"Ort\", 1, 8)) = lower(?) ORDER BY \"Zollst\" LIMIT ?",
                    false);
}

BENCHMARK(OpenMasterForm)->Arg(100)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(PrefixSearchThroughTheForm)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(PrefixSearchOnTheRawStore)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(PrefixSearchOnTheRawStoreAsTheFilterWritesIt)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return benchmarksAusfuehren(argc, argv);
}
