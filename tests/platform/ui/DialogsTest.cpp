#include "Interaction.h"

#include "platform/sys/Files.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/FolderDialog.h"
#include "platform/ui/StandardDialogs.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace {

TEST(ScriptedDialogs, AnswerAConfirmationFromTheScript)
{
    ScriptedDialogs script;
    script.answerMessage(QStringLiteral("Datensatz löschen?"), ui::ModalResult::Ok)
        .answerMessage(QStringLiteral("wirklich beenden"), ui::ModalResult::No);

    EXPECT_EQ(ui::messageDlg(QStringLiteral("Datensatz löschen?"), ui::MessageType::Confirmation, ui::Buttons::OkCancel),
              ui::ModalResult::Ok);
    EXPECT_FALSE(ui::confirm(QStringLiteral("Möchten Sie das Programm wirklich beenden ?")));

    ASSERT_EQ(script.shown().size(), 2u);
    EXPECT_EQ(script.shown()[0].caption, QStringLiteral("Bestätigen"));
    EXPECT_EQ(script.shown()[1].type, ui::MessageType::Confirmation);
    EXPECT_TRUE(script.allAnswered());
}

TEST(ScriptedDialogs, InputBoxesAndQueries)
{
    ScriptedDialogs script;
    script.answerInput(QStringLiteral("Übernehmen oder Ändern"), QStringLiteral("4711"))
        .answerInput(QStringLiteral("Anzahl"), std::nullopt);

    EXPECT_EQ(ui::inputBox(QStringLiteral("Belegnummmer !"), QStringLiteral("Übernehmen oder Ändern"), QStringLiteral("17")),
              QStringLiteral("4711"));
    QString sheets = QStringLiteral("2");
    EXPECT_FALSE(ui::inputQuery(QStringLiteral("Leerblätter"), QStringLiteral("Anzahl der Blätter"), sheets));
    EXPECT_EQ(sheets, QStringLiteral("2"));
}

TEST(ScriptedDialogs, ADialogNobodyExpectedFailsTheTestWithItsText)
{
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedDialogs script;
            ui::showError(QStringLiteral("Daten konnten nicht gespeichert werden!"));
        },
        "Daten konnten nicht gespeichert werden!");

    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedDialogs script;
            script.answerMessage(QStringLiteral("Datensatz löschen?"), ui::ModalResult::Ok);
            ui::showWarning(QStringLiteral("Es wurde kein Drucker ausgewählt!"));
        },
        "Es wurde kein Drucker ausgewählt!");

    EXPECT_NONFATAL_FAILURE({ ScriptedDialogs script; script.answerMessage(QStringLiteral("nie"), ui::ModalResult::Ok); },
                            "nie");

    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedDialogs script;
            script.answerMessage(QStringLiteral("Hinweis"), ui::ModalResult::Yes);
            ui::showInformation(QStringLiteral("Hinweis"));
        },
        "keine Schaltfläche");
}

TEST(ScriptedDialogs, OkInAFolderTheChooserRefusesFails)
{
    TempFolder data;
    sys::writeFileBytes(data.file(QStringLiteral("Rechnung.DB")), "");
    const auto holdsInvoices = [](const QString &path) { return sys::fileExists(sys::joinPath(path, QStringLiteral("Rechnung.DB"))); };

    ScriptedDialogs script;
    script.answerFolder(data.path());
    const ui::FolderResult chosen = ui::dialogs().chooseFolder({QStringLiteral("Pfad der Datenbanken auswählen!"), {}, holdsInvoices});
    EXPECT_TRUE(chosen.accepted);
    EXPECT_EQ(chosen.path, data.path());

    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedDialogs inner;
            inner.answerFolder(QDir::tempPath() + QStringLiteral("/gibt-es-nicht"));
            EXPECT_FALSE(ui::dialogs().chooseFolder({QStringLiteral("Pfad"), {}, holdsInvoices}).accepted);
        },
        "gesperrt");
}

// Clicks the button with this text in the message box once it is open.
void clickInMessageBox(const QString &buttonText, QString *seenCaption = nullptr)
{
    QTimer::singleShot(0, [=] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        if (seenCaption)
            *seenCaption = box->windowTitle();
        for (QAbstractButton *button : box->buttons()) {
            if (button->text() == buttonText) {
                button->click();
                return;
            }
        }
        ADD_FAILURE() << "keine Schaltfläche " << buttonText.toStdString();
        box->reject();
    });
}

TEST(StandardDialogs, MessageBoxesHaveGermanButtonsAndTheOldResults)
{
    ui::StandardDialogs standard;
    QString caption;
    clickInMessageBox(QStringLiteral("&Nein"), &caption);
    EXPECT_EQ(standard.message({ui::MessageType::Confirmation, QStringLiteral("Jetzt Beenden?"), {}, ui::Buttons::YesNoCancel}),
              ui::ModalResult::No);
    EXPECT_EQ(caption, QStringLiteral("Bestätigen"));

    clickInMessageBox(QStringLiteral("Abbrechen"));
    EXPECT_EQ(standard.message({ui::MessageType::Warning, QStringLiteral("Datensatz löschen?"), {}, ui::Buttons::OkCancel}),
              ui::ModalResult::Cancel);

    // Closing the box without a button is its cancel.
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    EXPECT_EQ(standard.message({ui::MessageType::Confirmation, QStringLiteral("?"), {}, ui::Buttons::YesNo}),
              ui::ModalResult::No);

    clickInMessageBox(QStringLiteral("OK"), &caption);
    EXPECT_EQ(standard.message({ui::MessageType::Error, QStringLiteral("Fehler"), {}, ui::Buttons::Ok}), ui::ModalResult::Ok);
    EXPECT_EQ(caption, QStringLiteral("Fehler"));
}

TEST(StandardDialogs, ThePrintLayerPlugsItsPrinterSetUpIn)
{
    ui::StandardDialogs standard;
    EXPECT_EQ(standard.printerSetup(QStringLiteral("LPT1")), std::nullopt);
    QString asked;
    ui::setPrinterSetupHandler([&](const QString &current) {
        asked = current;
        return std::optional<QString>(QStringLiteral("PDF"));
    });
    EXPECT_EQ(standard.printerSetup(QStringLiteral("LPT1")), QStringLiteral("PDF"));
    EXPECT_EQ(asked, QStringLiteral("LPT1"));
    ui::setPrinterSetupHandler({});
}

TEST(FolderDialog, OkOnlyWhereTheRequiredFileLies)
{
    TempFolder data;
    QDir(data.path()).mkpath(QStringLiteral("leer"));
    sys::writeFileBytes(data.file(QStringLiteral("Rechnung.DB")), "");

    ui::FolderDialog dialog;
    dialog.setAcceptable([](const QString &path) { return sys::fileExists(sys::joinPath(path, QStringLiteral("Rechnung.DB"))); });
    dialog.setPath(data.file(QStringLiteral("leer")));
    interaction::showActive(dialog);
    EXPECT_FALSE(dialog.okButton()->isEnabled());
    dialog.pathEdit()->setFocus();
    interaction::click(Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());   // Enter does nothing while OK is off

    // The typed path is what counts and what comes back.
    dialog.pathEdit()->setText(data.path());
    EXPECT_TRUE(dialog.okButton()->isEnabled());
    interaction::click(Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.path(), data.path());
}

} // namespace
