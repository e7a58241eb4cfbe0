#include "common/Allgemein_Unit.h"
#include "common/TMyHtmlLabel.h"
#include "platform/print/Canvas.h"
#include "platform/print/PrintJob.h"
#include "platform/print/RecordingBackend.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

namespace {

class CanvasHelferTest : public testing::Test
{
protected:
    void SetUp() override
    {
        job = std::make_unique<print::PrintJob>(canvas, QStringLiteral("Test"));
        canvas.setFont(QStringLiteral("Arial"), 2.2);
    }

    int breite(const QString &text, print::FontStyles stil = {})
    {
        const print::FontStyles vorher = canvas.font().style;
        canvas.setFontStyle(stil);
        const int ergebnis = canvas.textWidth(text);
        canvas.setFontStyle(vorher);
        return ergebnis;
    }

    print::RecordingBackend aufnahme;
    print::Canvas canvas{aufnahme};
    std::unique_ptr<print::PrintJob> job;
};

TEST_F(CanvasHelferTest, MarkupSwitchesStylesAndConsumesItsTags)
{
    const int ende = breite(QStringLiteral("1."), print::FontStyle::Bold);
    CanvasMarkupText(canvas, 100, 200, 5, QStringLiteral("<b>1.</b> Ware"));
    const auto texte = aufnahme.texts();
    ASSERT_EQ(texte.size(), 2);
    EXPECT_EQ(texte[0].text, "1.");
    EXPECT_EQ(texte[0].position, QPoint(100, 200));
    EXPECT_TRUE(texte[0].font.style.testFlag(print::FontStyle::Bold));
    EXPECT_EQ(texte[1].text, " Ware");
    EXPECT_EQ(texte[1].position, QPoint(100 + ende, 200));
    EXPECT_EQ(texte[1].font.style, print::FontStyles());
}

TEST_F(CanvasHelferTest, MarkupRules)
{
    struct Fall
    {
        const char *markup;
        QStringList gezeichnet;
    };
    const Fall faelle[] = {
        {"a<x>b", {"a", "b"}},                      // an unknown style letter switches nothing
        {"a < b", {"a < b"}},                       // a "<" that starts no tag is text
        {"<B>x</b>y", {"x", "y"}},                  // tags in any case
        {"a</>b", {"a", "b"}},                      // "</>" is an opening tag of "/"
        {"<i><u>x</i>y", {"x", "y"}},
    };
    for (const Fall &fall : faelle) {
        SCOPED_TRACE(fall.markup);
        aufnahme.clear();
        canvas.setFontStyle({});
        CanvasMarkupText(canvas, 0, 0, 0, QString::fromUtf8(fall.markup));
        QStringList gezeichnet;
        for (const auto &text : aufnahme.texts())
            gezeichnet << text.text;
        EXPECT_EQ(gezeichnet, fall.gezeichnet);
    }
    // Styles add up and the one in force at the end stays on the canvas.
    EXPECT_EQ(aufnahme.texts().last().font.style, print::FontStyles(print::FontStyle::Underline));
    EXPECT_EQ(canvas.font().style, print::FontStyles(print::FontStyle::Underline));
    EXPECT_EQ(aufnahme.texts().first().font.style, print::FontStyle::Italic | print::FontStyle::Underline);
}

TEST_F(CanvasHelferTest, LineBreakMovesDownByHeightAndGap)
{
    canvas.setFontHeight(-22);
    const int naechste = CanvasMarkupText(canvas, 300, 1000, 5, QStringLiteral("A<br>B<BR>"));
    ASSERT_EQ(aufnahme.texts().size(), 2);
    EXPECT_EQ(aufnahme.texts()[0].position, QPoint(300, 1000));
    EXPECT_EQ(aufnahme.texts()[1].position, QPoint(300, 1027));
    EXPECT_EQ(naechste, 1054 + 27) << "a trailing break starts one more line";

    aufnahme.clear();
    EXPECT_EQ(CanvasMarkupText(canvas, 300, 1000, 5, QStringLiteral("A<br>B")), 1054);
}

TEST_F(CanvasHelferTest, JustifiedWordsSpreadOverTheWidth)
{
    const int a = breite(QStringLiteral("Zoll")), b = breite(QStringLiteral("und")), c = breite(QStringLiteral("Ware"));
    const int summe = a + b + c;
    // Two gaps; halves round to even: 34.5 -> 34, 35.5 -> 36.
    struct Fall
    {
        int rest;
        int luecke;
    };
    for (const Fall &fall : {Fall{70, 35}, Fall{69, 34}, Fall{71, 36}, Fall{0, 0}}) {
        SCOPED_TRACE(fall.rest);
        aufnahme.clear();
        CanvasTextOutJustified(canvas, 100, 50, QStringLiteral("Zoll und Ware"), true, summe + fall.rest);
        ASSERT_EQ(aufnahme.texts().size(), 3);
        EXPECT_EQ(aufnahme.texts()[0].position.x(), 100);
        EXPECT_EQ(aufnahme.texts()[1].position.x(), 100 + a + fall.luecke);
        EXPECT_EQ(aufnahme.texts()[2].position.x(), 100 + a + b + 2 * fall.luecke);
    }

    aufnahme.clear();
    CanvasTextOutJustified(canvas, 100, 50, QStringLiteral("Zoll und Ware"), false, summe + 70);
    ASSERT_EQ(aufnahme.texts().size(), 1);
    EXPECT_EQ(aufnahme.texts()[0].text, "Zoll und Ware");
}

TEST_F(CanvasHelferTest, JustifiedWords)
{
    struct Fall
    {
        const char *text;
        QStringList woerter;
    };
    const Fall faelle[] = {
        {"a b c", {"a", "b", "c"}},
        {"a  b", {"a", "", "b"}},   // a double blank gives an empty word and one gap more
        {"a b ", {"a", "b"}},
        {"allein", {"allein"}},
        {"", {}},
    };
    for (const Fall &fall : faelle) {
        SCOPED_TRACE(fall.text);
        EXPECT_EQ(blocksatzWoerter(QString::fromUtf8(fall.text)), fall.woerter);
    }

    const int a = breite(QStringLiteral("a")), b = breite(QStringLiteral("b"));
    CanvasTextOutJustified(canvas, 0, 0, QStringLiteral("a  b"), true, a + b + 100);
    ASSERT_EQ(aufnahme.texts().size(), 2);
    EXPECT_EQ(aufnahme.texts()[1].position.x(), a + 100);
}

TEST_F(CanvasHelferTest, FontSettersAndLines)
{
    canvas.setFontHeight(-35);
    for (int ohneWirkung : {-1, 0, 20}) {
        CanvasSetFontHeightStyle(canvas, ohneWirkung, print::FontStyle::Bold);
        EXPECT_EQ(canvas.font().height, -35);
        EXPECT_EQ(canvas.font().style, print::FontStyles(print::FontStyle::Bold));
    }
    CanvasSetFontHeightStyle(canvas, -25, {});
    EXPECT_EQ(canvas.font().height, -25);
    EXPECT_EQ(canvas.font().style, print::FontStyles());

    CanvasSetFontName(canvas, QString());
    EXPECT_EQ(canvas.font().name, "Arial");
    CanvasSetFontName(canvas, QStringLiteral("Courier New"));
    EXPECT_EQ(canvas.font().name, "Courier New");

    CanvasVLine(100, 400, 50, canvas);
    CanvasHLine(10, 90, 70, canvas);
    ASSERT_EQ(aufnahme.lines().size(), 2);
    EXPECT_EQ(aufnahme.lines()[0].from, QPoint(50, 100));
    EXPECT_EQ(aufnahme.lines()[0].to, QPoint(50, 400));
    EXPECT_EQ(aufnahme.lines()[1].from, QPoint(10, 70));
    EXPECT_EQ(aufnahme.lines()[1].to, QPoint(90, 70));
}

// The label grows so that the line below its last one would fit, and with
// auto-size its width follows the widest line, styles included.
TEST(TMyHtmlLabel, GrowsForEveryLine)
{
    TMyHtmlLabel label;
    QFont schrift = label.font();
    schrift.setPointSize(10);
    label.setFont(schrift);
    label.resize(200, 20);
    EXPECT_EQ(label.zeilenschritt(), 15);

    label.setText(QStringLiteral("eins<br>zwei<br>drei"));
    EXPECT_EQ(label.height(), 30 + 2 * 10 + 10);
    EXPECT_EQ(label.width(), 200);

    label.setAutoSize(true);
    label.setText(QStringLiteral("kurz<br><b>viel breiter</b> als"));
    QFont fett = schrift;
    fett.setBold(true);
    EXPECT_EQ(label.width(), QFontMetrics(fett).horizontalAdvance(QStringLiteral("viel breiter"))
                                 + QFontMetrics(schrift).horizontalAdvance(QStringLiteral(" als")));
}

} // namespace
