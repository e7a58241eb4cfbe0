#include <QFile>
#include <QPageLayout>
#include <QPrinter>
#include <gtest/gtest.h>

#include "support/PdfWords.h"
#include "platform/print/Canvas.h"
#include "platform/print/PdfBackend.h"
#include "platform/print/PrintError.h"
#include "platform/print/PrintJob.h"
#include "platform/print/PrinterBackend.h"
#include "platform/print/RecordingBackend.h"
#include "support/TempFolder.h"

using namespace print;

namespace {

// What the PDF must show within this distance of the recording (0.1 mm).
constexpr double tolerance = 3;

// A page of a blank-paper form in small: texts of several faces, sizes and
// styles, a cell-height font, a rotated margin caption and letter spacing,
// drawn with the page kind's offsets.
void drawSamplePage(Canvas &canvas, int spalte, int zeile)
{
    canvas.setPageShift(spalte, zeile);
    canvas.setBrushStyle(BrushStyle::Clear);
    canvas.setPen(5);
    canvas.rectangle(140, 97, 220, 1110);
    canvas.setFont(QStringLiteral("Arial"), 4);
    canvas.textOut(230, 140, QStringLiteral("Versender"));
    canvas.setFont(QStringLiteral("Arial"), 3.5, FontStyle::Bold);
    canvas.textOut(1160, 650, QStringLiteral("Ausfuhrland"));
    canvas.setFont(QStringLiteral("Courier New"), 2.5, FontStyle::Underline);
    canvas.textOut(1500, 2600, QStringLiteral("Zollstelle"));
    canvas.setFont(QStringLiteral("Times New Roman"), 6, FontStyle::Italic);
    canvas.textOutRight(2000, 2800, QStringLiteral("Unterschrift"));
    canvas.setFont(QStringLiteral("Arial"), 0);
    canvas.setCellHeight(35);
    canvas.textOutRotated(160, 980, 270, QStringLiteral("Exemplar"));
    canvas.setFont(QStringLiteral("Arial"), 3.7);
    canvas.setCharacterExtra(8);
    canvas.textOut(660, 50, QStringLiteral("NUMMER"));
    canvas.setCharacterExtra(0);
}

void expectWordWhereRecorded(const PdfWords &pdf, const RecordingBackend::Text &text)
{
    SCOPED_TRACE(text.text.toStdString());
    const PdfWord *word = pdf.find(text.text);
    ASSERT_NE(word, nullptr) << "not in the PDF";
    const double x = text.device.x();
    const double y = text.device.y();
    if (text.angle == 0) {
        EXPECT_NEAR(word->xMin, x, tolerance);
        EXPECT_NEAR(word->yMin, y, tolerance);
        EXPECT_NEAR(word->yMax, y + text.cellHeight, tolerance);
        // Letter spacing leaves its last gap outside the glyphs.
        EXPECT_NEAR(word->xMax, x + text.width - text.characterExtra, tolerance);
    } else {
        ASSERT_EQ(text.angle, 270);
        // Runs up the page from (x, y) with the glyphs to the right.
        EXPECT_NEAR(word->xMin, x, tolerance);
        EXPECT_NEAR(word->xMax, x + text.cellHeight, tolerance);
        EXPECT_NEAR(word->yMax, y, tolerance);
        EXPECT_NEAR(word->yMin, y - text.width, tolerance);
    }
}

} // namespace

TEST(PdfOutput, TextLandsWhereTheRecordingSays)
{
    TempFolder folder;
    const QString file = folder.file(QStringLiteral("seite.pdf"));
    RecordingBackend recording;
    {
        Canvas canvas(recording);
        canvas.beginJob(QStringLiteral("Probe"));
        drawSamplePage(canvas, 10, 20);
        canvas.endJob();
    }
    {
        PdfBackend pdf(file);
        Canvas canvas(pdf);
        canvas.beginJob(QStringLiteral("Probe"));
        drawSamplePage(canvas, 10, 20);
        canvas.endJob();
        pdf.finish();
    }

    const PdfWords words = PdfWords::read(file);
    ASSERT_TRUE(words.error.isEmpty()) << words.error.toStdString();
    ASSERT_EQ(words.pages.size(), 1);
    EXPECT_NEAR(words.pages.first().width(), 2100, 1);
    EXPECT_NEAR(words.pages.first().height(), 2970, 1);
    ASSERT_EQ(recording.texts().size(), 6);
    for (const auto &text : recording.texts())
        expectWordWhereRecorded(words, text);
    // The page offset reaches the paper: spalte 10 left, zeile 20 down.
    ASSERT_TRUE(words.find(QStringLiteral("Versender")));
    EXPECT_NEAR(words.find(QStringLiteral("Versender"))->xMin, 220, tolerance);
    EXPECT_NEAR(words.find(QStringLiteral("Versender"))->yMin, 160, tolerance);
}

// Through the printer back end, on a device with unprintable margins: the
// centring puts a form position at its place on the paper, shifted only by
// the page kind's offsets.
TEST(PdfOutput, PrinterBackendCentresOnThePrintableArea)
{
    TempFolder folder;
    const QString file = folder.file(QStringLiteral("drucker.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(5, 4, 5, 4),
                                      QPageLayout::Millimeter));
    {
        PrinterBackend backend(printer);
        EXPECT_EQ(backend.printableArea(Orientation::Portrait), QSize(2000, 2890));
        EXPECT_EQ(backend.printableArea(Orientation::Landscape), QSize(2870, 2020));
        Canvas canvas(backend);
        PrintJob job(canvas, jobTitle(QStringLiteral("Probe")));
        canvas.setPageShift(10, 20);
        canvas.setFont(QStringLiteral("Arial"), 4);
        canvas.textOut(230, 140, QStringLiteral("Versender"));
        canvas.textOut(1400, 2600, QStringLiteral("Unterschrift"));
        EXPECT_EQ(canvas.offset(), QPoint(-50 - 10, 20 - 40));
        job.end();
    }

    const PdfWords words = PdfWords::read(file);
    ASSERT_TRUE(words.error.isEmpty()) << words.error.toStdString();
    ASSERT_TRUE(words.find(QStringLiteral("Versender")) && words.find(QStringLiteral("Unterschrift")));
    EXPECT_NEAR(words.find(QStringLiteral("Versender"))->xMin, 230 - 10, tolerance);
    EXPECT_NEAR(words.find(QStringLiteral("Versender"))->yMin, 140 + 20, tolerance);
    EXPECT_NEAR(words.find(QStringLiteral("Unterschrift"))->xMin, 1400 - 10, tolerance);
    EXPECT_NEAR(words.find(QStringLiteral("Unterschrift"))->yMin, 2600 + 20, tolerance);
}

TEST(PdfOutput, EndedJobsShareOneFileAndAbortedOnesLeaveNoTrace)
{
    TempFolder folder;
    const QString file = folder.file(QStringLiteral("lauf.pdf"));
    {
        PdfBackend pdf(file);
        Canvas canvas(pdf);
        canvas.beginJob(jobTitle(QStringLiteral("Ausfuhrmeldung Seite:1")));
        canvas.textOut(100, 100, QStringLiteral("Erste"));
        canvas.newPage();
        canvas.textOut(100, 100, QStringLiteral("Rueckseite"));
        canvas.endJob();
        canvas.beginJob(jobTitle(QStringLiteral("Ausfuhrmeldung")));
        canvas.textOut(100, 100, QStringLiteral("Verworfen"));
        canvas.abortJob();
        canvas.beginJob(jobTitle(QStringLiteral("Paketkarte")), JobOptions{1, Orientation::Landscape, false});
        canvas.textOut(2500, 1900, QStringLiteral("Quer"));
        canvas.endJob();
        EXPECT_EQ(pdf.pageCount(), 3);
        EXPECT_FALSE(QFile::exists(file)) << "the file appears only when it is complete";
        pdf.finish();
    }
    const PdfWords words = PdfWords::read(file);
    ASSERT_TRUE(words.error.isEmpty()) << words.error.toStdString();
    ASSERT_EQ(words.pages.size(), 3);
    ASSERT_TRUE(words.find(QStringLiteral("Rueckseite")) && words.find(QStringLiteral("Quer")));
    EXPECT_EQ(words.find(QStringLiteral("Rueckseite"))->page, 2);
    EXPECT_EQ(words.find(QStringLiteral("Verworfen")), nullptr);
    EXPECT_NEAR(words.pages.at(2).width(), 2970, 1);
    EXPECT_NEAR(words.find(QStringLiteral("Quer"))->xMin, 2500, tolerance);
    EXPECT_NEAR(words.find(QStringLiteral("Quer"))->yMin, 1900, tolerance);
}

TEST(PdfOutput, NoFileWithoutAnEndedJobAndAClearErrorWhenUnwritable)
{
    TempFolder folder;
    const QString file = folder.file(QStringLiteral("leer.pdf"));
    {
        PdfBackend pdf(file);
        Canvas canvas(pdf);
        canvas.beginJob(QStringLiteral("abgebrochen"));
        canvas.textOut(100, 100, QStringLiteral("nichts"));
        canvas.abortJob();
        pdf.finish();
    }
    EXPECT_FALSE(QFile::exists(file));

    PdfBackend unwritable(folder.file(QStringLiteral("fehlt/ordner/datei.pdf")));
    Canvas canvas(unwritable);
    canvas.beginJob(QStringLiteral("Probe"));
    canvas.textOut(100, 100, QStringLiteral("x"));
    EXPECT_THROW(canvas.endJob(), PrintError);
}
