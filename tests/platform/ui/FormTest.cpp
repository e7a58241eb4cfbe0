#include "Interaction.h"

#include "platform/sys/UnhandledException.h"
#include "platform/ui/Form.h"
#include "platform/ui/Guard.h"
#include "platform/ui/Hints.h"
#include "platform/ui/Keys.h"
#include "platform/ui/MainForm.h"
#include "platform/ui/SpeedButton.h"
#include "platform/ui/StatusBar.h"

#include "platform/db/DatabaseError.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusTipEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace interaction;

namespace {

// A small entry form: three edits, a memo, a lookup button and "OK".
class EntryForm : public ui::Form
{
public:
    EntryForm()
    {
        setObjectName(QStringLiteral("frmTest"));
        auto *layout = new QVBoxLayout(body());
        for (const char *name : {"DBEdit1", "DBEdit2", "DBEdit3"}) {
            auto *edit = new QLineEdit(body());
            edit->setObjectName(QLatin1String(name));
            layout->addWidget(edit);
        }
        memo = new QPlainTextEdit(body());
        memo->setObjectName(QStringLiteral("DBMemo1"));
        layout->addWidget(memo);
        lookup = new ui::SpeedButton(QStringLiteral("SpeedButton5"), QStringLiteral("..."), body());
        layout->addWidget(lookup);
        label = new QLabel(QStringLiteral("Feld 8"), body());
        label->setObjectName(QStringLiteral("Label8"));
        layout->addWidget(label);
        ok = new QPushButton(QStringLiteral("&OK"), body());
        ok->setObjectName(QStringLiteral("bbtOK"));
        layout->addWidget(ok);
        QObject::connect(lookup, &QAbstractButton::clicked, [this] { ++lookups; });
        QObject::connect(ok, &QAbstractButton::clicked, [this] { ++oks; });
    }

    QLineEdit *edit(int number) const { return control<QLineEdit>(QStringLiteral("DBEdit%1").arg(number)); }

    QPlainTextEdit *memo;
    ui::SpeedButton *lookup;
    QLabel *label;
    QPushButton *ok;
    int lookups = 0;
    int oks = 0;
};

TEST(FormKeys, EnterMovesToTheNextControlInTabOrder)
{
    EntryForm form;
    form.setEnterMovesFocus(true);
    form.edit(2)->setEnabled(false);
    showActive(form);
    form.edit(1)->setFocus();

    click(Qt::Key_Return);
    EXPECT_EQ(focused(), form.edit(3));   // the disabled edit is skipped
    click(Qt::Key_Enter);
    EXPECT_EQ(focused(), form.memo);

    // A memo keeps Enter for its line breaks; a focused button is clicked.
    click(Qt::Key_Return);
    EXPECT_EQ(focused(), form.memo);
    form.ok->setFocus();
    click(Qt::Key_Return);
    EXPECT_EQ(form.oks, 1);
    EXPECT_TRUE(form.isVisible());
}

TEST(FormKeys, WithoutTheSwitchEnterNeitherMovesNorPressesAButton)
{
    EntryForm form;
    showActive(form);
    form.edit(1)->setFocus();
    click(Qt::Key_Return);
    EXPECT_EQ(focused(), form.edit(1));
    EXPECT_EQ(form.oks, 0);
    EXPECT_TRUE(form.isVisible());

    form.setDefaultButton(form.ok);
    click(Qt::Key_Return);
    EXPECT_EQ(form.oks, 1);
}

TEST(FormKeys, EscapeClosesOnlyWhereTheFormSaysSo)
{
    EntryForm form;
    showActive(form);
    form.edit(1)->setFocus();
    click(Qt::Key_Escape);
    EXPECT_TRUE(form.isVisible());

    form.setCancelButton(form.ok);
    click(Qt::Key_Escape);
    EXPECT_EQ(form.oks, 1);
    EXPECT_TRUE(form.isVisible());

    form.setCancelButton(nullptr);
    form.setEscapeCloses(true);
    click(Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.modalResult(), ui::ModalResult::Cancel);
}

TEST(FormKeys, HotKeyClicksTheLinkedButtonOnReleaseOnce)
{
    EntryForm form;
    ui::setHotKey(form.edit(1), ui::keyFromVirtualKey(120), QStringLiteral("SpeedButton5"));
    ui::setHotKey(form.edit(2), Qt::Key_F9, QStringLiteral("Label8"));
    showActive(form);
    form.edit(1)->setFocus();

    press(Qt::Key_F9);
    EXPECT_EQ(form.lookups, 0);   // not on press
    // Holding the key repeats press and release; only the real release counts.
    press(Qt::Key_F9, Qt::NoModifier, {}, true);
    release(Qt::Key_F9, true);
    press(Qt::Key_F9, Qt::NoModifier, {}, true);
    release(Qt::Key_F9);
    EXPECT_EQ(form.lookups, 1);

    click(Qt::Key_F8);
    EXPECT_EQ(form.lookups, 1);

    // A label of that name is no button; an edit without hot key does nothing.
    form.edit(2)->setFocus();
    click(Qt::Key_F9);
    form.edit(3)->setFocus();
    click(Qt::Key_F9);
    EXPECT_EQ(form.lookups, 1);
}

TEST(FormKeys, TheFormSeesKeysBeforeItsControls)
{
    EntryForm form;
    QList<int> seen;
    form.onKeyPress = [&](QKeyEvent *event) {
        seen << event->key();
        return event->key() == Qt::Key_F6;   // the form takes F6 for itself
    };
    showActive(form);
    form.edit(1)->setFocus();
    press(Qt::Key_F6);
    press(Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    EXPECT_EQ(seen, (QList<int>{Qt::Key_F6, Qt::Key_A}));
    EXPECT_EQ(form.edit(1)->text(), QStringLiteral("a"));
}

// A window not yet activated gets a key while the focus is still in another
// window: its own form sees it once, at the window.
TEST(FormKeys, AWindowWithoutTheFocusSeesAKeySentToIt)
{
    EntryForm andere;
    showActive(andere);
    andere.edit(1)->setFocus();
    EntryForm form;
    int gesehen = 0;
    form.onKeyPress = [&](QKeyEvent *) {
        ++gesehen;
        return true;
    };
    form.show();
    ASSERT_NE(QApplication::focusWidget()->window(), &form);
    QKeyEvent taste(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&form, &taste);
    EXPECT_EQ(gesehen, 1);
}

TEST(FormClosing, ButtonsCloseWithTheirModalResult)
{
    const int results[] = {ui::ModalResult::Ok, ui::ModalResult::Cancel, ui::ModalResult::Abort, ui::ModalResult::Correct};
    for (int result : results) {
        EntryForm form;
        form.setButtonResult(form.ok, result);
        QTimer::singleShot(0, form.ok, &QAbstractButton::click);
        EXPECT_EQ(form.showModal(), result);
    }
    EXPECT_EQ(ui::ModalResult::Correct, 4);
}

TEST(FormClosing, CloseQueryCanRefuseAndTheCloseButtonCancels)
{
    EntryForm form;
    bool allow = false;
    int queries = 0;
    QList<int> closedWith;
    form.onCloseQuery = [&] {
        ++queries;
        return allow;
    };
    form.onClose = [&](int result) { closedWith << result; };
    showActive(form);

    form.setModalResult(ui::ModalResult::Ok);
    EXPECT_TRUE(form.isVisible());
    form.close();   // the window's close button
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(queries, 2);

    allow = true;
    form.close();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.modalResult(), ui::ModalResult::Cancel);
    EXPECT_EQ(closedWith, QList<int>{ui::ModalResult::Cancel});
}

TEST(FormClosing, AnExceptionInTheCloseQueryIsReportedAndTheFormStays)
{
    std::vector<sys::ExceptionReport> reports;
    const auto previous = sys::setExceptionHandler([&](const sys::ExceptionReport &r) { reports.push_back(r); });
    EntryForm form;
    showActive(form);
    form.onCloseQuery = [] () -> bool { throw db::DatabaseError(QStringLiteral("Tabelle gesperrt")); };
    form.setModalResult(ui::ModalResult::Ok);
    EXPECT_TRUE(form.isVisible());
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].message, QStringLiteral("Tabelle gesperrt"));

    // A quiet abort says nothing.
    form.onCloseQuery = [] () -> bool { throw db::Abort(); };
    form.setModalResult(ui::ModalResult::Ok);
    EXPECT_EQ(reports.size(), 1u);
    sys::setExceptionHandler(previous);
}

TEST(FormClosing, TheMainWindowAsksBeforeItCloses)
{
    ui::MainForm mainWindow;
    bool allow = false;
    int closed = 0;
    mainWindow.onCloseQuery = [&] { return allow; };
    mainWindow.onClose = [&] { ++closed; };
    showActive(mainWindow);
    mainWindow.close();
    EXPECT_TRUE(mainWindow.isVisible());
    EXPECT_EQ(closed, 0);
    allow = true;
    mainWindow.close();
    EXPECT_FALSE(mainWindow.isVisible());
    EXPECT_EQ(closed, 1);
}

TEST(FormHints, EnteringAControlShowsItsHintAndLeavingClearsIt)
{
    EntryForm form;
    ui::setEnterHint(form.edit(1), QStringLiteral("8 Empfänger - (hier besteht eine Übernahmemöglichkeit)"));
    ui::setEnterHint(form.edit(2), QStringLiteral("7 Bezugsnummer"));
    form.statusBar()->setPanels({450, 150});
    form.statusBar()->setPanelText(1, QStringLiteral("BelegNr: 17"));
    showActive(form);

    form.edit(1)->setFocus();
    EXPECT_EQ(form.statusBar()->panelText(0), QStringLiteral("8 Empfänger - (hier besteht eine Übernahmemöglichkeit)"));
    form.edit(2)->setFocus();
    EXPECT_EQ(form.statusBar()->panelText(0), QStringLiteral("7 Bezugsnummer"));
    form.edit(3)->setFocus();
    EXPECT_EQ(form.statusBar()->panelText(0), QString());
    EXPECT_EQ(form.statusBar()->panelText(1), QStringLiteral("BelegNr: 17"));
}

TEST(FormHints, AutomaticHintsGoToPanelZeroWhileSwitchedOn)
{
    ui::MainForm mainWindow;
    mainWindow.statusBar()->setPanels({450, 150});
    mainWindow.statusBar()->setAutoHint(true);
    EntryForm withBar;
    withBar.statusBar()->setAutoHint(true);
    EntryForm withoutBar;

    auto hover = [](QWidget *over, const QString &hint) {
        QStatusTipEvent tip(hint);
        QApplication::sendEvent(over, &tip);
    };
    ui::setHint(withBar.lookup, QStringLiteral("Suchen|Kunden suchen"));
    EXPECT_EQ(withBar.lookup->toolTip(), QStringLiteral("Suchen"));
    hover(withBar.lookup, withBar.lookup->statusTip());
    EXPECT_EQ(withBar.statusBar()->panelText(0), QStringLiteral("Kunden suchen"));

    // A form without a bar of its own shows its hints in the main window's.
    hover(withoutBar.ok, QStringLiteral("Übernehmen"));
    EXPECT_EQ(mainWindow.statusBar()->panelText(0), QStringLiteral("Übernehmen"));

    mainWindow.statusBar()->setAutoHint(false);
    hover(withoutBar.ok, QStringLiteral("Abbrechen"));
    hover(&mainWindow, QStringLiteral("Dienste"));
    EXPECT_EQ(mainWindow.statusBar()->panelText(0), QStringLiteral("Übernehmen"));
    mainWindow.statusBar()->setAutoHint(true);
    hover(&mainWindow, QStringLiteral("Dienste"));
    EXPECT_EQ(mainWindow.statusBar()->panelText(0), QStringLiteral("Dienste"));
}

TEST(FormLookup, ControlsAreFoundByName)
{
    EntryForm form;
    EXPECT_EQ(form.control<QLineEdit>(QStringLiteral("DBEdit2")), form.edit(2));
    EXPECT_EQ(form.control<QPushButton>(QStringLiteral("DBEdit2")), nullptr);
    EXPECT_EQ(ui::FormCore::of(form.edit(3)), &form);
}

TEST(Guard, SlotExceptionsReachTheErrorHookAndWorkGoesOn)
{
    std::vector<sys::ExceptionReport> reports;
    const auto previous = sys::setExceptionHandler([&](const sys::ExceptionReport &r) { reports.push_back(r); });
    QPushButton button;
    int after = 0;
    QObject::connect(&button, &QPushButton::clicked, ui::guarded([] { throw std::runtime_error("Fehler im Handler"); }, QStringLiteral("bbtNeuClick")));
    QObject::connect(&button, &QPushButton::clicked, ui::guarded([&](bool) { ++after; }));
    QObject::connect(&button, &QPushButton::clicked, ui::guarded([] { throw db::Abort(); }));
    button.click();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].message, QStringLiteral("Fehler im Handler"));
    EXPECT_EQ(reports[0].context, QStringLiteral("bbtNeuClick"));
    EXPECT_EQ(after, 1);
    sys::setExceptionHandler(previous);
}

} // namespace
