#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

// Presses a key in a window (or in the window of the control given) as the
// keyboard does: the event goes to the window's focused control (the window
// itself when none has the focus), so the form's key preview sees it
// whenever the window system got round to giving the focus. The text is
// what the key types ("p" for a letter key).
inline void pressKey(QWidget *window, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                     const QString &text = {})
{
    QWidget *target = QApplication::focusWidget();
    if (!target || target->window() != window->window())
        target = window->window();
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(target, &press);
}
