// The entry forms of the export declaration and the CMR, laid out like their
// paper forms: shown at their default size, no two boxes overlap, every
// control stays inside its box, nothing needs sideways scrolling, and boxes
// the paper has side by side stand side by side.

#include "sad_export/Ausfuhrdaten.h"

#include "common/Eingabeformular.h"
#include "platform/db/Table.h"
#include "platform/ui/ScrollBox.h"
#include "common/Belegformular.h"
#include "common/Positionsformular.h"
#include "sad_export/TfrmRegieAE.h"
#include "transport/Tabelle_CMR.h"
#include "transport/Tabelle_Cmrfolg.h"
#include "transport/TfrmRegieCMR.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QScrollBar>

#include <functional>

namespace {

// Declaration 5 with two items, CMR note 12 with two lines.
class Papierlayout : public AusfuhrTest
{
protected:
    void SetUp() override
    {
        AusfuhrTest::SetUp();
        if (IsSkipped())
            return;
        daten->erklaerung(5, QStringLiteral("Kunde"), 2);
        daten->datenbank.createTable(Tabelle_CMR());
        daten->datenbank.createTable(Tabelle_Cmrfolg());
        daten->datenbank.execute(QStringLiteral("INSERT INTO \"CMR\" (\"BELEGNR\", \"C1_1\", \"C2_1\", "
                                                "\"IsLockedByUser\") VALUES (12, 'Absender', 'Empfänger', 'X')"));
        for (int pos = 1; pos <= 2; ++pos)
            daten->datenbank.execute(QStringLiteral("INSERT INTO \"Cmrfolg\" VALUES (12, ?, 'Kiste', '84713000', "
                                                    "'12', '0,5')"),
                                     {pos});
    }
};

using Zeigen = std::function<void(Eingabeformular &)>;

struct Form
{
    const char *titel;
    // Builds the form on its register, shows it and hands it over.
    std::function<void(db::Database &, const Zeigen &)> oeffnen;
    // Boxes, named by one of their controls (or the form's own widgets by
    // name), that the paper has side by side: the first on the left.
    QList<std::pair<const char *, const char *>> nebeneinander;
};

void zeigen(Eingabeformular &form, const Zeigen &pruefen)
{
    form.show();
    QApplication::setActiveWindow(&form);
    QApplication::processEvents();
    pruefen(form);
}

const QList<Form> &formulare()
{
    static const QList<Form> alle{
        {"Ausfuhranmeldung",
         [](db::Database &datenbank, const Zeigen &pruefen) {
             TfrmRegieAE regie(datenbank);
             ASSERT_TRUE(regie.kopf().findKey({5}));
             Belegformular form(regie, QStringLiteral("BelegNr: 5"));
             zeigen(form, pruefen);
         },
         {{"lblGemeinschaft", "DBEdit71"},
          {"DBEdit71", "DBEdit3"},
          {"DBEdit30", "DBEdit3"},
          {"DBEdit30", "DBEdit57"},
          {"DBEdit4", "DBEdit68"},
          {"DBEdit35", "DBEdit11"},
          {"DBEdit41", "DBEdit56"},
          {"DBEdit10", "DBEdit43"},
          {"DBEdit43", "DBEdit46"},
          {"DBEdit48", "DBEdit49"},
          {"DBEdit63", "DBEdit55"}}},
        {"Packstücke und Warenbezeichnung",
         [](db::Database &datenbank, const Zeigen &pruefen) {
             TfrmRegieAE regie(datenbank);
             ASSERT_TRUE(regie.kopf().findKey({5}));
             ASSERT_TRUE(regie.regie().positionen()->findKey({5, 2}));
             Positionsformular form(regie, QStringLiteral("BelegNr: 5"));
             zeigen(form, pruefen);
         },
         {{"DBEdit25", "DBEdit30"},
          {"DBEdit30", "DBEdit6"},
          {"DBEdit7", "DBEdit1"},
          {"DBEdit2", "DBEdit4"},
          {"DBEdit8", "DBCheckBox2"},
          {"DBEdit8", "DBEdit19"}}},
        {"CMR-Frachtbrief",
         [](db::Database &datenbank, const Zeigen &pruefen) {
             TfrmRegieCMR regie(datenbank);
             ASSERT_TRUE(regie.kopf().findKey({12}));
             Belegformular form(regie, QStringLiteral("BelegNr: 12"));
             zeigen(form, pruefen);
         },
         {{"DBEdit6", "DBEdit11"},
          {"DBEdit16", "DBEdit18"},
          {"DBEdit26", "DBEdit29"},
          {"DBEdit101", "DBEdit103"},
          {"DBEdit38", "DBEdit40"},
          {"DBEdit40", "DBEdit42"}}},
        {"CMR - Frachtbrief Positionen",
         [](db::Database &datenbank, const Zeigen &pruefen) {
             TfrmRegieCMR regie(datenbank);
             ASSERT_TRUE(regie.kopf().findKey({12}));
             Positionsformular form(regie, QStringLiteral("BelegNr: 12"));
             zeigen(form, pruefen);
         },
         {{"DBEdit1", "DBEdit2"}, {"DBEdit2", "DBEdit3"}, {"DBEdit3", "DBEdit4"}}},
    };
    return alle;
}

// The box a control stands in, or a widget of the form's own by its name.
QWidget *kastenMit(const Eingabeformular &form, const char *steuerelement)
{
    for (const Eingabefeld &feld : form.felder()) {
        if (feld.steuerelement == QLatin1String(steuerelement))
            return form.kastenVon(feld.kasten);
    }
    return form.ScrollBox1->content()->findChild<QWidget *>(QString::fromLatin1(steuerelement));
}

// What stands on the form's grid and is shown: its boxes and its own widgets.
QList<QWidget *> aufDemRaster(const Eingabeformular &form)
{
    QList<QWidget *> widgets;
    QLayout *raster = form.ScrollBox1->content()->layout();
    for (int i = 0; i < raster->count(); ++i) {
        if (QWidget *w = raster->itemAt(i)->widget(); w && w->isVisible())
            widgets << w;
    }
    return widgets;
}

TEST_P(Papierlayout, BoxesStandAsOnThePaperFormAndNeverOverlap)
{
    for (const Form &fall : formulare()) {
        SCOPED_TRACE(fall.titel);
        fall.oeffnen(daten->datenbank, [&fall](Eingabeformular &form) {
            const QList<QWidget *> widgets = aufDemRaster(form);
            ASSERT_GE(widgets.size(), fall.nebeneinander.size());
            for (int a = 0; a < widgets.size(); ++a) {
                for (int b = a + 1; b < widgets.size(); ++b)
                    EXPECT_FALSE(widgets[a]->geometry().intersects(widgets[b]->geometry()))
                        << widgets[a]->objectName().toStdString() << " / " << widgets[b]->objectName().toStdString();
            }
            for (QFrame *kasten : form.ScrollBox1->content()->findChildren<QFrame *>(Qt::FindDirectChildrenOnly)) {
                if (!kasten->isVisible())
                    continue;
                for (QWidget *teil : kasten->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
                    if (teil->isVisible())
                        EXPECT_TRUE(kasten->contentsRect().contains(teil->geometry()))
                            << teil->objectName().toStdString() << " sticks out of its box";
                }
            }
            const ui::ScrollBox &box = *form.ScrollBox1;
            EXPECT_LE(box.content()->minimumSizeHint().width(), box.viewport()->width());
            EXPECT_FALSE(box.horizontalScrollBar()->isVisible()) << "no sideways scrolling";

            for (const auto &[links, rechts] : fall.nebeneinander) {
                QWidget *l = kastenMit(form, links);
                QWidget *r = kastenMit(form, rechts);
                ASSERT_TRUE(l && r) << links << " / " << rechts;
                EXPECT_LT(l->geometry().right(), r->geometry().left()) << links << " left of " << rechts;
                EXPECT_TRUE(l->geometry().top() < r->geometry().bottom() && r->geometry().top() < l->geometry().bottom())
                    << links << " beside " << rechts;
            }
        });
    }
}

// The CMR's head: the title lines beside box 1, the ellipse top right.
TEST_P(Papierlayout, TheCmrHeadStandsTopRight)
{
    TfrmRegieCMR regie(daten->datenbank);
    ASSERT_TRUE(regie.kopf().findKey({12}));
    Belegformular form(regie, QStringLiteral("BelegNr: 12"));
    zeigen(form, [](Eingabeformular &form) {
        const QRect eins = kastenMit(form, "DBEdit1")->geometry();
        const QRect sechzehn = kastenMit(form, "DBEdit11")->geometry();
        QLabel *titel = nullptr;
        for (QLabel *label : form.ScrollBox1->content()->findChildren<QLabel *>()) {
            if (label->text() == QLatin1String("INTERNATIONALER"))
                titel = label;
        }
        QWidget *ellipse = form.ScrollBox1->content()->findChild<QWidget *>(QStringLiteral("lblCmr"));
        ASSERT_TRUE(titel && ellipse);
        const QRect zeilen = titel->parentWidget()->geometry();
        const QRect oval = ellipse->parentWidget()->geometry();
        EXPECT_GT(zeilen.left(), eins.right());
        EXPECT_EQ(zeilen.top(), eins.top());
        EXPECT_GT(oval.left(), zeilen.right());
        EXPECT_EQ(oval.top(), eins.top());
        EXPECT_EQ(oval.right(), sechzehn.right()) << "the ellipse top right";
        EXPECT_LT(oval.bottom(), kastenMit(form, "DBEdit45")->geometry().top()) << "the CMR number below it";
    });
}

AUSFUHR_TESTS(Papierlayout);

} // namespace
