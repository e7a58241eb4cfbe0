#pragma once

#include "ModalResult.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <functional>
#include <optional>

namespace ui {

enum class MessageType { Information, Warning, Error, Confirmation, Plain };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, AbortRetryIgnore, RetryCancel };

struct MessageRequest
{
    MessageType type = MessageType::Information;
    QString text;
    QString caption;
    Buttons buttons = Buttons::Ok;
    // The button Enter presses (a ModalResult); None: the first button.
    int defaultResult = ModalResult::None;
};

struct InputRequest
{
    QString caption;
    QString prompt;
    QString value;   // shown at first
};

struct FileRequest
{
    QString caption;
    QString folder;
    QString fileName;
    // Qt filter syntax: "Textdateien (*.txt);;Alle Dateien (*)"
    QString filter;
    QString defaultSuffix;   // save: added when the name has none ("txt")
};

struct FolderRequest
{
    QString title;          // empty: "Pfad auswählen"
    QString startFolder;
    // OK is enabled only while this holds for the path in the box, e.g. "the
    // folder holds Rechnung.DB". Empty: any folder.
    std::function<bool(const QString &path)> acceptable;
};

struct FolderResult
{
    bool accepted = false;
    QString path;   // the text of the path box, after OK and after cancel alike
};

// Every message box, input box, file, folder, font, colour and printer dialog
// goes through the installed service, so tests can script the answers.
class DialogService
{
public:
    virtual ~DialogService() = default;

    // Returns the ModalResult of the pressed button; closing the box counts
    // as Cancel (No where there is no Cancel, Ok for a lone OK).
    virtual int message(const MessageRequest &request) = 0;
    // nullopt when cancelled.
    virtual std::optional<QString> input(const InputRequest &request) = 0;
    virtual std::optional<QString> openFile(const FileRequest &request) = 0;
    virtual std::optional<QString> saveFile(const FileRequest &request) = 0;
    virtual FolderResult chooseFolder(const FolderRequest &request) = 0;
    virtual std::optional<QFont> chooseFont(const QFont &initial) = 0;
    virtual std::optional<QColor> chooseColor(const QColor &initial) = 0;
    // The chosen printer's name; nullopt when cancelled.
    virtual std::optional<QString> printerSetup(const QString &currentPrinter) = 0;
};

// The service in use: the standard dialogs unless another one is installed.
DialogService &dialogs();
// Installs a service (a test script); returns the previous one. nullptr
// brings back the standard dialogs. The caller keeps ownership.
DialogService *setDialogService(DialogService *service);

// The print layer plugs its printer set-up dialog in here; the standard
// service shows it. Without one, printerSetup answers nullopt.
using PrinterSetupHandler = std::function<std::optional<QString>(const QString &currentPrinter)>;
void setPrinterSetupHandler(PrinterSetupHandler handler);

// --- the old library's flavours, all through dialogs()

// Caption by type: "Information", "Warnung", "Fehler", "Bestätigen"; for
// Plain the application's name.
int messageDlg(const QString &text, MessageType type, Buttons buttons, int defaultResult = ModalResult::None);
// A box with an OK button and the application's name as caption.
void showMessage(const QString &text);
// A box with a caption of the caller's choosing.
int messageBox(const QString &text, const QString &caption, Buttons buttons,
               MessageType type = MessageType::Plain, int defaultResult = ModalResult::None);
void showInformation(const QString &text);
void showWarning(const QString &text);
void showError(const QString &text);
// Yes/No confirmation; true for Yes.
bool confirm(const QString &text);

std::optional<QString> inputBox(const QString &caption, const QString &prompt, const QString &defaultValue = {});
// Changes value only when the user pressed OK; returns whether he did.
bool inputQuery(const QString &caption, const QString &prompt, QString &value);

} // namespace ui
