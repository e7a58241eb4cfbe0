// The goods numbers on a large table. Type-ahead: each keystroke sets the
// prefix filter on the goods number and positions on the first match, and
// must stay within three times the same query on the raw store (SQLite's C
// API, statement prepared each time as the filter's is, reading the first
// match's fields), and flat between 20,000 and 200,000 rows. The picker's
// type-ahead (one letter, nearest description) is measured alike. Opening
// the goods-number form on 200,000 rows must cost no more than twice what
// it costs on 200.
#include "Benchbestand.h"

#include "masterdata/Ware.h"
#include "masterdata/Ware_e.h"

#include "common/TSR_dbGrid.h"

#include "platform/db/Database.h"
#include "platform/db/Table.h"

#include <QApplication>
#include <QKeyEvent>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <stdexcept>

namespace {

// Goods numbers spread over the eight digits, descriptions over the alphabet.
QString warenNummer(int n)
{
    return QStringLiteral("%1").arg((qint64(n) * 7919) % 100000000, 8, 10, QLatin1Char('0'));
}

QString bezeichnung(int n)
{
    return QStringLiteral("%1are %2").arg(QChar(u'A' + n % 26)).arg(n);
}

Benchbestand &warenStore(int rows)
{
    return benchbestand(QStringLiteral("S_WARENN"),
                        {QStringLiteral("waren"), QStringLiteral("bez1"), QStringLiteral("bez2"), QStringLiteral("Land"),
                         QStringLiteral("Waren2")},
                        rows, [](int n) -> QVariantList {
                            return {warenNummer(n), bezeichnung(n), QStringLiteral("Zeile zwei"), QStringLiteral("DE"),
                                    QStringLiteral("00")};
                        });
}

// The keystrokes of typing the goods number of a row in the middle.
QStringList tastenfolge(int rows)
{
    const QString ziel = warenNummer(rows / 2);
    QStringList folge;
    for (int laenge = 1; laenge <= ziel.size(); ++laenge)
        folge << ziel.left(laenge);
    return folge;
}

void readFirstRow(db::Table &table)
{
    for (db::Field *field : table.fields())
        benchmark::DoNotOptimize(field->asString());
}

void TypeAheadThroughTheTable(benchmark::State &state)
{
    const int rows = int(state.range(0));
    warenStore(rows);
    const QStringList folge = tastenfolge(rows);
    db::Table table(db::Database::alias(QStringLiteral("Z_Tavero")), QStringLiteral("S_WARENN"));
    table.setFilterCaseInsensitive(true);
    table.setIndexName(QStringLiteral("iware"));
    table.open();
    for (auto _ : state) {
        for (const QString &getippt : folge) {
            table.setFiltered(false);
            table.setFilter(QStringLiteral("Waren = '%1*'").arg(getippt));
            table.setFiltered(true);
            table.first();
            readFirstRow(table);
        }
    }
    state.SetItemsProcessed(state.iterations() * folge.size());
}

// The raw store: per keystroke a statement prepared with the typed text,
// reading the first row's fields, as the table does.
void rawKeystrokes(benchmark::State &state, const char *sql, const QStringList &parameter)
{
    Benchbestand &s = warenStore(int(state.range(0)));
    sqlite3 *raw = nullptr;
    if (sqlite3_open_v2(s.fileName().toUtf8().constData(), &raw, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
        throw std::runtime_error("open");
    QList<QByteArray> texte;
    for (const QString &text : parameter)
        texte << text.toUtf8();
    for (auto _ : state) {
        for (const QByteArray &text : std::as_const(texte)) {
            sqlite3_stmt *statement = nullptr;
            sqlite3_prepare_v2(raw, sql, -1, &statement, nullptr);
            sqlite3_bind_text(statement, 1, text.constData(), int(text.size()), SQLITE_STATIC);
            if (sqlite3_step(statement) == SQLITE_ROW) {
                for (int column = 0; column < sqlite3_column_count(statement); ++column)
                    benchmark::DoNotOptimize(QString::fromUtf8(
                        reinterpret_cast<const char *>(sqlite3_column_text(statement, column))));
            }
            sqlite3_finalize(statement);
        }
    }
    sqlite3_close(raw);
    state.SetItemsProcessed(state.iterations() * texte.size());
}

void TypeAheadOnTheRawStore(benchmark::State &state)
{
    QStringList muster;
    for (const QString &getippt : tastenfolge(int(state.range(0))))
        muster << getippt + QLatin1Char('%');
    rawKeystrokes(state, "SELECT * FROM \"S_WARENN\" WHERE \"waren\" LIKE ? ORDER BY \"waren\" COLLATE NOCASE LIMIT 1",
                  muster);
}

// The picker: a letter moves to the first description at or after it.
void PickerTypeAhead(benchmark::State &state)
{
    warenStore(int(state.range(0)));
    TfrmWare_e picker;
    picker.show();
    QApplication::processEvents();
    const QString buchstaben = QStringLiteral("kxbqmaz");
    for (auto _ : state) {
        for (QChar buchstabe : buchstaben) {
            QKeyEvent taste(QEvent::KeyPress, 0, Qt::NoModifier, QString(buchstabe));
            QApplication::sendEvent(picker.DBGrid1, &taste);
            readFirstRow(*picker.Table1);
            if (!picker.Table1->fieldByName(QStringLiteral("bez1")).asString().startsWith(buchstabe, Qt::CaseInsensitive))
                state.SkipWithError("the key did not move the picker");
        }
    }
    state.SetItemsProcessed(state.iterations() * buchstaben.size());
}

void PickerTypeAheadOnTheRawStore(benchmark::State &state)
{
    QStringList buchstaben;
    for (QChar buchstabe : QStringLiteral("kxbqmaz"))
        buchstaben << QString(buchstabe);
    rawKeystrokes(state,
                  "SELECT * FROM \"S_WARENN\" WHERE \"bez1\" >= ? COLLATE NOCASE ORDER BY \"bez1\" COLLATE NOCASE LIMIT 1",
                  buchstaben);
}

void OpenGoodsForm(benchmark::State &state)
{
    warenStore(int(state.range(0)));
    formularOeffnen<TfrmWare>(state);
}

BENCHMARK(TypeAheadThroughTheTable)->Arg(20000)->Arg(200000)->Unit(benchmark::kMicrosecond);
BENCHMARK(TypeAheadOnTheRawStore)->Arg(20000)->Arg(200000)->Unit(benchmark::kMicrosecond);
BENCHMARK(PickerTypeAhead)->Arg(20000)->Arg(200000)->Unit(benchmark::kMicrosecond);
BENCHMARK(PickerTypeAheadOnTheRawStore)->Arg(20000)->Arg(200000)->Unit(benchmark::kMicrosecond);
BENCHMARK(OpenGoodsForm)->Arg(200)->Arg(200000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return benchmarksAusfuehren(argc, argv);
}
