#pragma once

#include <QString>
#include <Qt>

class QAbstractButton;
class QKeyEvent;
class QWidget;

namespace ui {

// The key codes the forms were written with (120 = F9, 117 = F6) as Qt keys;
// Qt::Key_unknown for codes without a counterpart here.
Qt::Key keyFromVirtualKey(int virtualKey);

// A hot key on a control: releasing the key in the control clicks the button
// of that object name on the same form, as if the user had clicked it. Only
// push and tool buttons are clicked; any other control of that name, or none,
// is left alone. Holding the key clicks once. Key 0: no hot key.
void setHotKey(QWidget *control, int qtKey, const QString &linkedComponent);
void setLinkedComponent(QWidget *control, const QString &linkedComponent);
int hotKey(const QWidget *control);
QString linkedComponent(const QWidget *control);
// The button the control's hot key clicks, or nullptr.
QAbstractButton *linkedButton(const QWidget *control);

// A dialog's two ways out by key: Enter (either key) clicks the first
// button, Esc the second. True when the key was one of them.
bool clickOnEnterOrEscape(const QKeyEvent *event, QAbstractButton *enter, QAbstractButton *escape);

} // namespace ui
