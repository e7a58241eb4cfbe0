#include "RegisterTestbasis.h"
#include "support/ScriptedDialogs.h"

#include "common/RadioGroup.h"
#include "common/TSR_dbGrid.h"
#include "common/TSearchDlg.h"
#include "common/TfrmSuche.h"
#include "platform/ui/SpeedButton.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {

class SucheTest : public testing::Test
{
protected:
    void SetUp() override
    {
        familie.kopfAnlegen(5, QStringLiteral("Müller"));
        familie.kopfAnlegen(12, QStringLiteral("O'Brien"));
        familie.kopfAnlegen(20, QStringLiteral("Oberhuber"));
        familie.kopfAnlegen(2000000000, QStringLiteral("Master"));
        familie.oeffnen();
        // The register hides its master record.
        familie.kopf->setFilter(QStringLiteral("BelegNr < 2000000000"));
        familie.kopf->setFiltered(true);
    }

    const QList<Suchkriterium> kriterien = {
        {QStringLiteral("BelegNr."), QStringLiteral("BelegNr"), false, 11},
        {QStringLiteral("Empfänger"), QStringLiteral("Empfaenger"), true},
    };
    Testfamilie familie;
};

TEST_F(SucheTest, FilterTextQuotesTheApostrophe)
{
    EXPECT_EQ(suchFilter(kriterien[1], QStringLiteral("O'B")), QStringLiteral("Empfaenger = 'O''B*'"));
    EXPECT_EQ(suchFilter(kriterien[0], QStringLiteral("123456789012345")), QStringLiteral("BelegNr = '12345678901'"));
}

TEST_F(SucheTest, SearchByRecipientWithAnApostropheTakesTheRecord)
{
    int gefunden = -1;
    wennModal([&](QWidget *fenster) {
        auto *dialog = qobject_cast<TfrmSuche *>(fenster);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "Stammdaten-Suche");
        EXPECT_EQ(dialog->RadioGroup1->items(), QStringList({"BelegNr.", "Empfänger"}));
        dialog->RadioGroup1->setItemIndex(1);
        dialog->Edit1->setText(QStringLiteral("o'b"));
        dialog->SpeedButton3->click();
        gefunden = familie.kopf->recordCount();
        dialog->SpeedButton1->click();
    });
    EXPECT_TRUE(StammdatenSuchen(*familie.kopf, *familie.kopfQuelle, kriterien));
    EXPECT_EQ(gefunden, 1);
    EXPECT_EQ(familie.kopf->field(0).asInteger(), 12);
    EXPECT_TRUE(familie.kopf->filtered()) << "the register's own filter is back";
    EXPECT_EQ(familie.kopf->filter(), "BelegNr < 2000000000");
    EXPECT_EQ(familie.kopf->recordCount(), 3);
}

TEST_F(SucheTest, SearchByNumberFindsOnlyThatNumberAndNeverTheMaster)
{
    struct Fall
    {
        const char *text;
        int treffer;
    };
    for (const Fall &fall : {Fall{"12", 1}, Fall{"1", 0}, Fall{"2000000000", 0}, Fall{"zwölf", 0}}) {
        SCOPED_TRACE(fall.text);
        int gefunden = -1;
        wennModal([&](QWidget *fenster) {
            auto *dialog = qobject_cast<TfrmSuche *>(fenster);
            dialog->RadioGroup1->setItemIndex(0);
            dialog->Edit1->setText(QString::fromUtf8(fall.text));
            dialog->SpeedButton3->click();
            gefunden = familie.kopf->recordCount();
            dialog->SpeedButton2->click();
        });
        EXPECT_FALSE(StammdatenSuchen(*familie.kopf, *familie.kopfQuelle, kriterien));
        EXPECT_EQ(gefunden, fall.treffer);
        EXPECT_EQ(familie.kopf->recordCount(), 3);
    }
}

// The list and the card show each search's result once, not each step of
// changing the filter, and a search after another one starts again from the
// register's own filter.
TEST_F(SucheTest, EachSearchTellsTheControlsOnce)
{
    int layouts = 0;
    int records = 0;
    QObject::connect(familie.kopfQuelle.get(), &db::DataSource::layoutChanged, [&] { ++layouts; });
    QObject::connect(familie.kopfQuelle.get(), &db::DataSource::recordChanged, [&] { ++records; });
    struct Fall
    {
        const char *text;
        int treffer;
        int erster;
    };
    QList<Fall> gesehen;
    wennModal([&](QWidget *fenster) {
        auto *dialog = qobject_cast<TfrmSuche *>(fenster);
        dialog->RadioGroup1->setItemIndex(1);
        for (const char *text : {"o", "ob", "mü", "m"}) {
            layouts = records = 0;
            dialog->Edit1->setText(QString::fromUtf8(text));
            dialog->SpeedButton3->click();
            EXPECT_EQ(layouts, 1) << text;
            EXPECT_EQ(records, 1) << text;
            gesehen << Fall{text, familie.kopf->recordCount(), familie.kopf->field(0).asInteger()};
        }
        dialog->SpeedButton2->click();
    });
    StammdatenSuchen(*familie.kopf, *familie.kopfQuelle, kriterien);
    ASSERT_EQ(gesehen.size(), 4);
    const Fall erwartet[] = {{"o", 2, 12}, {"ob", 1, 20}, {"mü", 1, 5}, {"m", 1, 5}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(gesehen[i].treffer, erwartet[i].treffer) << erwartet[i].text;
        EXPECT_EQ(gesehen[i].erster, erwartet[i].erster) << erwartet[i].text;
    }
}

TEST_F(SucheTest, SearchWithAnEmptyTextLeavesTheListAsItIs)
{
    int gefunden = -1;
    wennModal([&](QWidget *fenster) {
        auto *dialog = qobject_cast<TfrmSuche *>(fenster);
        dialog->RadioGroup1->setItemIndex(1);
        dialog->SpeedButton3->click();
        gefunden = familie.kopf->recordCount();
        dialog->SpeedButton2->click();
    });
    StammdatenSuchen(*familie.kopf, *familie.kopfQuelle, kriterien);
    EXPECT_EQ(gefunden, 3);
}

TEST_F(SucheTest, TypingBeforeChoosingACriterionIsRefused)
{
    ScriptedDialogs dialoge;
    dialoge.answerMessage(QStringLiteral("Sie müßen erst angeben, nach was"), ui::ModalResult::Ok);
    TfrmSuche dialog;
    dialog.RadioGroup1->addItem(QStringLiteral("BelegNr."));
    QKeyEvent taste(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QApplication::sendEvent(dialog.Edit1, &taste);
    EXPECT_EQ(dialog.Edit1->text(), "");
    ASSERT_EQ(dialoge.shown().size(), 1u);
    EXPECT_EQ(dialoge.shown().front().type, ui::MessageType::Error);

    dialog.RadioGroup1->setItemIndex(0);
    QApplication::sendEvent(dialog.Edit1, &taste);
    EXPECT_EQ(dialog.Edit1->text(), "a");
}

TEST_F(SucheTest, IncrementalSearchGoesToTheNearestDocument)
{
    familie.kopf->setFiltered(false);
    struct Fall
    {
        bool nachName;
        const char *text;
        int beleg;
    };
    for (const Fall &fall : {Fall{false, "12", 12}, Fall{false, "13", 20}, Fall{false, "6", 12},
                             Fall{true, "o'b", 12}, Fall{true, "OBE", 20}, Fall{true, "mü", 5}}) {
        SCOPED_TRACE(fall.text);
        int stand = -1;
        wennModal([&](QWidget *fenster) {
            auto *dialog = qobject_cast<TSearchDlg *>(fenster);
            ASSERT_NE(dialog, nullptr);
            EXPECT_TRUE(dialog->RadioButton1->isChecked());
            if (fall.nachName)
                dialog->RadioButton2->setChecked(true);
            dialog->Edit1->setText(QString::fromUtf8(fall.text));
            stand = familie.kopf->field(0).asInteger();
            dialog->SpeedButton2->click();
        });
        EXPECT_TRUE(BelegSuchen(*familie.kopf, *familie.kopfQuelle, QStringLiteral("Empfaenger")));
        EXPECT_EQ(stand, fall.beleg);
        EXPECT_EQ(familie.kopf->field(0).asInteger(), fall.beleg);
        EXPECT_EQ(familie.kopf->indexName(), "") << "numbers are found by number again";
    }
}

TEST_F(SucheTest, IncrementalSearchWithANumberTooLongForDocumentsGoesToTheEnd)
{
    int stand = -1;
    wennModal([&](QWidget *fenster) {
        auto *dialog = qobject_cast<TSearchDlg *>(fenster);
        ASSERT_NE(dialog, nullptr);
        dialog->Edit1->setText(QStringLiteral("99999999999"));
        stand = familie.kopf->field(0).asInteger();
        dialog->SpeedButton2->click();
    });
    EXPECT_TRUE(BelegSuchen(*familie.kopf, *familie.kopfQuelle, QStringLiteral("Empfaenger")));
    EXPECT_EQ(stand, 20);
}

TEST_F(SucheTest, IncrementalSearchOnTheMasterRecordSaysItIsNotShown)
{
    familie.kopf->setFiltered(false);
    ScriptedDialogs dialoge;
    dialoge.answerMessage(QStringLiteral("Masterformular wird nicht angezeigt !"), ui::ModalResult::Ok);
    wennModal([&](QWidget *fenster) {
        auto *dialog = qobject_cast<TSearchDlg *>(fenster);
        dialog->Edit1->setText(QStringLiteral("1999999999"));
        dialog->SpeedButton2->click();
    });
    EXPECT_TRUE(BelegSuchen(*familie.kopf, *familie.kopfQuelle, QStringLiteral("Empfaenger")));
    EXPECT_EQ(familie.kopf->field(0).asInteger(), 2000000000);
}

// Enter in the edit: the incremental search takes the record, the filter
// search searches and stays open; Esc cancels both.
TEST(Suchdialoge, EnterAndEscInTheEdit)
{
    auto taste = [](QWidget *ziel, Qt::Key key) {
        QKeyEvent ereignis(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(ziel, &ereignis);
    };
    {
        TSearchDlg suche;
        suche.show();
        taste(suche.Edit1, Qt::Key_Return);
        EXPECT_EQ(suche.result(), ui::ModalResult::Ok);
        EXPECT_FALSE(suche.isVisible());
        TSearchDlg abbruch;
        abbruch.show();
        taste(abbruch.Edit1, Qt::Key_Escape);
        EXPECT_EQ(abbruch.result(), ui::ModalResult::Cancel);
    }
    TfrmSuche filter;
    int gesucht = 0;
    filter.onSuchen = [&](TfrmSuche &) { ++gesucht; };
    filter.show();
    QApplication::setActiveWindow(&filter);
    filter.Edit1->setFocus();
    QApplication::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), filter.Edit1);
    taste(filter.Edit1, Qt::Key_Return);
    EXPECT_EQ(gesucht, 1);
    EXPECT_TRUE(filter.isVisible());
    taste(filter.Edit1, Qt::Key_Escape);
    EXPECT_EQ(filter.result(), ui::ModalResult::Cancel);
    EXPECT_FALSE(filter.isVisible());
}

} // namespace
