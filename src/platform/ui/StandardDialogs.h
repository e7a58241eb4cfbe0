#pragma once

#include "Dialogs.h"

namespace ui {

// The dialogs a clerk sees: Qt's message box, input, file, font and colour
// dialogs with German buttons, and our folder chooser.
class StandardDialogs : public DialogService
{
public:
    int message(const MessageRequest &request) override;
    std::optional<QString> input(const InputRequest &request) override;
    std::optional<QString> openFile(const FileRequest &request) override;
    std::optional<QString> saveFile(const FileRequest &request) override;
    FolderResult chooseFolder(const FolderRequest &request) override;
    std::optional<QFont> chooseFont(const QFont &initial) override;
    std::optional<QColor> chooseColor(const QColor &initial) override;
    std::optional<QString> printerSetup(const QString &currentPrinter) override;
};

// The parts of a message box the standard service shows, for tests and for
// the scripted service's failure text.
QString messageCaption(const MessageRequest &request);
QList<int> messageButtons(Buttons buttons);
QString buttonText(int modalResult);

} // namespace ui
