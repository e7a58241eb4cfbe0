#pragma once

#include "platform/ui/Dialogs.h"

#include <QStringList>

// Answers every message box with OK and keeps the texts, so tests see what
// the clerk would have been told; other dialogs are cancelled. Nothing is
// scripted beforehand, unlike support/ScriptedDialogs.h.
class RecordingDialogs : public ui::DialogService
{
public:
    RecordingDialogs() { previous_ = ui::setDialogService(this); }
    ~RecordingDialogs() override { ui::setDialogService(previous_); }

    int message(const ui::MessageRequest &request) override
    {
        messages << request.text;
        return ui::ModalResult::Ok;
    }
    std::optional<QString> input(const ui::InputRequest &) override { return std::nullopt; }
    std::optional<QString> openFile(const ui::FileRequest &) override { return std::nullopt; }
    std::optional<QString> saveFile(const ui::FileRequest &) override { return std::nullopt; }
    ui::FolderResult chooseFolder(const ui::FolderRequest &) override { return {}; }
    std::optional<QFont> chooseFont(const QFont &) override { return std::nullopt; }
    std::optional<QColor> chooseColor(const QColor &) override { return std::nullopt; }
    std::optional<QString> printerSetup(const QString &) override { return std::nullopt; }

    QStringList messages;

private:
    ui::DialogService *previous_;
};
