#include "ScrollBox.h"

#include <QScrollBar>
#include <QWheelEvent>

namespace ui {

ScrollBox::ScrollBox(QWidget *parent) : QScrollArea(parent)
{
    setObjectName(QStringLiteral("ScrollBox1"));
    content_ = new QWidget;
    content_->setObjectName(QStringLiteral("ScrollBoxContent"));
    // The content takes the size its layout asks for, at least the visible
    // area; the bars scroll over the rest.
    setWidgetResizable(true);
    setWidget(content_);
}

int ScrollBox::position() const
{
    return verticalScrollBar()->value();
}

void ScrollBox::setPosition(int position)
{
    verticalScrollBar()->setValue(position);
}

void ScrollBox::scrollBy(int delta)
{
    setPosition(position() + delta);
}

int ScrollBox::scrollDelta(int controlTop, int visibleHeight)
{
    const int threeQuarters = visibleHeight - visibleHeight * 25 / 100;
    return controlTop > threeQuarters ? threeQuarters : 0;
}

void ScrollBox::keepInUpperThreeQuarters(QWidget *control)
{
    const int top = control->mapTo(viewport(), QPoint(0, 0)).y();
    scrollBy(scrollDelta(top, viewport()->height()));
}

void ScrollBox::wheelEvent(QWheelEvent *event)
{
    const int distance = event->angleDelta().y();
    if (distance == 0) {
        QScrollArea::wheelEvent(event);
        return;
    }
    scrollBy(-distance);
    event->accept();
}

} // namespace ui
