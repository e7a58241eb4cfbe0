#include "Keys.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QToolButton>
#include <QWidget>

namespace ui {

namespace {

const char *const hotKeyProperty = "razazuHotKey";
const char *const linkedProperty = "razazuLinkedComponent";

} // namespace

Qt::Key keyFromVirtualKey(int virtualKey)
{
    if (virtualKey >= 112 && virtualKey <= 135)
        return Qt::Key(Qt::Key_F1 + (virtualKey - 112));
    if ((virtualKey >= '0' && virtualKey <= '9') || (virtualKey >= 'A' && virtualKey <= 'Z'))
        return Qt::Key(virtualKey);
    switch (virtualKey) {
    case 8: return Qt::Key_Backspace;
    case 9: return Qt::Key_Tab;
    case 13: return Qt::Key_Return;
    case 27: return Qt::Key_Escape;
    case 32: return Qt::Key_Space;
    case 33: return Qt::Key_PageUp;
    case 34: return Qt::Key_PageDown;
    case 35: return Qt::Key_End;
    case 36: return Qt::Key_Home;
    case 37: return Qt::Key_Left;
    case 38: return Qt::Key_Up;
    case 39: return Qt::Key_Right;
    case 40: return Qt::Key_Down;
    case 45: return Qt::Key_Insert;
    case 46: return Qt::Key_Delete;
    default: return Qt::Key_unknown;
    }
}

void setHotKey(QWidget *control, int qtKey, const QString &linkedComponent)
{
    control->setProperty(hotKeyProperty, qtKey);
    setLinkedComponent(control, linkedComponent);
}

void setLinkedComponent(QWidget *control, const QString &linkedComponent)
{
    control->setProperty(linkedProperty, linkedComponent);
}

int hotKey(const QWidget *control)
{
    return control->property(hotKeyProperty).toInt();
}

QString linkedComponent(const QWidget *control)
{
    return control->property(linkedProperty).toString();
}

QAbstractButton *linkedButton(const QWidget *control)
{
    const QString name = linkedComponent(control);
    if (name.isEmpty())
        return nullptr;
    QObject *found = control->window()->findChild<QObject *>(name);
    if (auto *push = qobject_cast<QPushButton *>(found))
        return push;
    if (auto *tool = qobject_cast<QToolButton *>(found))
        return tool;
    return nullptr;
}

bool clickOnEnterOrEscape(const QKeyEvent *event, QAbstractButton *enter, QAbstractButton *escape)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        enter->click();
        return true;
    case Qt::Key_Escape:
        escape->click();
        return true;
    default:
        return false;
    }
}

} // namespace ui
