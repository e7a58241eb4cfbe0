#include "StandardDialogs.h"

#include "Application.h"
#include "FolderDialog.h"
#include "Form.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace ui {

namespace {

DialogService *installedService = nullptr;

PrinterSetupHandler &printerSetupHandler()
{
    static PrinterSetupHandler handler;
    return handler;
}

QWidget *dialogParent()
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

QMessageBox::Icon iconFor(MessageType type)
{
    switch (type) {
    case MessageType::Information: return QMessageBox::Information;
    case MessageType::Warning: return QMessageBox::Warning;
    case MessageType::Error: return QMessageBox::Critical;
    case MessageType::Confirmation: return QMessageBox::Question;
    case MessageType::Plain: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::ButtonRole roleFor(int result)
{
    switch (result) {
    case ModalResult::Ok:
    case ModalResult::Yes:
    case ModalResult::Retry:
        return QMessageBox::AcceptRole;
    case ModalResult::No:
        return QMessageBox::NoRole;
    case ModalResult::Cancel:
    case ModalResult::Abort:
        return QMessageBox::RejectRole;
    default:
        return QMessageBox::ActionRole;
    }
}

// What closing a box without a button means.
int escapeResult(const QList<int> &buttons)
{
    for (int result : {int(ModalResult::Cancel), int(ModalResult::No), int(ModalResult::Abort)}) {
        if (buttons.contains(result))
            return result;
    }
    return buttons.size() == 1 ? buttons.first() : int(ModalResult::Cancel);
}

void germanFileDialog(QFileDialog &dialog, const FileRequest &request, bool saving)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setWindowTitle(request.caption.isEmpty() ? (saving ? QStringLiteral("Speichern unter")
                                                              : QStringLiteral("Öffnen"))
                                                    : request.caption);
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Suchen in:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Dateiname:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Dateityp:"));
    dialog.setLabelText(QFileDialog::Accept, saving ? QStringLiteral("Speichern") : QStringLiteral("Öffnen"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Abbrechen"));
    if (!request.folder.isEmpty())
        dialog.setDirectory(request.folder);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (!request.filter.isEmpty())
        dialog.setNameFilter(request.filter);
    if (!request.defaultSuffix.isEmpty())
        dialog.setDefaultSuffix(request.defaultSuffix);
}

} // namespace

QString buttonText(int modalResult)
{
    switch (modalResult) {
    case ModalResult::Ok: return QStringLiteral("OK");
    case ModalResult::Cancel: return QStringLiteral("Abbrechen");
    case ModalResult::Abort: return QStringLiteral("&Abbrechen");
    case ModalResult::Retry: return QStringLiteral("&Wiederholen");
    case ModalResult::Ignore: return QStringLiteral("&Ignorieren");
    case ModalResult::Yes: return QStringLiteral("&Ja");
    case ModalResult::No: return QStringLiteral("&Nein");
    default: return {};
    }
}

QList<int> messageButtons(Buttons buttons)
{
    switch (buttons) {
    case Buttons::Ok: return {ModalResult::Ok};
    case Buttons::OkCancel: return {ModalResult::Ok, ModalResult::Cancel};
    case Buttons::YesNo: return {ModalResult::Yes, ModalResult::No};
    case Buttons::YesNoCancel: return {ModalResult::Yes, ModalResult::No, ModalResult::Cancel};
    case Buttons::AbortRetryIgnore: return {ModalResult::Abort, ModalResult::Retry, ModalResult::Ignore};
    case Buttons::RetryCancel: return {ModalResult::Retry, ModalResult::Cancel};
    }
    return {ModalResult::Ok};
}

QString messageCaption(const MessageRequest &request)
{
    if (!request.caption.isEmpty())
        return request.caption;
    switch (request.type) {
    case MessageType::Information: return QStringLiteral("Information");
    case MessageType::Warning: return QStringLiteral("Warnung");
    case MessageType::Error: return QStringLiteral("Fehler");
    case MessageType::Confirmation: return QStringLiteral("Bestätigen");
    case MessageType::Plain: break;
    }
    return programTitle();
}

int StandardDialogs::message(const MessageRequest &request)
{
    QMessageBox box(dialogParent());
    box.setIcon(iconFor(request.type));
    box.setWindowTitle(messageCaption(request));
    box.setText(request.text);
    fitToTitle(&box);
    const QList<int> results = messageButtons(request.buttons);
    QHash<QAbstractButton *, int> resultOf;
    for (int result : results) {
        QPushButton *button = box.addButton(buttonText(result), roleFor(result));
        resultOf.insert(button, result);
        if (result == request.defaultResult || (request.defaultResult == ModalResult::None && result == results.first()))
            box.setDefaultButton(button);
        if (result == escapeResult(results))
            box.setEscapeButton(button);
    }
    box.exec();
    return resultOf.value(box.clickedButton(), escapeResult(results));
}

std::optional<QString> StandardDialogs::input(const InputRequest &request)
{
    QInputDialog dialog(dialogParent());
    dialog.setWindowTitle(request.caption);
    dialog.setLabelText(request.prompt);
    dialog.setTextValue(request.value);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Abbrechen"));
    // The input dialog's layout sets its own minimum: the box is what widens it.
    fitToTitle(&dialog);
    if (auto *box = dialog.findChild<QLineEdit *>())
        box->setMinimumWidth(dialog.minimumWidth() - 16);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

std::optional<QString> StandardDialogs::openFile(const FileRequest &request)
{
    QFileDialog dialog(dialogParent());
    germanFileDialog(dialog, request, false);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

std::optional<QString> StandardDialogs::saveFile(const FileRequest &request)
{
    QFileDialog dialog(dialogParent());
    germanFileDialog(dialog, request, true);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

FolderResult StandardDialogs::chooseFolder(const FolderRequest &request)
{
    FolderDialog dialog(dialogParent());
    if (!request.title.isEmpty())
        dialog.setWindowTitle(request.title);
    dialog.setAcceptable(request.acceptable);
    dialog.setPath(request.startFolder);
    FolderResult result;
    result.accepted = dialog.exec() == QDialog::Accepted;
    result.path = dialog.path();
    return result;
}

std::optional<QFont> StandardDialogs::chooseFont(const QFont &initial)
{
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, initial, dialogParent(), QStringLiteral("Schriftart"),
                                            QFontDialog::DontUseNativeDialog);
    if (!ok)
        return std::nullopt;
    return font;
}

std::optional<QColor> StandardDialogs::chooseColor(const QColor &initial)
{
    const QColor color = QColorDialog::getColor(initial, dialogParent(), QStringLiteral("Farbe"),
                                                QColorDialog::DontUseNativeDialog);
    if (!color.isValid())
        return std::nullopt;
    return color;
}

std::optional<QString> StandardDialogs::printerSetup(const QString &currentPrinter)
{
    if (!printerSetupHandler())
        return std::nullopt;
    return printerSetupHandler()(currentPrinter);
}

DialogService &dialogs()
{
    static StandardDialogs standard;
    return installedService ? *installedService : standard;
}

DialogService *setDialogService(DialogService *service)
{
    DialogService *previous = installedService;
    installedService = service;
    return previous;
}

void setPrinterSetupHandler(PrinterSetupHandler handler)
{
    printerSetupHandler() = std::move(handler);
}

int messageDlg(const QString &text, MessageType type, Buttons buttons, int defaultResult)
{
    return dialogs().message({type, text, QString(), buttons, defaultResult});
}

void showMessage(const QString &text)
{
    dialogs().message({MessageType::Plain, text, programTitle(), Buttons::Ok, ModalResult::None});
}

int messageBox(const QString &text, const QString &caption, Buttons buttons, MessageType type, int defaultResult)
{
    return dialogs().message({type, text, caption, buttons, defaultResult});
}

void showInformation(const QString &text)
{
    messageDlg(text, MessageType::Information, Buttons::Ok);
}

void showWarning(const QString &text)
{
    messageDlg(text, MessageType::Warning, Buttons::Ok);
}

void showError(const QString &text)
{
    messageDlg(text, MessageType::Error, Buttons::Ok);
}

bool confirm(const QString &text)
{
    return messageDlg(text, MessageType::Confirmation, Buttons::YesNo) == ModalResult::Yes;
}

std::optional<QString> inputBox(const QString &caption, const QString &prompt, const QString &defaultValue)
{
    return dialogs().input({caption, prompt, defaultValue});
}

bool inputQuery(const QString &caption, const QString &prompt, QString &value)
{
    const auto answer = dialogs().input({caption, prompt, value});
    if (!answer)
        return false;
    value = *answer;
    return true;
}

} // namespace ui
