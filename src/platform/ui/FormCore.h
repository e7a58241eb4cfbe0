#pragma once

#include <QAbstractButton>
#include <QList>
#include <QPointer>
#include <QString>
#include <functional>

class QKeyEvent;
class QWidget;

namespace db {
class Table;
}

namespace ui {

class StatusBar;

// What every form does with keys, hints and pending records, shared by the
// dialog form (Form) and the main window (MainForm).
//
// Keys: the form sees every key pressed or released in any of its controls
// before the control does (previewKeyPress / onKeyPress; return true to
// swallow the key), so F6 and the like reach it. With enterMovesFocus, Enter
// moves to the next control in tab order, except in a memo, a grid or a list
// (they have their own use for it) and on a button (it clicks). Hot keys
// (Keys.h) click their linked button on release.
class FormCore
{
public:
    explicit FormCore(QWidget *self);
    virtual ~FormCore();
    FormCore(const FormCore &) = delete;
    FormCore &operator=(const FormCore &) = delete;

    // The form a widget lives on, or nullptr.
    static FormCore *of(const QWidget *widget);

    QWidget *formWidget() const { return self_; }

    // A control of the form by object name ("DBEdit12", "bbtNeu").
    template<typename T = QWidget>
    T *control(const QString &name) const { return self_->findChild<T *>(name); }

    void setEnterMovesFocus(bool on) { enterMovesFocus_ = on; }
    bool enterMovesFocus() const { return enterMovesFocus_; }
    // Enter anywhere presses this button (outside memos, grids and lists).
    void setDefaultButton(QAbstractButton *button) { defaultButton_ = button; }
    QAbstractButton *defaultButton() const { return defaultButton_; }
    // Esc anywhere presses this button.
    void setCancelButton(QAbstractButton *button) { cancelButton_ = button; }
    QAbstractButton *cancelButton() const { return cancelButton_; }

    std::function<bool(QKeyEvent *event)> onKeyPress;
    std::function<bool(QKeyEvent *event)> onKeyRelease;
    virtual bool previewKeyPress(QKeyEvent *event);
    virtual bool previewKeyRelease(QKeyEvent *event);

    // The form's status bar, created on first use.
    virtual StatusBar *statusBar() = 0;
    // The status bar when the form has one, without creating it.
    virtual StatusBar *existingStatusBar() const = 0;
    // A hint of a control or menu item under the mouse: to this form's bar
    // when it shows hints, else to the application's hint bar.
    void showAutomaticHint(const QString &hint);

    // Tables posted before the form closes. Text waiting in a data edit that
    // does not fit its field, or a post that fails, keeps the form open (the
    // user has been told why).
    void postOnClose(db::Table *table);
    // Posts them; false when one stays unposted.
    bool postPendingRecords();

    // Moves the focus to the next (or previous) control in tab order.
    virtual void moveFocus(bool forward) = 0;

private:
    QWidget *self_;
    bool enterMovesFocus_ = false;
    QPointer<QAbstractButton> defaultButton_;
    QPointer<QAbstractButton> cancelButton_;
    QList<QPointer<db::Table>> postOnClose_;
};

} // namespace ui
