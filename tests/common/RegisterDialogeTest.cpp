#include "support/ScriptedDialogs.h"

#include "common/TCopyDlg.h"
#include "common/TDeleteDlg.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

struct Fall
{
    const char *von;
    const char *bis;
    int ergebnis;
};

// The numbers the copy dialog hands back with OK; the master record
// 2000000000 and anything above it end with 2, without a word.
TEST(TCopyDlg, OkRefusesTheMasterRecordQuietly)
{
    const Fall faelle[] = {
        {"5", "7", ui::ModalResult::Ok},
        {"5", "1999999999", ui::ModalResult::Ok},
        {" 12 ", "0", ui::ModalResult::Ok},
        {"5", "2000000000", ui::ModalResult::Cancel},
        {"2000000000", "7", ui::ModalResult::Cancel},
        {"5", "99999999999", ui::ModalResult::Cancel},
    };
    for (const Fall &fall : faelle) {
        SCOPED_TRACE(std::string(fall.von) + " / " + fall.bis);
        ScriptedDialogs dialoge;
        TCopyDlg dialog;
        dialog.show();
        dialog.Edit1->setText(QString::fromLatin1(fall.von));
        dialog.Edit2->setText(QString::fromLatin1(fall.bis));
        dialog.OKBtn->click();
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), fall.ergebnis);
        if (fall.ergebnis == ui::ModalResult::Ok) {
            EXPECT_LT(dialog.GetNach(), 2000000000);
        }
        EXPECT_TRUE(dialoge.shown().empty());
    }
}

TEST(TDeleteDlg, OkWithTheMasterRecordSaysSoAndEndsWithCancel)
{
    const Fall faelle[] = {
        {"3", "8", ui::ModalResult::Ok},
        {"3", "1999999999", ui::ModalResult::Ok},
        {"3", "2000000000", ui::ModalResult::Cancel},
        {"2000000000", "2000000000", ui::ModalResult::Cancel},
    };
    for (const Fall &fall : faelle) {
        SCOPED_TRACE(std::string(fall.von) + " / " + fall.bis);
        ScriptedDialogs dialoge;
        if (fall.ergebnis == ui::ModalResult::Cancel)
            dialoge.answerMessage(QStringLiteral("Masterformular kann nicht gelöscht werden !"), ui::ModalResult::Ok);
        TDeleteDlg dialog;
        dialog.show();
        dialog.Edit1->setText(QString::fromLatin1(fall.von));
        dialog.Edit2->setText(QString::fromLatin1(fall.bis));
        dialog.OKBtn->click();
        EXPECT_EQ(dialog.result(), fall.ergebnis);
        if (fall.ergebnis == ui::ModalResult::Ok) {
            EXPECT_EQ(dialog.GetVon(), QString::fromLatin1(fall.von).toInt());
            EXPECT_EQ(dialog.GetBis(), QString::fromLatin1(fall.bis).toInt());
        }
    }
}

// "Abbrechen" closes quietly whatever the edits hold.
TEST(NummernDialog, CancelAlwaysClosesQuietly)
{
    for (const char *text : {"2000000000", "abc", ""}) {
        SCOPED_TRACE(text);
        ScriptedDialogs dialoge;
        TDeleteDlg loeschen;
        loeschen.show();
        loeschen.SetVon(4);
        loeschen.Edit2->setText(QString::fromLatin1(text));
        loeschen.CancelBtn->click();
        EXPECT_EQ(loeschen.result(), ui::ModalResult::Cancel);
        EXPECT_FALSE(loeschen.isVisible());

        TCopyDlg kopieren;
        kopieren.show();
        kopieren.Edit1->setText(QString::fromLatin1(text));
        kopieren.CancelBtn->click();
        EXPECT_EQ(kopieren.result(), ui::ModalResult::Cancel);
        EXPECT_TRUE(dialoge.shown().empty());
    }
}

// A text that is no whole number gets a message; the dialog stays open for
// the correction.
TEST(NummernDialog, NoWholeNumberGetsAMessageAndTheDialogStaysOpen)
{
    for (const char *text : {"abc", "", "1,5", "12x"}) {
        SCOPED_TRACE(text);
        ScriptedDialogs dialoge;
        dialoge.answerMessage(QStringLiteral("keine gültige Belegnummer"), ui::ModalResult::Ok);
        TCopyDlg dialog;
        dialog.show();
        dialog.SetVon(5);
        dialog.Edit2->setText(QString::fromLatin1(text));
        dialog.OKBtn->click();
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), 0);
        ASSERT_EQ(dialoge.shown().size(), 1u);
        EXPECT_TRUE(dialoge.shown().front().text.contains(QStringLiteral("\"nach\"")));

        dialog.SetNach(6);
        dialog.OKBtn->click();
        EXPECT_EQ(dialog.result(), ui::ModalResult::Ok);
        EXPECT_EQ(dialog.GetNach(), 6);
    }
}

// Enter in either edit is "OK", Esc is "Abbrechen".
TEST(NummernDialog, EnterAndEscActLikeTheButtons)
{
    struct Fall
    {
        bool inZweitem;
        Qt::Key taste;
        int ergebnis;
    };
    for (const Fall &fall : {Fall{false, Qt::Key_Return, ui::ModalResult::Ok}, Fall{true, Qt::Key_Enter, ui::ModalResult::Ok},
                             Fall{false, Qt::Key_Escape, ui::ModalResult::Cancel},
                             Fall{true, Qt::Key_Escape, ui::ModalResult::Cancel}}) {
        SCOPED_TRACE(testing::Message() << fall.inZweitem << " " << fall.taste);
        ScriptedDialogs dialoge;
        TCopyDlg kopieren;
        TDeleteDlg loeschen;
        for (NummernDialog *dialog : {static_cast<NummernDialog *>(&kopieren), static_cast<NummernDialog *>(&loeschen)}) {
            dialog->show();
            dialog->Edit1->setText(QStringLiteral("3"));
            dialog->Edit2->setText(QStringLiteral("4"));
            QLineEdit *edit = fall.inZweitem ? dialog->Edit2 : dialog->Edit1;
            edit->setFocus();
            QKeyEvent taste(QEvent::KeyPress, fall.taste, Qt::NoModifier);
            QApplication::sendEvent(edit, &taste);
            EXPECT_FALSE(dialog->isVisible());
            EXPECT_EQ(dialog->result(), fall.ergebnis);
        }
        EXPECT_TRUE(dialoge.shown().empty());
    }
}

TEST(NummernDialog, SettersShowTheNumbers)
{
    TCopyDlg dialog;
    dialog.SetVon(17);
    dialog.SetNach(18);
    EXPECT_EQ(dialog.Edit1->text(), "17");
    EXPECT_EQ(dialog.Edit2->text(), "18");
    EXPECT_EQ(dialog.GetVon(), 17);
    EXPECT_EQ(dialog.windowTitle(), "Kopieren");
    TDeleteDlg loeschen;
    EXPECT_EQ(loeschen.windowTitle(), "Löschen");
}

} // namespace
