#include "support/PressKey.h"
#include "RecordingDialogs.h"
#include "TestStore.h"

#include "dbupdate/RunDatabaseUpdate.h"
#include "dbupdate/TfrmUpdateDataBases.h"

#include "platform/db/DatabaseError.h"
#include "platform/sys/Files.h"
#include "platform/sys/IntervalTimer.h"
#include "platform/sys/TextFile.h"
#include "platform/ui/ModalResult.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

using dbupdate::TfrmUpdateDataBases;

namespace {

class UpdateDialog : public testing::Test
{
protected:
    void SetUp() override
    {
        store.db().createTable(kundenTabelle());
        store.fill(QStringLiteral("S_KUNDEN"), 2);
        sys::writeTextLines(sys::joinPath(program.path(), QStringLiteral("Aenderung.txt")),
                            {QStringLiteral("1,\"N\",\"Fax\",30,1,\"S_KUNDEN\",0")}, sys::CodePage::Windows1252);
    }

    static void pressCtrlAltShiftF12(QWidget *target)
    {
        pressKey(target, Qt::Key_F12, Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier);
    }

    void goodsTable()
    {
        using namespace Qt::StringLiterals;
        using enum db::FieldType;
        store.db().createTable({
            .name = u"S_WARENN"_s,
            .fields = {
                {u"waren"_s, Alpha, 40},
                {u"bez1"_s, Alpha, 40},
                {u"bez2"_s, Alpha, 40},
                {u"bez3"_s, Alpha, 40},
                {u"bez4"_s, Alpha, 40},
                {u"bez5"_s, Alpha, 40},
                {u"Land"_s, Alpha, 40},
            },
        });
    }

    // Clicks "&Starte Update" as soon as the modal dialog is up.
    static void startTheRunOnceShown()
    {
        QTimer::singleShot(0, [] {
            if (auto *dialog = qobject_cast<TfrmUpdateDataBases *>(QApplication::activeModalWidget()))
                dialog->control<QPushButton>(QStringLiteral("bbtStarten"))->click();
        });
    }

    TestStore store;
    TempFolder program;
    RecordingDialogs dialogs;
};

TEST_F(UpdateDialog, ClosesBeforeTheRunOnlyByTheKeyCombination)
{
    TfrmUpdateDataBases dialog(store.db(), program.path());
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Update"));
    dialog.close();
    EXPECT_TRUE(dialog.isVisible());
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&dialog, &escape);
    EXPECT_TRUE(dialog.isVisible());

    pressCtrlAltShiftF12(&dialog);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), ui::ModalResult::Cancel);
    EXPECT_EQ(store.db().tableDef(QStringLiteral("S_KUNDEN")).fields.size(), 4);
}

TEST_F(UpdateDialog, TheRunClosesWithOkWhenNothingFailed)
{
    TfrmUpdateDataBases dialog(store.db(), program.path());
    dialog.show();
    dialog.control<QPushButton>(QStringLiteral("bbtStarten"))->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), ui::ModalResult::Ok);
    EXPECT_EQ(dialog.control<QLabel>(QStringLiteral("lblBearbeite"))->text(),
              QStringLiteral("Bearbeite Feld 1 von 1 in S_KUNDEN.DB"));
    EXPECT_EQ(store.db().tableDef(QStringLiteral("S_KUNDEN")).fields.size(), 5);
}

TEST_F(UpdateDialog, TheKeyCombinationDuringTheRunGivesWayToTheRunsResult)
{
    TfrmUpdateDataBases dialog(store.db(), program.path());
    dialog.show();
    dialog.update().onZwischendurch = [&] { pressCtrlAltShiftF12(&dialog); };
    dialog.control<QPushButton>(QStringLiteral("bbtStarten"))->click();
    EXPECT_EQ(dialog.result(), ui::ModalResult::Ok);
    EXPECT_EQ(store.db().tableDef(QStringLiteral("S_KUNDEN")).fields.size(), 5);
}

TEST_F(UpdateDialog, TicksDuringTheRunShowElapsedAndRemainingTime)
{
    sys::writeTextLines(sys::joinPath(program.path(), QStringLiteral("Aenderung.txt")),
                        {QStringLiteral("1,\"N\",\"Fax\",30,1,\"S_KUNDEN\",0"),
                         QStringLiteral("2,\"N\",\"Plz\",5,1,\"S_KUNDEN\",0")},
                        sys::CodePage::Windows1252);
    TfrmUpdateDataBases dialog(store.db(), program.path());
    auto *timer = dialog.findChild<sys::IntervalTimer *>(QStringLiteral("MMTimer1"));
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 1000u);
    EXPECT_FALSE(timer->isEnabled());
    auto *elapsed = dialog.control<QLabel>(QStringLiteral("Label1"));
    auto *remaining = dialog.control<QLabel>(QStringLiteral("Label2"));
    EXPECT_EQ(elapsed->text(), QStringLiteral("Damit das Programm einwandtfrei läuft,muß ein"));
    EXPECT_EQ(remaining->text(), QStringLiteral("Datenbankupdate durchgeführt werden."));

    dialog.show();
    bool first = true;
    dialog.update().onZwischendurch = [&] {
        if (!first)
            return;
        first = false;
        EXPECT_TRUE(timer->isEnabled());
        // 75 s for the first of two rows: as long again to go.
        for (int i = 0; i < 75; ++i)
            emit timer->timeout(0);
        EXPECT_EQ(elapsed->text(), QStringLiteral("Verstrichene Zeit 00:01:15"));
        EXPECT_EQ(remaining->text(), QStringLiteral("Verbleibende Zeit 00:01:15"));
    };
    dialog.control<QPushButton>(QStringLiteral("bbtStarten"))->click();
    EXPECT_FALSE(first);
    EXPECT_FALSE(timer->isEnabled());
    EXPECT_EQ(dialog.result(), ui::ModalResult::Ok);
}

TEST_F(UpdateDialog, StartUpHookRebuildsTheGoodsIndexesAndRunsTheDialog)
{
    goodsTable();
    store.db().close();

    startTheRunOnceShown();
    EXPECT_TRUE(dbupdate::RunDatabaseUpdate(program.path(), store.data.path()));

    store.db().open();
    EXPECT_EQ(store.db().tableDef(QStringLiteral("S_WARENN")).indexes.size(), 4);
    EXPECT_EQ(store.db().tableDef(QStringLiteral("S_KUNDEN")).fields.size(), 5);
}

TEST_F(UpdateDialog, StartUpHookStopsWhenTheGoodsTableIsMissing)
{
    store.db().close();
    EXPECT_THROW(dbupdate::RunDatabaseUpdate(program.path(), store.data.path()), db::DatabaseError);
    store.db().open();
    EXPECT_EQ(store.db().tableDef(QStringLiteral("S_KUNDEN")).fields.size(), 4);
}

// A row that fails gives false, so the start-up keeps "Aenderung.txt" and
// the next start offers the update again; once the cause is gone it passes.
TEST_F(UpdateDialog, StartUpHookReportsFailureSoTheUpdateIsOfferedAgain)
{
    goodsTable();
    // Keyed on text: cut to one character, "10" and "11" become one key.
    store.db().createTable({
        .name = QStringLiteral("S_ARTIK"),
        .fields = {{QStringLiteral("Nr"), db::FieldType::Alpha, 10}},
        .primaryKey = {QStringLiteral("Nr")},
    });
    store.db().execute(QStringLiteral("INSERT INTO \"S_ARTIK\" (\"Nr\") VALUES ('10'), ('11')"));
    sys::writeTextLines(sys::joinPath(program.path(), QStringLiteral("Aenderung.txt")),
                        {QStringLiteral("1,\"A\",\"Nr\",1,1,\"S_ARTIK\",0"),
                         QStringLiteral("2,\"N\",\"Fax\",30,1,\"S_KUNDEN\",0")},
                        sys::CodePage::Windows1252);
    store.db().close();

    startTheRunOnceShown();
    EXPECT_FALSE(dbupdate::RunDatabaseUpdate(program.path(), store.data.path()));
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].startsWith(QStringLiteral("Beim Updaten der Datenbanken wurden 1 Fehler")));

    store.db().open();
    EXPECT_EQ(store.db().tableDef(QStringLiteral("S_ARTIK")).fields[0].size, 10);
    EXPECT_EQ(store.db().tableDef(QStringLiteral("S_KUNDEN")).fields.size(), 5);
    store.db().execute(QStringLiteral("DELETE FROM \"S_ARTIK\" WHERE \"Nr\" = '11'"));
    store.db().close();

    startTheRunOnceShown();
    EXPECT_TRUE(dbupdate::RunDatabaseUpdate(program.path(), store.data.path()));
    store.db().open();
    EXPECT_EQ(store.db().tableDef(QStringLiteral("S_ARTIK")).fields[0].size, 1);
    EXPECT_EQ(store.db().tableDef(QStringLiteral("S_KUNDEN")).fields.size(), 5);
}

} // namespace
