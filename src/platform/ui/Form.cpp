#include "Form.h"

#include "Guard.h"
#include "StatusBar.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QStatusTipEvent>
#include <QVBoxLayout>

namespace ui {

Form::Form(QWidget *parent) : QDialog(parent), FormCore(this)
{
    layout_ = new QVBoxLayout(this);
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);
    body_ = new QWidget(this);
    body_->setObjectName(QStringLiteral("body"));
    layout_->addWidget(body_, 1);
}

Form::~Form() = default;

QMenuBar *Form::menuBar()
{
    if (!menuBar_) {
        menuBar_ = new QMenuBar(this);
        menuBar_->setObjectName(QStringLiteral("MainMenu1"));
        layout_->setMenuBar(menuBar_);
    }
    return menuBar_;
}

StatusBar *Form::statusBar()
{
    if (!statusBar_) {
        statusBar_ = new StatusBar(this);
        layout_->addWidget(statusBar_);
    }
    return statusBar_;
}

int Form::showModal()
{
    return exec();
}

void Form::setModalResult(int modalResult)
{
    done(modalResult);
}

void Form::setButtonResult(QAbstractButton *button, int modalResult)
{
    connect(button, &QAbstractButton::clicked, this, [this, modalResult] { setModalResult(modalResult); });
}

void Form::moveFocus(bool forward)
{
    focusNextPrevChild(forward);
}

bool Form::closeQuery()
{
    return !onCloseQuery || onCloseQuery();
}

void Form::formClose(int modalResult)
{
    if (onClose)
        onClose(modalResult);
}

void Form::done(int modalResult)
{
    if (closing_)
        return;
    closing_ = true;
    bool mayClose = false;
    guard([&] {
        mayClose = closeQuery() && postPendingRecords();
        if (mayClose)
            formClose(modalResult);
    }, objectName());
    closing_ = false;
    if (mayClose)
        QDialog::done(modalResult);
}

void Form::reject()
{
    done(ModalResult::Cancel);
}

void Form::keyPressEvent(QKeyEvent *event)
{
    // A key no control took. Enter presses nothing unless the form has a
    // default button; Esc closes only when the form says so.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->ignore();
        return;
    case Qt::Key_Escape:
        if (escapeCloses_)
            setModalResult(ModalResult::Cancel);
        else
            event->ignore();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void fitToTitle(QWidget *window)
{
    if (window->windowTitle().isEmpty())
        return;
    // Title bars draw the caption in a bold face of about the program's font.
    QFont titleFont = QApplication::font();
    titleFont.setBold(true);
    const int needed = QFontMetrics(titleFont).horizontalAdvance(window->windowTitle()) + 120;
    if (window->minimumWidth() < needed && window->maximumWidth() >= needed)
        window->setMinimumWidth(needed);
    if (window->width() < needed && window->maximumWidth() >= needed)
        window->resize(needed, window->height());
}

bool Form::event(QEvent *event)
{
    if (event->type() == QEvent::WindowTitleChange || event->type() == QEvent::Show)
        fitToTitle(this);
    if (event->type() == QEvent::StatusTip) {
        showAutomaticHint(static_cast<QStatusTipEvent *>(event)->tip());
        return true;
    }
    return QDialog::event(event);
}

} // namespace ui
