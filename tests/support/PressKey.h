#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

// Presses a key in a window as the keyboard does: the event goes to the
// window's focused control (the window itself when none has the focus), so
// the form's key preview sees it whenever the window system got round to
// giving the focus.
inline void pressKey(QWidget *window, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *target = QApplication::focusWidget();
    if (!target || target->window() != window->window())
        target = window;
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(target, &press);
}
