#pragma once

#include "FormCore.h"

#include <QMainWindow>
#include <functional>

namespace ui {

// The base of the main window: the same keys, hints and closing rules as
// Form, on a main window. Its status bar is the application's hint bar, so
// hints of forms without a bar of their own show here while it shows hints.
class MainForm : public QMainWindow, public FormCore
{
    Q_OBJECT
public:
    explicit MainForm(QWidget *parent = nullptr);
    ~MainForm() override;

    StatusBar *statusBar() override;
    StatusBar *existingStatusBar() const override { return statusBar_; }

    std::function<bool()> onCloseQuery;
    std::function<void()> onClose;

    void moveFocus(bool forward) override;

protected:
    virtual bool closeQuery();
    virtual void formClose();

    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;

private:
    StatusBar *statusBar_ = nullptr;
};

} // namespace ui
