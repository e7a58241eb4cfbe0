#include "RegisterTestbasis.h"
#include "platform/ui/Interaction.h"

#include "common/Eingabeformular.h"
#include "common/Kastenraster.h"
#include "platform/ui/DataControls.h"
#include "platform/ui/ScrollBox.h"

#include <QFrame>
#include <QLabel>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace {

// A header of a family declared here: a name, a long remark, a code, a date.
class EingabeLayout : public testing::TestWithParam<bool>
{
protected:
    void SetUp() override
    {
        if (GetParam() && !Testfamilie::postgresDa())
            GTEST_SKIP() << "RAZAZU_TEST_PG names no server";
        familie = std::make_unique<Testfamilie>(QStringLiteral("LayoutTest"), GetParam());
        db::TableDef def;
        def.name = QStringLiteral("LAYOUTKOPF");
        def.fields = {{QStringLiteral("BelegNr"), db::FieldType::Long},
                      {QStringLiteral("Name"), db::FieldType::Alpha, 35},
                      {QStringLiteral("Vermerk"), db::FieldType::Alpha, 60},
                      {QStringLiteral("Code"), db::FieldType::Alpha, 3},
                      {QStringLiteral("Datum"), db::FieldType::Alpha, 10}};
        def.primaryKey = {QStringLiteral("BelegNr")};
        familie->datenbank.createTable(def);
        familie->datenbank.execute(QStringLiteral("INSERT INTO \"LAYOUTKOPF\" VALUES (1, 'Muster', 'Vermerk', 'DE', "
                                                  "'02.01.2024')"));
        kopf = std::make_unique<db::Table>(familie->datenbank, QStringLiteral("LAYOUTKOPF"));
        kopf->open();
        quelle = std::make_unique<db::DataSource>(kopf.get());
    }
    void TearDown() override
    {
        quelle.reset();
        kopf.reset();
        familie.reset();
    }

    std::unique_ptr<Eingabeformular> formular(const QList<Eingabefeld> &felder)
    {
        auto form = std::make_unique<Eingabeformular>(QStringLiteral("frmLayout"), felder, QList<Auswahlbindung>{},
                                                      Eingabeformular::Quellen{quelle.get(), nullptr, nullptr});
        interaction::showActive(*form);
        return form;
    }

    std::unique_ptr<Testfamilie> familie;
    std::unique_ptr<db::Table> kopf;
    std::unique_ptr<db::DataSource> quelle;
};

INSTANTIATE_TEST_SUITE_P(Speicher, EingabeLayout, testing::Values(false, true),
                         [](const testing::TestParamInfo<bool> &info) {
                             return std::string(info.param ? "PostgreSQL" : "SQLite");
                         });

Eingabefeld feld(const char *steuerelement, const char *name, const char *kasten, Papierplatz platz = {})
{
    return {.steuerelement = QString::fromLatin1(steuerelement), .feld = QString::fromLatin1(name),
            .kasten = QString::fromUtf8(kasten), .platz = platz};
}

// Boxes stand where their paper rectangles put them: side by side, one
// across below both, one without a place below all across the whole width;
// the tab order stays the table's, whatever the places; every edit is as
// wide as its field holds, also beyond the usual width.
TEST_P(EingabeLayout, BoxesStandWhereThePaperPutsThem)
{
    auto form = formular({
        feld("DBEdit1", "Code", "2 Code", {100, 0, 200, 40}),
        feld("DBEdit2", "Name", "1 Name", {0, 0, 100, 40}),
        feld("DBEdit3", "Vermerk", "3 Vermerk", {0, 40, 200, 80}),
        feld("DBEdit4", "Datum", "Ohne Platz"),
    });
    const QRect eins = form->kastenVon(QStringLiteral("1 Name"))->geometry();
    const QRect zwei = form->kastenVon(QStringLiteral("2 Code"))->geometry();
    const QRect drei = form->kastenVon(QStringLiteral("3 Vermerk"))->geometry();
    const QRect ohne = form->kastenVon(QStringLiteral("Ohne Platz"))->geometry();
    EXPECT_LT(eins.right(), zwei.left()) << "1 beside 2, on its left";
    EXPECT_EQ(eins.top(), zwei.top());
    EXPECT_GT(drei.top(), std::max(eins.bottom(), zwei.bottom())) << "3 below both";
    EXPECT_EQ(drei.left(), eins.left());
    EXPECT_EQ(drei.right(), zwei.right()) << "3 across both";
    EXPECT_GT(ohne.top(), drei.bottom());
    EXPECT_EQ(ohne.left(), drei.left());
    EXPECT_EQ(ohne.right(), drei.right());
    for (const QRect &kasten : {eins, zwei, drei})
        EXPECT_FALSE(kasten.intersects(ohne));

    QStringList reihenfolge;
    form->steuerelement(QStringLiteral("DBEdit1"))->setFocus();
    for (int i = 0; i < 4; ++i) {
        reihenfolge << QApplication::focusWidget()->objectName();
        form->moveFocus(true);
    }
    EXPECT_EQ(reihenfolge, QStringList({QStringLiteral("DBEdit1"), QStringLiteral("DBEdit2"),
                                        QStringLiteral("DBEdit3"), QStringLiteral("DBEdit4")}));

    for (const auto &[name, zeichen] : {std::pair{"DBEdit2", 35}, std::pair{"DBEdit3", 60}}) {
        QWidget *edit = form->steuerelement(QString::fromLatin1(name));
        EXPECT_GE(edit->width(), edit->fontMetrics().horizontalAdvance(QString(zeichen, u'0'))) << name;
        EXPECT_TRUE(edit->parentWidget()->rect().contains(edit->geometry())) << name << " inside its box";
    }
    const int breit = form->ScrollBox1->content()->minimumSizeHint().width();
    EXPECT_LE(breit, form->ScrollBox1->viewport()->width()) << "no sideways scrolling at the default size";
    EXPECT_FALSE(form->ScrollBox1->horizontalScrollBar()->isVisible());
}

// The box number is bold, the title regular; captions without a number stay
// as they are.
TEST(Kastenraster, BoxTitlesSetTheNumberBold)
{
    const std::pair<const char *, const char *> faelle[] = {
        {"17a / 17 Bestimmungsland", "<b>17a / 17</b> Bestimmungsland"},
        {"6. - 12.  Positionen", "<b>6. - 12.</b> Positionen"},
        {"22.", "<b>22.</b>"},
        {"B Angaben für Verbuchungszwecke", "<b>B</b> Angaben für Verbuchungszwecke"},
        {"3 Vordrucke / 5 Positionen", "<b>3</b> Vordrucke / 5 Positionen"},
        {"AE-Nummer (Bei Druck auf weißem Papier)", "AE-Nummer (Bei Druck auf weißem Papier)"},
        {"RET-EXP", "RET-EXP"},
        {"1 Kosten <netto> & Steuer", "<b>1</b> Kosten &lt;netto&gt; &amp; Steuer"},
    };
    for (const auto &[kasten, titel] : faelle)
        EXPECT_EQ(kastenTitel(QString::fromUtf8(kasten)), QString::fromUtf8(titel)) << kasten;
}

// A form's own widget (a head) takes its place beside the boxes; a hidden
// box takes its controls with it.
TEST_P(EingabeLayout, OwnWidgetsTakeTheirPlaceAndBoxesHideWhole)
{
    auto form = formular({
        feld("DBEdit1", "Name", "1 Name", {0, 0, 100, 40}),
        feld("DBEdit2", "Code", "2 Code", {0, 40, 100, 80}),
    });
    auto *kopf = new QLabel(QStringLiteral("KOPF"));
    form->aufPapierSetzen(kopf, {100, 0, 200, 80});
    QApplication::processEvents();
    const QRect eins = form->kastenVon(QStringLiteral("1 Name"))->geometry();
    const QRect zwei = form->kastenVon(QStringLiteral("2 Code"))->geometry();
    EXPECT_EQ(kopf->parentWidget(), form->ScrollBox1->content());
    EXPECT_GT(kopf->geometry().left(), eins.right());
    EXPECT_EQ(kopf->geometry().top(), eins.top());
    EXPECT_EQ(kopf->geometry().bottom(), zwei.bottom()) << "as high as both boxes beside it";

    form->setKastenSichtbar(QStringLiteral("2 Code"), false);
    EXPECT_FALSE(form->steuerelement(QStringLiteral("DBEdit2"))->isVisible());
    EXPECT_TRUE(form->steuerelement(QStringLiteral("DBEdit1"))->isVisible());
    form->setKastenSichtbar(QStringLiteral("2 Code"), true);
    EXPECT_TRUE(form->steuerelement(QStringLiteral("DBEdit2"))->isVisible());
}

// A form longer than its window scrolls to every box: the wheel moves it by
// the wheel's distance, entering a field low down brings it into view, and
// leaving a field marked ScrollDelta in the lowest quarter scrolls on by
// three quarters, boxes and all.
TEST_P(EingabeLayout, TheFormScrollsToEveryBox)
{
    QList<Eingabefeld> felder;
    for (int i = 0; i < 30; ++i) {
        felder << Eingabefeld{.steuerelement = QStringLiteral("DBEdit%1").arg(i + 1), .feld = QStringLiteral("Name"),
                              .kasten = QStringLiteral("%1 Kasten").arg(i + 1),
                              .platz = {0, 100 * i, 100, 100 * (i + 1)},
                              .blaettern = i == 12 ? Blaettern::ScrollDelta : Blaettern::Keins};
    }
    auto form = formular(felder);
    ui::ScrollBox &box = *form->ScrollBox1;
    const int sichtbar = box.viewport()->height();
    ASSERT_GT(box.content()->height(), sichtbar) << "the form is longer than its window";

    box.setPosition(0);
    interaction::wheel(box.viewport(), -120);
    EXPECT_EQ(box.position(), 120) << "one notch towards the clerk";

    QWidget *letztes = form->steuerelement(QStringLiteral("DBEdit30"));
    letztes->setFocus();
    QApplication::processEvents();
    const QRect imFenster(letztes->mapTo(box.viewport(), QPoint(0, 0)), letztes->size());
    EXPECT_TRUE(box.viewport()->rect().contains(imFenster)) << "the last box is reached";

    QWidget *tief = form->steuerelement(QStringLiteral("DBEdit13"));
    box.setPosition(0);
    box.setPosition(tief->mapTo(box.content(), QPoint(0, 0)).y() - sichtbar * 9 / 10);
    tief->setFocus();
    QApplication::processEvents();
    const int oben = tief->mapTo(box.viewport(), QPoint(0, 0)).y();
    const int vorher = box.position();
    ASSERT_GT(ui::ScrollBox::scrollDelta(oben, sichtbar), 0) << "the field stands in the lowest quarter";
    form->moveFocus(true);
    QApplication::processEvents();
    EXPECT_EQ(box.position(), vorher + ui::ScrollBox::scrollDelta(oben, sichtbar));
}

} // namespace
