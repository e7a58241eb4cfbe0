#include <gtest/gtest.h>

#include "platform/print/Canvas.h"
#include "platform/print/PageGeometry.h"
#include "platform/print/RecordingBackend.h"

using namespace print;

TEST(PageGeometry, CentresThePrintableAreaAndAppliesTheOffsets)
{
    struct Case
    {
        const char *what;
        Orientation orientation;
        QSize printable;
        int spalte;
        int zeile;
        QPoint offset;
    };
    const Case cases[] = {
        {"whole sheet printable", Orientation::Portrait, {2100, 2970}, 0, 0, {0, 0}},
        {"margins are halved", Orientation::Portrait, {2032, 2886}, 0, 0, {-34, -42}},
        {"spalte 10 moves 1 mm left", Orientation::Portrait, {2032, 2886}, 10, 0, {-44, -42}},
        {"zeile 10 moves 1 mm down", Orientation::Portrait, {2032, 2886}, 0, 10, {-34, -32}},
        {"negative offsets", Orientation::Portrait, {2032, 2886}, -15, -20, {-19, -62}},
        {"odd differences halve towards zero", Orientation::Portrait, {2033, 2885}, 0, 0, {-33, -42}},
        {"landscape swaps the sheet", Orientation::Landscape, {2886, 2032}, 0, 0, {-42, -34}},
        {"landscape with offsets", Orientation::Landscape, {2886, 2032}, 10, 10, {-52, -24}},
        {"landscape PDF page", Orientation::Landscape, {2970, 2100}, 0, 0, {0, 0}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(pageOffset(c.printable, c.spalte, c.zeile, c.orientation), c.offset) << c.what;
}

TEST(PageGeometry, SheetIsA4SwappedInLandscape)
{
    EXPECT_EQ(sheetSize(Orientation::Portrait), QSize(2100, 2970));
    EXPECT_EQ(sheetSize(Orientation::Landscape), QSize(2970, 2100));
}

// The canvas takes the printable area of the job's orientation from the
// device and shifts every operation by the resulting offset.
TEST(PageGeometry, CanvasShiftsEveryOperationOfThePage)
{
    RecordingBackend printer(QSize(2032, 2886));
    Canvas canvas(printer);

    canvas.beginJob(QStringLiteral("Hoch"));
    canvas.setPageShift(0, 0);
    canvas.textOut(230, 140, QStringLiteral("ohne"));
    canvas.setPageShift(10, 10);
    canvas.textOut(230, 140, QStringLiteral("mit"));
    canvas.line(100, 200, 500, 200);
    canvas.endJob();

    canvas.beginJob(QStringLiteral("Quer"), JobOptions{1, Orientation::Landscape, false});
    canvas.setPageShift(0, 0);
    canvas.textOut(230, 140, QStringLiteral("quer"));
    canvas.endJob();

    EXPECT_EQ(printer.findText(QStringLiteral("ohne"))->device, QPoint(230 - 34, 140 - 42));
    // 1 mm further left and 1 mm further down on the paper.
    EXPECT_EQ(printer.findText(QStringLiteral("mit"))->device, QPoint(230 - 44, 140 - 32));
    EXPECT_EQ(printer.lines().first().offset, QPoint(-44, -32));
    EXPECT_EQ(printer.findText(QStringLiteral("quer"))->device, QPoint(230 - 42, 140 - 34));
    // The form's own coordinates stay as given.
    EXPECT_TRUE(printer.hasText(QStringLiteral("mit"), 230, 140));
}

TEST(PageGeometry, OffsetStaysInForceForLaterJobsUntilSetAgain)
{
    RecordingBackend printer;
    Canvas canvas(printer);
    canvas.beginJob(QStringLiteral("Vorderseite"));
    canvas.setPageShift(5, 7);
    canvas.endJob();
    canvas.beginJob(QStringLiteral("Rückseite"));
    canvas.textOut(110, 100, QStringLiteral("E"));
    canvas.endJob();
    EXPECT_EQ(printer.findText(QStringLiteral("E"))->device, QPoint(105, 107));
}
