// The export declaration printed on blank paper to one PDF, through its
// print dialog as the clerk runs it (the whole form set of three sheets
// drawn, the boxes filled, the file finished), with 1 item (one sheet) and
// with 99 items (34 sheets). The time per printed page must not grow with
// the document. The text-only run is the yardstick for what one page of
// drawing costs: 34 sheets of 100 lines of text to one PDF, as in the print
// benchmark; a blank-paper page should stay within three times its time.
#include "../QtBenchMain.h"
#include "common/Druckeinstellungen.h"
#include "common/Ini.h"
#include "common/RadioGroup.h"
#include "common/Tabelle_S_BENUTZ.h"
#include "common/Tabelle_S_PARAME.h"
#include "platform/db/Database.h"
#include "platform/print/PdfBackend.h"
#include "platform/print/PrintJob.h"
#include "platform/ui/Dialogs.h"
#include "sad_export/Tabelle_EINFOLG.h"
#include "sad_export/Tabelle_EINHEIT.h"
#include "sad_export/TfrmEinheit_d.h"

#include "TextOnlySheet.h"

#include <QApplication>
#include <QDate>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

// Answers like a clerk without a duplex printer who types the form number.
class Clerk : public ui::DialogService
{
public:
    int message(const ui::MessageRequest &request) override
    {
        return request.buttons == ui::Buttons::YesNo ? ui::ModalResult::No : ui::ModalResult::Ok;
    }
    std::optional<QString> input(const ui::InputRequest &) override { return QStringLiteral("AE-4711"); }
    std::optional<QString> openFile(const ui::FileRequest &) override { return std::nullopt; }
    std::optional<QString> saveFile(const ui::FileRequest &) override { return std::nullopt; }
    ui::FolderResult chooseFolder(const ui::FolderRequest &) override { return {}; }
    std::optional<QFont> chooseFont(const QFont &) override { return std::nullopt; }
    std::optional<QColor> chooseColor(const QColor &) override { return std::nullopt; }
    std::optional<QString> printerSetup(const QString &) override { return std::nullopt; }
};

// Hands every job of a run to the one PDF file.
class ToPdf : public print::PrintBackend
{
public:
    explicit ToPdf(print::PdfBackend &pdf) : pdf_(pdf) {}
    QSize printableArea(print::Orientation o) const override { return pdf_.printableArea(o); }
    void beginJob(const QString &t, const print::JobOptions &o) override { pdf_.beginJob(t, o); }
    void newPage() override { pdf_.newPage(); }
    void endJob() override { pdf_.endJob(); }
    void abortJob() override { pdf_.abortJob(); }
    void drawText(const print::TextOperation &o) override { pdf_.drawText(o); }
    void drawLine(const print::LineOperation &o) override { pdf_.drawLine(o); }
    void drawShape(const print::ShapeOperation &o) override { pdf_.drawShape(o); }
    void drawImage(const print::ImageOperation &o) override { pdf_.drawImage(o); }

private:
    print::PdfBackend &pdf_;
};

// Declaration 1 with one item, declaration 99 with 99; every box of the
// header and the items filled.
struct Store
{
    QTemporaryDir program;
    QTemporaryDir data;
    QTemporaryDir user;
    db::Database &database = db::Database::alias(QStringLiteral("Z_Tavero"));
    db::Database &settings = db::Database::alias(QStringLiteral("Razazu"));
    print::PdfBackend *pdf = nullptr;

    Store()
    {
        qputenv("RAZAZU_HOME", program.path().toUtf8());
        IniWertSchreiben(IniDateiName(), IniAbschnitt(), QStringLiteral("AeSet"), 3);
        QFile(program.filePath(QStringLiteral("Vorab.KD1"))).open(QIODevice::WriteOnly);
        database.setPath(data.path());
        database.open();
        database.createTable(Tabelle_EINHEIT());
        database.createTable(Tabelle_EINFOLG());
        database.createTable(Tabelle_S_PARAME());
        for (int items : {1, 99}) {
            database.execute(QStringLiteral("INSERT INTO \"EINHEIT\" (\"belegnr\", \"datum\", \"AnzPos\", \"f1_1\", "
                                            "\"f2_1\", \"f2_2\", \"f2_3\", \"f8_1\", \"f8_2\", \"f14_0\", \"f17_1\", "
                                            "\"f20_1\", \"f20_2\", \"f44_5\", \"fb1\", \"f54_1\", \"FD_1\", \"NV_AM\", "
                                            "\"NV_TicketNr\") VALUES (?, ?, ?, 'EX', 'Maschinenbau GmbH', "
                                            "'Hauptstrasse 1', '40210 Duesseldorf', 'Buyer Ltd', 'Harbour Road 5', "
                                            "'DE1234567', 'US', 'FCA', 'Duesseldorf', 'Vermerk', 'Zollamt', "
                                            "'Duesseldorf', 'Ort', '02.05.2024 10:00', 'T-4711')"),
                             {items, QDate(2024, 5, 2), items});
            db::Transaction transaction(database);
            for (int pos = 1; pos <= items; ++pos)
                database.execute(QStringLiteral("INSERT INTO \"EINFOLG\" (\"belegnr\", \"pos\", \"f31_1\", \"f31_2\", "
                                                "\"f31_3\", \"f33_1\", \"f34_2\", \"f35_1\", \"f37_1\", \"f38\", "
                                                "\"F40\", \"f41_1\", \"f44_1\", \"f46\") VALUES (?, ?, ?, "
                                                "'2 Kisten', 'Maschinenteile aus Stahl', '84713000', 'DE', "
                                                "'1.250,00', '1000', '1.100,00', 'X-123', '10', 'Vermerk', "
                                                "'12.500,00')"),
                                 {items, pos, QStringLiteral("Zeichen %1").arg(pos)});
            transaction.commit();
        }
        settings.setPath(user.path());
        settings.open();
        settings.createTable(Tabelle_S_BENUTZ());
        for (const QString &kind : {QStringLiteral("AUSFUHRANMELDUNG"), QStringLiteral("AUSFUHRANMELDUNG - ERGÄNZ")})
            settings.execute(QStringLiteral("INSERT INTO \"S_BENUTZ\" VALUES (?, 'PDF', 0, 0, 1)"), {kind});
        setDruckerListeQuelle([] { return print::PrinterList{{QStringLiteral("PDF")}, QStringLiteral("PDF")}; });
        setDruckerAnschluss([this](const QString &) { return std::make_unique<ToPdf>(*pdf); });
    }
    ~Store()
    {
        setDruckerAnschluss({});
        setDruckerListeQuelle({});
        settings.close();
        database.close();
    }
};

std::unique_ptr<Store> &theStore()
{
    static std::unique_ptr<Store> instance;
    return instance;
}

Store &store()
{
    if (!theStore())
        theStore() = std::make_unique<Store>();
    return *theStore();
}

void printDeclarationOnBlankPaper(benchmark::State &state)
{
    const int items = int(state.range(0));
    Store &s = store();
    Clerk clerk;
    ui::DialogService *previous = ui::setDialogService(&clerk);
    int run = 0;
    int pages = 0;
    for (auto _ : state) {
        print::PdfBackend pdf(s.program.filePath(QStringLiteral("einheit-%1-%2.pdf").arg(items).arg(run++)));
        s.pdf = &pdf;
        {
            TfrmEinheit_d dialog(s.database);
            dialog.belegSuchen(items);
            dialog.RadioGroup2->setItemIndex(TfrmEinheit_d::WeissesPapier);
            dialog.auswahlAnwenden();
            dialog.BtnOKClick();
        }
        pdf.finish();
        pages = pdf.pageCount();
        s.pdf = nullptr;
    }
    ui::setDialogService(previous);
    state.counters["pages"] = pages;
    state.counters["per page"] = benchmark::Counter(double(pages) * double(state.iterations()),
                                                   benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(printDeclarationOnBlankPaper)->Arg(1)->Arg(99)->Unit(benchmark::kMillisecond)->UseRealTime();

void printTextOnlySheets(benchmark::State &state)
{
    constexpr int sheets = 34;
    QTemporaryDir folder;
    int run = 0;
    for (auto _ : state) {
        print::PdfBackend pdf(folder.filePath(QStringLiteral("text-%1.pdf").arg(run++)));
        print::Canvas canvas(pdf);
        print::PrintJob job(canvas, print::jobTitle(QStringLiteral("Text")));
        canvas.setBrushStyle(print::BrushStyle::Clear);
        for (int sheet = 1; sheet <= sheets; ++sheet) {
            if (sheet > 1)
                job.newPage();
            drawTextOnlySheet(canvas, sheet);
        }
        job.end();
        pdf.finish();
    }
    state.counters["pages"] = sheets;
    state.counters["per page"] = benchmark::Counter(double(sheets) * double(state.iterations()),
                                                   benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(printTextOnlySheets)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    return runQtBenchmarks(argc, argv, [] { theStore().reset(); });
}
