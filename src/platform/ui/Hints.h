#pragma once

#include <QString>

class QAction;
class QWidget;

namespace ui {

// A hint as the old library wrote it: "short|long" gives the tooltip the
// short part and the status bar the long one; without "|" both are the same.
void setHint(QWidget *control, const QString &hint);
void setHint(QAction *action, const QString &hint);

// The text a form writes into panel 0 of its status bar while the control
// has the focus, and clears when the focus leaves it (box number and title
// in the entry forms).
void setEnterHint(QWidget *control, const QString &text);
QString enterHint(const QWidget *control);
bool hasEnterHint(const QWidget *control);

} // namespace ui
