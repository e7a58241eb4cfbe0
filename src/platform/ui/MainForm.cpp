#include "MainForm.h"

#include "Guard.h"
#include "StatusBar.h"

#include <QCloseEvent>
#include <QStatusTipEvent>

namespace ui {

MainForm::MainForm(QWidget *parent) : QMainWindow(parent), FormCore(this) {}

MainForm::~MainForm()
{
    if (StatusBar::applicationHintBar() == statusBar_)
        StatusBar::setApplicationHintBar(nullptr);
}

StatusBar *MainForm::statusBar()
{
    if (!statusBar_) {
        statusBar_ = new StatusBar(this);
        setStatusBar(statusBar_);
        StatusBar::setApplicationHintBar(statusBar_);
    }
    return statusBar_;
}

void MainForm::moveFocus(bool forward)
{
    focusNextPrevChild(forward);
}

bool MainForm::closeQuery()
{
    return !onCloseQuery || onCloseQuery();
}

void MainForm::formClose()
{
    if (onClose)
        onClose();
}

void MainForm::closeEvent(QCloseEvent *event)
{
    bool mayClose = false;
    guard([&] {
        mayClose = closeQuery() && postPendingRecords();
        if (mayClose)
            formClose();
    }, objectName());
    if (mayClose)
        event->accept();
    else
        event->ignore();
}

bool MainForm::event(QEvent *event)
{
    if (event->type() == QEvent::StatusTip) {
        showAutomaticHint(static_cast<QStatusTipEvent *>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

} // namespace ui
