// 100,000 customers imported through the import form's path (file read,
// structure check, update-or-insert on the number, one transaction, the
// progress bar) from a dBase and from a delimited text file, against a raw
// SQLite bulk insert of the same rows in the same run.
// Target: each import within 2x of the raw insert.

#include "Benchbestand.h"

#include "masterdata/TfrmKundenImport.h"
#include "masterdata/Tabelle_S_KUNDEN.h"

#include "common/TfrmDatenbank.h"

#include "platform/db/Query.h"
#include "platform/db/Table.h"
#include "platform/files/formats/DbaseFile.h"
#include "platform/files/formats/DelimitedText.h"
#include "platform/files/formats/ValueText.h"
#include "platform/ui/StandardDialogs.h"

#include <QDir>
#include <sqlite3.h>

namespace {

constexpr int kundenzahl = 100000;

QVariantList kunde(int n)
{
    return {n,
            QStringLiteral("Müller & Söhne %1").arg(n),
            QStringLiteral("Großhandel"),
            QVariant(),
            QStringLiteral("Hauptstraße %1").arg(n % 200),
            QStringLiteral("Köln"),
            QStringLiteral("004"),
            QStringLiteral("0221 %1").arg(100000 + n),
            QVariant(),
            QVariant(),
            QStringLiteral("D"),
            QStringLiteral("DE%1").arg(100000000 + n),
            QStringLiteral("frei Haus"),
            QVariant(),
            QStringLiteral("A"),
            QStringLiteral("%1").arg(10000 + n % 80000)};
}

const files::ForeignData &kunden()
{
    static const files::ForeignData daten = [] {
        files::ForeignData d;
        d.definition = Tabelle_S_KUNDEN();
        d.rows.reserve(kundenzahl);
        for (int n = 1; n <= kundenzahl; ++n)
            d.rows.push_back(kunde(n));
        return d;
    }();
    return daten;
}

struct Dateien
{
    QTemporaryDir ordner;
    QString dbase = ordner.filePath(QStringLiteral("KUNDEN.DBF"));
    QString getrennt = ordner.filePath(QStringLiteral("kunden.txt"));

    Dateien()
    {
        files::writeDbaseFile(kunden(), dbase);
        files::DelimitedWriter schreiber(getrennt);
        QStringList namen;
        for (const db::FieldDef &feld : kunden().definition.fields)
            namen << feld.name;
        schreiber.writeHeader(namen);
        QList<files::DelimitedValue> werte;
        for (const QVariantList &zeile : kunden().rows) {
            werte.clear();
            for (qsizetype i = 0; i < zeile.size(); ++i) {
                const db::FieldType typ = kunden().definition.fields[i].type;
                werte.append({files::valuetext::format(zeile[i], typ), typ == db::FieldType::Alpha});
            }
            schreiber.writeRecord(werte);
        }
        schreiber.commit();
    }
};

Dateien &dateien()
{
    static Dateien instanz;
    return instanz;
}

// Answers "Datenbank öffnen" with the file.
class Dateiwahl : public ui::StandardDialogs
{
public:
    explicit Dateiwahl(QString datei) : datei_(std::move(datei)) { vorher_ = ui::setDialogService(this); }
    ~Dateiwahl() override { ui::setDialogService(vorher_); }
    std::optional<QString> openFile(const ui::FileRequest &) override { return datei_; }

private:
    QString datei_;
    ui::DialogService *vorher_ = nullptr;
};

// The customer table emptied outside the timing; the store is the
// program's, through the alias Z_Tavero.
db::Database &leererKundenstamm()
{
    db::Database &daten = benchbestand(QStringLiteral("S_KUNDEN"), {QStringLiteral("nummer")}, 0,
                                       [](int) { return QVariantList(); })
                              .use();
    daten.execute(QStringLiteral("DELETE FROM %1").arg(daten.quote(QStringLiteral("S_KUNDEN"))));
    return daten;
}

void importDurchDasFormular(benchmark::State &state, int format, const QString &datei)
{
    for (auto _ : state) {
        state.PauseTiming();
        db::Database &daten = leererKundenstamm();
        auto wahl = std::make_unique<TfrmDatenbank>();
        wahl->setFormatIndex(format);
        auto form = std::make_unique<TfrmKundenImport>(*wahl);
        form->Table1->setTableName(QStringLiteral("S_KUNDEN.DB"));
        form->Table1->setIndexFieldNames(QStringLiteral("Nummer"));
        form->Tag = 1;
        form->Table1->open();
        form->show();
        {
            Dateiwahl antwort(datei);
            form->DatenbankOeffnen();
        }
        QApplication::processEvents();
        state.ResumeTiming();

        form->Importieren();
        QApplication::processEvents();

        state.PauseTiming();
        const int anzahl = db::Query::scalar(daten, QStringLiteral("SELECT COUNT(*) FROM %1")
                                                        .arg(daten.quote(QStringLiteral("S_KUNDEN"))))
                               .toInt();
        if (anzahl != kundenzahl)
            state.SkipWithError("nicht alle Kunden importiert");
        form.reset();
        wahl.reset();
        state.ResumeTiming();
    }
    state.counters["rows_per_second"] =
        benchmark::Counter(double(kundenzahl) * double(state.iterations()), benchmark::Counter::kIsRate);
}

void ImportFromDbaseThroughTheForm(benchmark::State &state)
{
    importDurchDasFormular(state, Datenbankformat::DBase, dateien().dbase);
}

void ImportFromDelimitedTextThroughTheForm(benchmark::State &state)
{
    importDurchDasFormular(state, Datenbankformat::TextDelimited, dateien().getrennt);
}

// The rows ready to bind: numbers as numbers, texts as UTF-8.
struct RoheZeile
{
    int nummer;
    QList<QByteArray> texte;
};

const std::vector<RoheZeile> &roheZeilen()
{
    static const std::vector<RoheZeile> zeilen = [] {
        std::vector<RoheZeile> vorbereitet;
        vorbereitet.reserve(kundenzahl);
        for (const QVariantList &zeile : kunden().rows) {
            RoheZeile roh{zeile[0].toInt(), {}};
            for (qsizetype i = 1; i < zeile.size(); ++i)
                roh.texte << zeile[i].toString().toUtf8();
            vorbereitet.push_back(std::move(roh));
        }
        return vorbereitet;
    }();
    return zeilen;
}

// The same rows with the SQLite C API: one prepared statement, one
// transaction, into a table of the same columns, key and secondary index
// (the customers' name index folds case, as the store's does; SQLite's own
// NOCASE). mitIndex false leaves the index out, for reference.
void rohEinfuegen(benchmark::State &state, bool mitIndex)
{
    const std::vector<RoheZeile> &zeilen = roheZeilen();
    const db::TableDef kunden = Tabelle_S_KUNDEN();
    QStringList spalten;
    for (const db::FieldDef &feld : kunden.fields)
        spalten << QStringLiteral("\"%1\" %2").arg(feld.name, feld.type == db::FieldType::Long
                                                                ? QStringLiteral("INTEGER PRIMARY KEY")
                                                                : QStringLiteral("VARCHAR(%1)").arg(feld.size));
    QByteArray anlegen = QStringLiteral("CREATE TABLE S_KUNDEN (%1);").arg(spalten.join(u',')).toUtf8();
    if (mitIndex) {
        for (const db::IndexDef &index : kunden.indexes) {
            QStringList felder;
            for (const QString &feld : index.fields)
                felder << QStringLiteral("\"%1\"%2").arg(feld, index.caseInsensitive ? QStringLiteral(" COLLATE NOCASE")
                                                                                     : QString());
            felder << QStringLiteral("\"%1\"").arg(kunden.primaryKey.first());
            anlegen += QStringLiteral("CREATE INDEX \"%1\" ON S_KUNDEN (%2);").arg(index.name, felder.join(u',')).toUtf8();
        }
    }
    const QByteArray einfuegen =
        QStringLiteral("INSERT INTO S_KUNDEN VALUES (%1)").arg(QStringList(spalten.size(), QStringLiteral("?")).join(u',')).toUtf8();
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir ordner;
        sqlite3 *handle = nullptr;
        sqlite3_open(QDir(ordner.path()).filePath(QStringLiteral("roh.sqlite")).toUtf8().constData(), &handle);
        sqlite3_exec(handle, "PRAGMA journal_mode = WAL; PRAGMA synchronous = NORMAL;", nullptr, nullptr, nullptr);
        if (sqlite3_exec(handle, anlegen.constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
            state.SkipWithError(sqlite3_errmsg(handle));
        state.ResumeTiming();

        sqlite3_stmt *anweisung = nullptr;
        sqlite3_exec(handle, "BEGIN", nullptr, nullptr, nullptr);
        sqlite3_prepare_v2(handle, einfuegen.constData(), -1, &anweisung, nullptr);
        for (const RoheZeile &zeile : zeilen) {
            sqlite3_bind_int(anweisung, 1, zeile.nummer);
            for (int i = 0; i < zeile.texte.size(); ++i) {
                if (zeile.texte[i].isEmpty())
                    sqlite3_bind_null(anweisung, i + 2);
                else
                    sqlite3_bind_text(anweisung, i + 2, zeile.texte[i].constData(), int(zeile.texte[i].size()),
                                      SQLITE_STATIC);
            }
            sqlite3_step(anweisung);
            sqlite3_reset(anweisung);
        }
        sqlite3_finalize(anweisung);
        sqlite3_exec(handle, "COMMIT", nullptr, nullptr, nullptr);

        state.PauseTiming();
        sqlite3_close(handle);
        state.ResumeTiming();
    }
    state.counters["rows_per_second"] =
        benchmark::Counter(double(kundenzahl) * double(state.iterations()), benchmark::Counter::kIsRate);
}

void RawSqliteInsert(benchmark::State &state)
{
    rohEinfuegen(state, true);
}

void RawSqliteInsertWithoutIndex(benchmark::State &state)
{
    rohEinfuegen(state, false);
}

BENCHMARK(RawSqliteInsert)->Unit(benchmark::kMillisecond);
BENCHMARK(RawSqliteInsertWithoutIndex)->Unit(benchmark::kMillisecond);
BENCHMARK(ImportFromDbaseThroughTheForm)->Unit(benchmark::kMillisecond);
BENCHMARK(ImportFromDelimitedTextThroughTheForm)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return benchmarksAusfuehren(argc, argv);
}
