#pragma once

#include "FormCore.h"
#include "ModalResult.h"

#include <QDialog>
#include <functional>

class QMenuBar;
class QVBoxLayout;

namespace ui {

// The base of every form but the main window, built in code: an optional menu
// bar, the body with the controls, an optional status bar.
//
// A form closes with a modal result (ModalResult: 1 OK, 2 cancel, 3 abort,
// 4 correct). Every way of closing (setModalResult, a button with a result,
// Esc with escapeCloses, the window's close button as cancel) first asks
// closeQuery(), which can refuse, then posts the tables given to
// postOnClose(); a refused or failed post keeps the form open.
class Form : public QDialog, public FormCore
{
    Q_OBJECT
public:
    explicit Form(QWidget *parent = nullptr);
    ~Form() override;

    // Where the controls go; it has no layout until the form gives it one.
    QWidget *body() const { return body_; }
    QMenuBar *menuBar();
    StatusBar *statusBar() override;
    StatusBar *existingStatusBar() const override { return statusBar_; }

    // Shows the form modally; returns its modal result.
    int showModal();
    int modalResult() const { return result(); }
    // Closes the form with the result, unless closeQuery refuses.
    void setModalResult(int modalResult);
    // A click on the button closes the form with the result.
    void setButtonResult(QAbstractButton *button, int modalResult);
    // Esc (when no cancel button takes it) closes with ModalResult::Cancel.
    void setEscapeCloses(bool on) { escapeCloses_ = on; }

    std::function<bool()> onCloseQuery;
    std::function<void(int modalResult)> onClose;

    void moveFocus(bool forward) override;

protected:
    // May the form close? Default: onCloseQuery, or yes.
    virtual bool closeQuery();
    // The form is closing with this result (after the posts).
    virtual void formClose(int modalResult);

    void done(int modalResult) override;
    void reject() override;
    void keyPressEvent(QKeyEvent *event) override;
    bool event(QEvent *event) override;

private:
    QVBoxLayout *layout_;
    QWidget *body_;
    QMenuBar *menuBar_ = nullptr;
    StatusBar *statusBar_ = nullptr;
    bool escapeCloses_ = false;
    bool closing_ = false;
};

// A window at least as wide as its title needs beside the title bar's icon
// and buttons, so the caption is never cut ("Druck …mer: 1").
void fitToTitle(QWidget *window);

} // namespace ui
