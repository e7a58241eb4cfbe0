#include "SpeedButton.h"

#include "DataControls.h"

#include <QMouseEvent>

namespace ui {

SpeedButton::SpeedButton(QWidget *parent) : QToolButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAutoRaise(true);
    setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    // A flat button is drawn on a ground of its own in the form's colour, so
    // a shadow painted behind it shows only beside it, never through it.
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(true);
}

SpeedButton::SpeedButton(const QString &objectName, const QString &caption, QWidget *parent)
    : SpeedButton(parent)
{
    setObjectName(objectName);
    setText(caption);
}

void SpeedButton::setGroupIndex(int groupIndex)
{
    groupIndex_ = groupIndex;
    setCheckable(groupIndex > 0);
}

void SpeedButton::mouseReleaseEvent(QMouseEvent *event)
{
    // The button keeps no focus, so the edit being typed in never learns
    // that the user moved on: the button asks it.
    if (event->button() == Qt::LeftButton && isDown() && hitButton(event->position().toPoint())
        && !commitPendingInput(window())) {
        setDown(false);
        event->accept();
        return;
    }
    QToolButton::mouseReleaseEvent(event);
}

void SpeedButton::nextCheckState()
{
    if (groupIndex_ <= 0) {
        QToolButton::nextCheckState();
        return;
    }
    // A grouped button goes down and stays down; the others of its group
    // come up.
    setChecked(true);
    if (!parentWidget())
        return;
    const auto siblings = parentWidget()->findChildren<SpeedButton *>(QString(), Qt::FindDirectChildrenOnly);
    for (SpeedButton *sibling : siblings) {
        if (sibling != this && sibling->groupIndex() == groupIndex_)
            sibling->setChecked(false);
    }
}

} // namespace ui
