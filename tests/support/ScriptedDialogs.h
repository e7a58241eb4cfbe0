#pragma once

// Scripts the answers of every dialog a test's forms show. Only for test
// binaries that link platform_ui.
//
//     ScriptedDialogs dialogs;
//     dialogs.answerMessage("Datensatz löschen?", ui::ModalResult::Ok);
//     ... act as the clerk would ...
//
// A dialog the script does not expect, or one that differs from the next
// expected one (which is then used up), fails the test with the dialog's
// text and is answered as if cancelled. Expected dialogs that never came fail the test at the end.

#include "platform/ui/Dialogs.h"
#include "platform/ui/StandardDialogs.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

class ScriptedDialogs : public ui::DialogService
{
public:
    enum class Kind { Message, Input, OpenFile, SaveFile, Folder, Font, Color, PrinterSetup };

    struct Shown
    {
        Kind kind;
        QString text;      // message text, input prompt, caption or title
        QString caption;
        ui::MessageType type = ui::MessageType::Plain;
    };

    ScriptedDialogs() { previous_ = ui::setDialogService(this); }
    ~ScriptedDialogs() override
    {
        ui::setDialogService(previous_);
        for (const Expected &expected : expected_)
            ADD_FAILURE() << "Erwarteter Dialog kam nicht: " << kindName(expected.kind) << " \""
                          << expected.textPart.toStdString() << "\"";
    }
    ScriptedDialogs(const ScriptedDialogs &) = delete;
    ScriptedDialogs &operator=(const ScriptedDialogs &) = delete;

    // A message box whose text contains textPart (empty: any), answered with
    // the button of that ModalResult. whileShown runs while the box would be
    // open, to look at the form behind it.
    ScriptedDialogs &answerMessage(const QString &textPart, int modalResult,
                                   std::function<void()> whileShown = {})
    {
        Expected e{Kind::Message, textPart};
        e.modalResult = modalResult;
        e.whileShown = std::move(whileShown);
        expected_.push_back(std::move(e));
        return *this;
    }
    // An input box whose prompt contains promptPart; nullopt cancels.
    // whileShown runs while the box would be open.
    ScriptedDialogs &answerInput(const QString &promptPart, std::optional<QString> answer,
                                 std::function<void()> whileShown = {})
    {
        Expected e{Kind::Input, promptPart};
        e.text = std::move(answer);
        e.whileShown = std::move(whileShown);
        expected_.push_back(std::move(e));
        return *this;
    }
    // An input box whose prompt contains promptPart, answered with OK on the
    // text it shows (a proposal taken as it is).
    ScriptedDialogs &acceptInput(const QString &promptPart)
    {
        Expected e{Kind::Input, promptPart};
        e.acceptShown = true;
        expected_.push_back(std::move(e));
        return *this;
    }
    ScriptedDialogs &answerOpenFile(std::optional<QString> path) { return answerText(Kind::OpenFile, std::move(path)); }
    ScriptedDialogs &answerSaveFile(std::optional<QString> path) { return answerText(Kind::SaveFile, std::move(path)); }
    ScriptedDialogs &answerPrinterSetup(std::optional<QString> printer)
    {
        return answerText(Kind::PrinterSetup, std::move(printer));
    }
    // Chooses the folder and presses OK (nullopt: cancel). OK on a folder the
    // caller's test refuses fails the test: that button would be disabled.
    ScriptedDialogs &answerFolder(std::optional<QString> path) { return answerText(Kind::Folder, std::move(path)); }
    ScriptedDialogs &answerFont(std::optional<QFont> font)
    {
        Expected e{Kind::Font, {}};
        e.font = std::move(font);
        expected_.push_back(std::move(e));
        return *this;
    }
    ScriptedDialogs &answerColor(std::optional<QColor> color)
    {
        Expected e{Kind::Color, {}};
        e.color = std::move(color);
        expected_.push_back(std::move(e));
        return *this;
    }

    const std::vector<Shown> &shown() const { return shown_; }
    bool allAnswered() const { return expected_.empty(); }

    // --- DialogService
    int message(const ui::MessageRequest &request) override
    {
        const QList<int> offered = ui::messageButtons(request.buttons);
        const int cancel = offered.contains(ui::ModalResult::Cancel) ? int(ui::ModalResult::Cancel)
            : offered.contains(ui::ModalResult::No)                 ? int(ui::ModalResult::No)
                                                                    : offered.first();
        const Expected *e = next(Kind::Message, request.text, ui::messageCaption(request), request.type);
        if (!e)
            return cancel;
        if (!offered.contains(e->modalResult)) {
            ADD_FAILURE() << "Der Dialog \"" << request.text.toStdString() << "\" hat keine Schaltfläche "
                          << e->modalResult;
            return cancel;
        }
        const int answer = e->modalResult;
        runWhileShown();
        return answer;
    }
    std::optional<QString> input(const ui::InputRequest &request) override
    {
        const Expected *e = next(Kind::Input, request.prompt, request.caption);
        if (!e)
            return std::nullopt;
        const auto answer = e->acceptShown ? std::optional(request.value) : e->text;
        runWhileShown();
        return answer;
    }
    std::optional<QString> openFile(const ui::FileRequest &request) override
    {
        return textAnswer(Kind::OpenFile, request.caption);
    }
    std::optional<QString> saveFile(const ui::FileRequest &request) override
    {
        return textAnswer(Kind::SaveFile, request.caption);
    }
    ui::FolderResult chooseFolder(const ui::FolderRequest &request) override
    {
        ui::FolderResult result;
        result.path = request.startFolder;
        const Expected *e = next(Kind::Folder, request.title, request.title);
        if (!e || !e->text)
            return result;
        result.path = *e->text;
        if (request.acceptable && !request.acceptable(*e->text)) {
            ADD_FAILURE() << "OK ist im Ordner " << e->text->toStdString() << " gesperrt (\""
                          << request.title.toStdString() << "\")";
            return result;
        }
        result.accepted = true;
        return result;
    }
    std::optional<QFont> chooseFont(const QFont &) override
    {
        const Expected *e = next(Kind::Font, QStringLiteral("Schriftart"), {});
        return e ? e->font : std::nullopt;
    }
    std::optional<QColor> chooseColor(const QColor &) override
    {
        const Expected *e = next(Kind::Color, QStringLiteral("Farbe"), {});
        return e ? e->color : std::nullopt;
    }
    std::optional<QString> printerSetup(const QString &currentPrinter) override
    {
        return textAnswer(Kind::PrinterSetup, currentPrinter);
    }

    static const char *kindName(Kind kind)
    {
        switch (kind) {
        case Kind::Message: return "Meldung";
        case Kind::Input: return "Eingabe";
        case Kind::OpenFile: return "Datei öffnen";
        case Kind::SaveFile: return "Datei speichern";
        case Kind::Folder: return "Ordner";
        case Kind::Font: return "Schriftart";
        case Kind::Color: return "Farbe";
        case Kind::PrinterSetup: return "Druckereinrichtung";
        }
        return "?";
    }

private:
    struct Expected
    {
        Kind kind;
        QString textPart;
        int modalResult = ui::ModalResult::None;
        std::optional<QString> text;
        bool acceptShown = false;
        std::optional<QFont> font;
        std::optional<QColor> color;
        std::function<void()> whileShown;
    };

    ScriptedDialogs &answerText(Kind kind, std::optional<QString> text)
    {
        Expected e{kind, {}};
        e.text = std::move(text);
        expected_.push_back(std::move(e));
        return *this;
    }

    std::optional<QString> textAnswer(Kind kind, const QString &text)
    {
        const Expected *e = next(kind, text, text);
        if (!e)
            return std::nullopt;
        const auto answer = e->text;
        runWhileShown();
        return answer;
    }

    // Records the dialog and takes the expectation it meets; nullptr (and a
    // failure) when it meets none.
    const Expected *next(Kind kind, const QString &text, const QString &caption,
                         ui::MessageType type = ui::MessageType::Plain)
    {
        shown_.push_back({kind, text, caption, type});
        current_.reset();
        if (expected_.empty()) {
            ADD_FAILURE() << "Unerwarteter Dialog (" << kindName(kind) << ", \"" << caption.toStdString()
                          << "\"): " << text.toStdString();
            return nullptr;
        }
        Expected front = std::move(expected_.front());
        expected_.pop_front();
        if (front.kind != kind || !text.contains(front.textPart)) {
            ADD_FAILURE() << "Dialog (" << kindName(kind) << "): \"" << text.toStdString() << "\", erwartet war ("
                          << kindName(front.kind) << "): \"" << front.textPart.toStdString() << "\"";
            return nullptr;
        }
        current_ = std::move(front);
        return &*current_;
    }

    void runWhileShown()
    {
        if (current_ && current_->whileShown) {
            auto whileShown = std::move(current_->whileShown);
            whileShown();
        }
    }

    ui::DialogService *previous_ = nullptr;
    std::deque<Expected> expected_;
    std::optional<Expected> current_;
    std::vector<Shown> shown_;
};
