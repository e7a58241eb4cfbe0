#include <QImage>
#include <gtest/gtest.h>
#include <stdexcept>

#include "platform/print/Canvas.h"
#include "platform/print/PrintError.h"
#include "platform/print/PrintJob.h"
#include "platform/print/RecordingBackend.h"
#include "support/TempFolder.h"

using namespace print;

namespace {

// A canvas on a recording with one job open, as a print form has it.
class CanvasOnRecording : public testing::Test
{
protected:
    void SetUp() override { canvas.beginJob(jobTitle(QStringLiteral("Test"))); }

    RecordingBackend recording;
    Canvas canvas{recording};
};

// Courier New: every character is 1229/2048 em wide, which keeps the
// expected widths easy to check by hand (4 mm: 24 per character).
constexpr double courierAdvance = 1229.0 / 2048.0;

} // namespace

TEST_F(CanvasOnRecording, WindowsFontNamesResolveToMetricCompatibleFaces)
{
    const struct
    {
        const char *name;
        const char *family;
    } cases[] = {
        {"Arial", "Liberation Sans"},
        {"Arial Narrow", "Liberation Sans Narrow"},
        {"Courier New", "Liberation Mono"},
        {"Times New Roman", "Liberation Serif"},
    };
    for (const auto &c : cases) {
        canvas.setFont(QString::fromUtf8(c.name), 4);
        canvas.textOut(100, 100, QString::fromUtf8(c.name));
        const auto text = recording.findText(QString::fromUtf8(c.name));
        ASSERT_TRUE(text);
        EXPECT_EQ(text->family.compare(QString::fromUtf8(c.family), Qt::CaseInsensitive), 0)
            << c.name << " resolved to " << text->family.toStdString();
        EXPECT_TRUE(FontFace::isInstalled(QString::fromUtf8(c.name))) << c.name;
    }
}

// Negative heights are character heights, positive ones cell heights, both
// in 0.1 mm; the cell of Arial is 2288/2048 of its em.
TEST_F(CanvasOnRecording, FontHeightSignSelectsCharacterOrCellHeight)
{
    canvas.setFont(QStringLiteral("Arial"), 3.5);
    EXPECT_EQ(canvas.font().height, -35);
    canvas.textOut(100, 100, QStringLiteral("Zeichen"));
    canvas.setCellHeight(35);
    canvas.textOut(100, 200, QStringLiteral("Zelle"));

    const auto character = recording.findText(QStringLiteral("Zeichen"));
    EXPECT_DOUBLE_EQ(character->characterHeight, 35);
    EXPECT_NEAR(character->cellHeight, 35 * 2288.0 / 2048.0, 1e-9);
    const auto cell = recording.findText(QStringLiteral("Zelle"));
    EXPECT_NEAR(cell->cellHeight, 35, 1e-9);
    EXPECT_NEAR(cell->characterHeight, 35 * 2048.0 / 2288.0, 1e-9);
    EXPECT_EQ(canvas.textHeight(), 35);

    // The helper a print form's test reads: text, place, height in mm.
    using Height = RecordingBackend::Height;
    EXPECT_TRUE(recording.hasText(QStringLiteral("Zeichen"), QPoint(100, 100), 3.5));
    EXPECT_TRUE(recording.hasText(QStringLiteral("Zelle"), QPoint(100, 200), 3.5, Height::Cell, 1));
    EXPECT_FALSE(recording.hasText(QStringLiteral("Zelle"), QPoint(100, 200), 3.5));
    EXPECT_FALSE(recording.hasText(QStringLiteral("Zeichen"), QPoint(100, 100), 4));
    EXPECT_FALSE(recording.hasText(QStringLiteral("Zeichen"), QPoint(100, 100), 3.5, Height::Character, 2));
    EXPECT_FALSE(recording.hasText(QStringLiteral("Zeichen"), QPoint(101, 100), 3.5));
    EXPECT_TRUE(recording.hasText(QStringLiteral("Zeichen"), QPoint(101, 100), 3.5, Height::Character, 0, 1));
}

TEST_F(CanvasOnRecording, TextOutLeavesThePenBehindTheText)
{
    canvas.setFont(QStringLiteral("Courier New"), 4);
    EXPECT_EQ(canvas.textWidth(QStringLiteral("Seite")), 120);
    canvas.textOut(1700, 50, QStringLiteral("Seite"));
    EXPECT_EQ(canvas.penPos(), QPoint(1820, 50));
    // The next piece starts where the last one ended, as the markup text does.
    canvas.setFontStyle(FontStyle::Bold);
    canvas.textOut(canvas.penPos().x(), canvas.penPos().y(), QStringLiteral("einem"));
    EXPECT_TRUE(recording.hasText(QStringLiteral("einem"), 1820, 50));
    EXPECT_TRUE(recording.findText(QStringLiteral("einem"))->font.style.testFlag(FontStyle::Bold));
}

TEST_F(CanvasOnRecording, RightAlignedAndCentredText)
{
    canvas.setFont(QStringLiteral("Courier New"), 4);
    canvas.textOutRight(1000, 100, QStringLiteral("ABC"));
    canvas.textOutCentred(1000, 200, QStringLiteral("ABC"));
    EXPECT_TRUE(recording.hasText(QStringLiteral("ABC"), 928, 100));
    EXPECT_TRUE(recording.hasText(QStringLiteral("ABC"), 964, 200));
}

TEST_F(CanvasOnRecording, RotatedTextKeepsItsAnchorAndRestoresTheFont)
{
    canvas.setFont(QStringLiteral("Arial"), 3.5);
    canvas.setCellHeight(35);
    canvas.textOutRotated(160, 980, 270, QStringLiteral("Exemplar für den Versender/Ausführer"));
    canvas.textOutRotated(500, 1850, -25, QStringLiteral("Kopie für Aussteller"));
    canvas.textOut(170, 1040, QStringLiteral("3"));

    const auto margin = recording.findText(QStringLiteral("Exemplar für den Versender/Ausführer"));
    ASSERT_TRUE(margin);
    EXPECT_EQ(margin->position, QPoint(160, 980));
    EXPECT_DOUBLE_EQ(margin->angle, 270);
    EXPECT_NEAR(margin->cellHeight, 35, 1e-9);
    EXPECT_DOUBLE_EQ(recording.findText(QStringLiteral("Kopie für Aussteller"))->angle, -25);
    EXPECT_DOUBLE_EQ(recording.findText(QStringLiteral("3"))->angle, 0);
    EXPECT_EQ(canvas.font().escapement, 0);

    // A rotated font set on the canvas rotates every text until reset.
    canvas.setFontEscapement(2700);
    canvas.textOut(145, 850, QStringLiteral("gedreht"));
    EXPECT_DOUBLE_EQ(recording.findText(QStringLiteral("gedreht"))->angle, 270);
}

TEST_F(CanvasOnRecording, LetterSpacedText)
{
    canvas.setFont(QStringLiteral("Arial"), 3.7);
    // One character every 2.6 mm whatever its width.
    canvas.textOutPitched(660, 50, QStringLiteral("Nr"), 26);
    const auto pitched = recording.findText(QStringLiteral("Nr"));
    ASSERT_TRUE(pitched);
    EXPECT_EQ(pitched->characterX, (QList<double>{660, 686}));
    EXPECT_GT(canvas.penPos().x(), 686);

    // Extra space after every character, in drawing and in measuring.
    canvas.setFont(QStringLiteral("Courier New"), 4);
    canvas.setCharacterExtra(10);
    EXPECT_EQ(canvas.textWidth(QStringLiteral("TEST")), 4 * (24 + 10));
    canvas.textOut(889, 50, QStringLiteral("TEST"));
    const auto spaced = recording.findText(QStringLiteral("TEST"));
    ASSERT_EQ(spaced->characterX.size(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(spaced->characterX.at(i), 889 + i * (40 * courierAdvance + 10), 1e-9) << i;
}

TEST_F(CanvasOnRecording, FontWidthStretchesTheText)
{
    canvas.setFont(QStringLiteral("Courier New"), 4);
    const int natural = canvas.textWidth(QStringLiteral("EUROPA"));
    // Courier's average character width is its advance: 24 at 4 mm.
    canvas.setFontWidth(12);
    EXPECT_EQ(canvas.textWidth(QStringLiteral("EUROPA")), natural / 2);
}

TEST_F(CanvasOnRecording, WrappedTextBreaksAtBlanksAndLineBreaks)
{
    canvas.setFont(QStringLiteral("Courier New"), 4); // 24 per character
    const int lineHeight = canvas.textHeight();
    const struct
    {
        const char *what;
        const char *text;
        QStringList lines;
    } cases[] = {
        {"fits", "aaaa bbbb", {"aaaa bbbb"}},
        {"breaks at the blank", "aaaa bbbb cccc", {"aaaa bbbb", "cccc"}},
        {"long word stands alone", "x abcdefghijklm y", {"x", "abcdefghijklm", "y"}},
        {"line breaks", "eins\r\nzwei\ndrei", {"eins", "zwei", "drei"}},
        {"no text", "", {}},
    };
    for (const auto &c : cases) {
        const QString text = QString::fromUtf8(c.text);
        EXPECT_EQ(canvas.wrapText(240, text), c.lines) << c.what;
        EXPECT_EQ(canvas.wrappedTextHeight(210, 450, text), c.lines.size() * lineHeight) << c.what;
    }
    const int height = canvas.textOutWrapped(210, 1000, 450, QStringLiteral("aaaa bbbb cccc"));
    EXPECT_EQ(height, 2 * lineHeight);
    EXPECT_TRUE(recording.hasText(QStringLiteral("aaaa bbbb"), 210, 1000));
    EXPECT_TRUE(recording.hasText(QStringLiteral("cccc"), 210, 1000 + lineHeight));
}

// Text is opaque on the solid white brush, as on the printer canvas, and
// transparent once the brush is clear.
TEST_F(CanvasOnRecording, TextBackgroundFollowsTheBrush)
{
    canvas.textOut(100, 100, QStringLiteral("deckend"));
    canvas.setBrushStyle(BrushStyle::Clear);
    canvas.setFontColor(QColor(128, 128, 128));
    canvas.textOut(100, 200, QStringLiteral("XXX"));
    EXPECT_EQ(recording.findText(QStringLiteral("deckend"))->background, QColor(Qt::white));
    const auto grey = recording.findText(QStringLiteral("XXX"));
    EXPECT_FALSE(grey->background.isValid());
    EXPECT_EQ(grey->font.color, QColor(128, 128, 128));
}

TEST_F(CanvasOnRecording, LinesAndShapesKeepPenAndBrush)
{
    canvas.setPageShift(10, 0);
    canvas.setPen(5);
    canvas.rectangle(140, 97, 220, 1110);
    canvas.setPen(1, PenStyle::Dash);
    canvas.line(1450, 2140, 2040, 2140);
    canvas.setPen(1, PenStyle::Dot);
    canvas.moveTo(1370, 1624);
    canvas.lineTo(1370, 1700);
    canvas.setBrush(Qt::black);
    const QList<QPoint> arrow{{1560, 2487}, {1580, 2479}, {1580, 2485}, {1610, 2485},
                              {1610, 2489}, {1580, 2489}, {1580, 2495}};
    canvas.polygon(arrow);

    ASSERT_EQ(recording.shapes().size(), 2);
    const auto frame = recording.shapes().at(0);
    EXPECT_EQ(frame.kind, ShapeKind::Rectangle);
    EXPECT_EQ(frame.points, QPolygon({QPoint(140, 97), QPoint(220, 1110)}));
    EXPECT_EQ(frame.pen.width, 5);
    EXPECT_EQ(frame.offset, QPoint(-10, 0));
    const auto filled = recording.shapes().at(1);
    EXPECT_EQ(filled.points, QPolygon(arrow));
    EXPECT_EQ(filled.brush, (Brush{Qt::black, BrushStyle::Solid}));

    ASSERT_EQ(recording.lines().size(), 2);
    EXPECT_EQ(recording.lines().at(0).pen.style, PenStyle::Dash);
    EXPECT_EQ(recording.lines().at(1).from, QPoint(1370, 1624));
    EXPECT_EQ(recording.lines().at(1).to, QPoint(1370, 1700));
    EXPECT_EQ(recording.lines().at(1).pen.style, PenStyle::Dot);
    EXPECT_EQ(canvas.penPos(), QPoint(1370, 1700));
}

TEST_F(CanvasOnRecording, PicturesFromBmpJpegAndPngFiles)
{
    TempFolder folder;
    QImage logo(40, 20, QImage::Format_RGB32);
    logo.fill(Qt::darkBlue);
    for (const char *name : {"Logo.Bmp", "Logo.jpg", "Logo.png"}) {
        const QString file = folder.file(QString::fromLatin1(name));
        ASSERT_TRUE(logo.save(file)) << name;
        canvas.drawImage(1500, 100, 1900, 300, file);
    }
    ASSERT_EQ(recording.images().size(), 3);
    for (const auto &image : recording.images()) {
        EXPECT_EQ(image.size, QSize(40, 20)) << image.source.toStdString();
        EXPECT_EQ(image.target, QRect(QPoint(1500, 100), QPoint(1900, 300)));
    }

    const QString missing = folder.file(QStringLiteral("fehlt.bmp"));
    try {
        canvas.drawImage(0, 0, 100, 100, missing);
        FAIL() << "a missing picture must be reported";
    } catch (const PrintError &error) {
        EXPECT_TRUE(error.message().contains(missing)) << error.message().toStdString();
    }
    EXPECT_EQ(recording.images().size(), 3);
}

TEST(CanvasJobs, JobsArePagesWithTitlesAndCopies)
{
    RecordingBackend recording;
    Canvas canvas(recording);
    canvas.beginJob(jobTitle(QStringLiteral("Ausfuhrmeldung Seite:1")), JobOptions{1, Orientation::Portrait, true});
    canvas.textOut(100, 100, QStringLiteral("Vorderseite"));
    canvas.newPage();
    EXPECT_EQ(canvas.pageNumber(), 2);
    canvas.textOut(110, 100, QStringLiteral("E"));
    canvas.endJob();
    canvas.beginJob(jobTitle(QStringLiteral("Ausfuhrmeldung")), JobOptions{62, Orientation::Portrait, false});
    canvas.textOut(100, 100, QStringLiteral("Anleitung"));
    canvas.endJob();

    ASSERT_EQ(recording.jobs().size(), 2);
    EXPECT_EQ(recording.jobs().at(0).title, QStringLiteral("Razazu / Versand: Ausfuhrmeldung Seite:1"));
    EXPECT_EQ(recording.jobs().at(0).pageCount, 2);
    EXPECT_TRUE(recording.jobs().at(0).options.duplex);
    EXPECT_EQ(recording.jobs().at(1).options.copies, 62);
    EXPECT_TRUE(recording.jobs().at(1).ended);
    EXPECT_EQ(recording.pageCount(), 3);
    EXPECT_EQ(recording.findText(QStringLiteral("E"))->page, 2);
    EXPECT_EQ(recording.findText(QStringLiteral("Anleitung"))->page, 3);
    EXPECT_EQ(recording.textsOnPage(1).size(), 1);
}

TEST(CanvasJobs, AbortedJobLeavesNothingPrinted)
{
    RecordingBackend recording;
    Canvas canvas(recording);
    canvas.beginJob(QStringLiteral("gedruckt"));
    canvas.textOut(100, 100, QStringLiteral("bleibt"));
    canvas.endJob();

    try {
        PrintJob job(canvas, QStringLiteral("abgebrochen"));
        canvas.textOut(100, 100, QStringLiteral("verworfen"));
        canvas.line(0, 0, 100, 100);
        throw std::runtime_error("Datenbankfehler mitten im Druck");
    } catch (const std::runtime_error &) {
    }
    EXPECT_FALSE(canvas.isJobOpen());
    EXPECT_TRUE(recording.jobs().last().aborted);
    EXPECT_FALSE(recording.findText(QStringLiteral("verworfen")));
    EXPECT_TRUE(recording.lines().isEmpty());
    EXPECT_TRUE(recording.findText(QStringLiteral("bleibt")));
    EXPECT_EQ(recording.pageCount(), 1);

    // A canvas going away with its job open aborts it as well.
    {
        Canvas other(recording);
        other.beginJob(QStringLiteral("offen"));
        other.textOut(1, 1, QStringLiteral("halb"));
    }
    EXPECT_TRUE(recording.jobs().last().aborted);
    EXPECT_FALSE(recording.findText(QStringLiteral("halb")));
}

TEST(CanvasJobs, RefusesNoCopiesAndDrawingOutsideAJob)
{
    RecordingBackend recording;
    Canvas canvas(recording);
    EXPECT_THROW(canvas.beginJob(QStringLiteral("keine"), JobOptions{0}), PrintError);
    EXPECT_TRUE(recording.jobs().isEmpty());
    EXPECT_THROW(canvas.textOut(0, 0, QStringLiteral("x")), std::logic_error);
    EXPECT_THROW(canvas.line(0, 0, 1, 1), std::logic_error);
    EXPECT_NO_THROW(canvas.endJob());
}
