#include "Menus.h"

#include "FormCore.h"
#include "Hints.h"
#include "StatusBar.h"

#include <QCursor>
#include <QMenu>
#include <QMenuBar>

namespace ui {

namespace {

void describe(QAction *action, const QString &objectName, const QString &hint)
{
    action->setObjectName(objectName);
    if (!hint.isEmpty())
        setHint(action, hint);
}

} // namespace

QAction *addMenuItem(QMenu *menu, const QString &objectName, const QString &caption, const QString &hint)
{
    QAction *action = menu->addAction(caption);
    describe(action, objectName, hint);
    return action;
}

QAction *addMenuItem(QMenuBar *menuBar, const QString &objectName, const QString &caption, const QString &hint)
{
    QAction *action = menuBar->addAction(caption);
    describe(action, objectName, hint);
    return action;
}

QMenu *addSubMenu(QMenuBar *menuBar, const QString &objectName, const QString &caption, const QString &hint)
{
    QMenu *sub = menuBar->addMenu(caption);
    sub->setObjectName(objectName);
    describe(sub->menuAction(), objectName, hint);
    return sub;
}

QMenu *addSubMenu(QMenu *menu, const QString &objectName, const QString &caption, const QString &hint)
{
    QMenu *sub = menu->addMenu(caption);
    sub->setObjectName(objectName);
    describe(sub->menuAction(), objectName, hint);
    return sub;
}

void popupAtCursor(QMenu *menu)
{
    // A pop-up menu is a window of its own: its hints are handed to the form
    // it belongs to, as the menu bar's reach it by themselves.
    if (!menu->property("razazuHintsRouted").toBool()) {
        menu->setProperty("razazuHintsRouted", true);
        auto show = [menu](const QString &hint) {
            if (FormCore *form = FormCore::of(menu->parentWidget()))
                form->showAutomaticHint(hint);
            else if (StatusBar *bar = StatusBar::applicationHintBar())
                bar->showHint(hint);
        };
        QObject::connect(menu, &QMenu::hovered, menu, [show](QAction *action) { show(action->statusTip()); });
        QObject::connect(menu, &QMenu::aboutToHide, menu, [show] { show(QString()); });
    }
    menu->popup(QCursor::pos());
}

void setContextMenu(QWidget *widget, QMenu *menu)
{
    widget->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(widget, &QWidget::customContextMenuRequested, menu, [menu] { popupAtCursor(menu); });
}

} // namespace ui
