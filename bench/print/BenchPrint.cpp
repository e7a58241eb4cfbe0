#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "platform/print/Canvas.h"
#include "platform/print/PdfBackend.h"
#include "platform/print/PrintJob.h"

// A 34-sheet document with 100 lines of text per sheet, rendered to one PDF:
// the size of a long continuation run of the declaration print.
static void renderDocumentToPdf(benchmark::State &state)
{
    constexpr int sheets = 34;
    constexpr int linesPerSheet = 100;
    QTemporaryDir folder;
    int run = 0;
    for (auto _ : state) {
        print::PdfBackend pdf(folder.filePath(QStringLiteral("bench-%1.pdf").arg(run++)));
        print::Canvas canvas(pdf);
        print::PrintJob job(canvas, print::jobTitle(QStringLiteral("Benchmark")));
        canvas.setBrushStyle(print::BrushStyle::Clear);
        for (int sheet = 1; sheet <= sheets; ++sheet) {
            if (sheet > 1)
                job.newPage();
            canvas.setPageShift(0, 0);
            canvas.setFont(QStringLiteral("Arial"), 4, print::FontStyle::Bold);
            canvas.textOut(150, 50, QStringLiteral("Seite : %1").arg(sheet));
            canvas.rectangle(100, 150, 2000, 2800);
            canvas.setFont(QStringLiteral("Courier New"), 2.5);
            for (int line = 0; line < linesPerSheet; ++line)
                canvas.textOut(150, 200 + line * 26,
                               QStringLiteral("Position %1: Maschinenteile aus Stahl, Gewicht %2,50 kg - Zollstelle Düsseldorf")
                                   .arg(line + 1)
                                   .arg(sheet * line));
        }
        job.end();
        pdf.finish();
    }
    state.counters["sheets/s"] = benchmark::Counter(double(sheets) * double(state.iterations()),
                                                    benchmark::Counter::kIsRate);
}
BENCHMARK(renderDocumentToPdf)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
