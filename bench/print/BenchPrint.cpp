#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "platform/print/Canvas.h"
#include "platform/print/PdfBackend.h"
#include "platform/print/PrintJob.h"

#include "TextOnlySheet.h"

// A 34-sheet document with 100 lines of text per sheet, rendered to one PDF:
// the size of a long continuation run of the declaration print.
static void renderDocumentToPdf(benchmark::State &state)
{
    constexpr int sheets = 34;
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
            drawTextOnlySheet(canvas, sheet);
        }
        job.end();
        pdf.finish();
    }
    state.counters["sheets/s"] = benchmark::Counter(double(sheets) * double(state.iterations()),
                                                    benchmark::Counter::kIsRate);
}
BENCHMARK(renderDocumentToPdf)->Unit(benchmark::kMillisecond)->UseRealTime();

// A form printed on blank paper: every box and ruling drawn, shaded title
// fields, captions in small type and rotated ones along the box edges, then
// the filled-in values, 34 sheets to one PDF.
static void renderBlankPaperFormToPdf(benchmark::State &state)
{
    constexpr int sheets = 34;
    constexpr int rows = 24;
    constexpr int columns = 6;
    QTemporaryDir folder;
    int run = 0;
    for (auto _ : state) {
        print::PdfBackend pdf(folder.filePath(QStringLiteral("form-%1.pdf").arg(run++)));
        print::Canvas canvas(pdf);
        print::PrintJob job(canvas, print::jobTitle(QStringLiteral("Formular")));
        for (int sheet = 1; sheet <= sheets; ++sheet) {
            if (sheet > 1)
                job.newPage();
            canvas.setPageShift(0, 0);
            canvas.setPen(3);
            canvas.setBrushStyle(print::BrushStyle::Clear);
            canvas.rectangle(80, 80, 2020, 2900);
            canvas.setBrush(QColor(220, 220, 220));
            canvas.fillRect(80, 80, 2020, 180);
            canvas.setPen(1);
            canvas.setBrushStyle(print::BrushStyle::Clear);
            for (int row = 0; row < rows; ++row) {
                const int top = 200 + row * 110;
                canvas.line(80, top, 2020, top);
                for (int column = 0; column < columns; ++column) {
                    const int left = 80 + column * 323;
                    canvas.rectangle(left + 4, top + 4, left + 319, top + 106);
                    canvas.setFont(QStringLiteral("Arial"), 1.5);
                    canvas.textOut(left + 10, top + 10, QStringLiteral("%1 Feld").arg(row * columns + column + 1));
                    canvas.setFont(QStringLiteral("Courier New"), 2.5);
                    canvas.textOut(left + 20, top + 50, QStringLiteral("DE%1").arg(sheet * 1000 + row * 10 + column));
                }
                canvas.setFont(QStringLiteral("Arial"), 1.5);
                canvas.textOutRotated(60, top + 100, 90, QStringLiteral("Zeile %1").arg(row + 1));
                canvas.textOutRotated(2040, top + 10, 270, QStringLiteral("Exemplar %1").arg(sheet));
            }
            canvas.setFont(QStringLiteral("Arial"), 4, print::FontStyle::Bold);
            canvas.textOut(120, 100, QStringLiteral("EINHEITSPAPIER %1").arg(sheet));
        }
        job.end();
        pdf.finish();
    }
    state.counters["sheets/s"] = benchmark::Counter(double(sheets) * double(state.iterations()),
                                                    benchmark::Counter::kIsRate);
}
BENCHMARK(renderBlankPaperFormToPdf)->Unit(benchmark::kMillisecond)->UseRealTime();

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
