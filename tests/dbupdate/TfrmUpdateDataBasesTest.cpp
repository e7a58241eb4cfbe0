#include "ScriptedDialogs.h"
#include "TestStore.h"

#include "dbupdate/RunDatabaseUpdate.h"
#include "dbupdate/TfrmUpdateDataBases.h"

#include "platform/db/DatabaseError.h"
#include "platform/sys/Files.h"
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
        QKeyEvent press(QEvent::KeyPress, Qt::Key_F12, Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier);
        QApplication::sendEvent(target, &press);
    }

    TestStore store;
    TempFolder program;
    ScriptedDialogs dialogs;
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

TEST_F(UpdateDialog, StartUpHookRebuildsTheGoodsIndexesAndRunsTheDialog)
{
    db::TableDef waren;
    waren.name = QStringLiteral("S_WARENN");
    for (const char *name : {"waren", "bez1", "bez2", "bez3", "bez4", "bez5", "Land"})
        waren.fields << field(QLatin1String(name), db::FieldType::Alpha, 40);
    store.db().createTable(waren);
    store.db().close();

    QTimer::singleShot(0, [] {
        if (auto *dialog = qobject_cast<TfrmUpdateDataBases *>(QApplication::activeModalWidget()))
            dialog->control<QPushButton>(QStringLiteral("bbtStarten"))->click();
    });
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

} // namespace
