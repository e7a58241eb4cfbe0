#pragma once

#include <QString>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace ui {

// Menu items as the forms name them: object name, caption with '&' for the
// access key (trailing blanks are kept), and a hint for the status bar.
QAction *addMenuItem(QMenu *menu, const QString &objectName, const QString &caption,
                     const QString &hint = {});
QAction *addMenuItem(QMenuBar *menuBar, const QString &objectName, const QString &caption,
                     const QString &hint = {});
QMenu *addSubMenu(QMenuBar *menuBar, const QString &objectName, const QString &caption,
                  const QString &hint = {});
QMenu *addSubMenu(QMenu *menu, const QString &objectName, const QString &caption,
                  const QString &hint = {});

// Opens the menu at the mouse pointer and returns at once; the chosen item's
// triggered() does the work.
void popupAtCursor(QMenu *menu);
// Opens a widget's context menu (set with setContextMenu) at the pointer when
// the user asks for it.
void setContextMenu(QWidget *widget, QMenu *menu);

} // namespace ui
