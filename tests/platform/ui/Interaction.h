#pragma once

// Acts as the clerk would on widgets of the offscreen platform.

#include <QApplication>
#include <QKeyEvent>
#include <QWheelEvent>
#include <QWidget>

namespace interaction {

inline void showActive(QWidget &window)
{
    window.show();
    window.activateWindow();
    QApplication::setActiveWindow(&window);
    QApplication::processEvents();
}

inline QWidget *focused()
{
    return QApplication::focusWidget();
}

// A key goes where the keyboard sends it: to the focused control.
inline bool press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString &text = {}, bool autoRepeat = false)
{
    QWidget *target = focused();
    QKeyEvent event(QEvent::KeyPress, key, modifiers, text, autoRepeat);
    return target && QApplication::sendEvent(target, &event);
}

inline bool release(int key, bool autoRepeat = false)
{
    QWidget *target = focused();
    QKeyEvent event(QEvent::KeyRelease, key, Qt::NoModifier, QString(), autoRepeat);
    return target && QApplication::sendEvent(target, &event);
}

inline void click(int key)
{
    press(key);
    release(key);
}

inline void typeText(const QString &text)
{
    for (QChar c : text) {
        press(0, Qt::NoModifier, QString(c));
        release(0);
    }
}

// One wheel message over the widget; 120 is one notch away from the user.
inline void wheel(QWidget *widget, int delta)
{
    const QPointF position(widget->width() / 2.0, widget->height() / 2.0);
    QWheelEvent event(position, widget->mapToGlobal(position), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &event);
}

} // namespace interaction
