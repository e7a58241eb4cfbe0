#pragma once

#include <QScrollArea>

namespace ui {

// A scrolling area of a form (the entry forms laid out like the paper form).
// The controls go on content(). The mouse wheel scrolls it by the wheel's
// distance (120 pixels per notch) wherever no control takes the wheel.
class ScrollBox : public QScrollArea
{
    Q_OBJECT
public:
    explicit ScrollBox(QWidget *parent = nullptr);

    QWidget *content() const { return content_; }

    int position() const;
    void setPosition(int position);
    void scrollBy(int delta);

    // How far to scroll so that work goes on in the upper three quarters of
    // the visible area: three quarters of the height when the control's top
    // lies below them, otherwise 0. Three quarters are
    // visibleHeight - visibleHeight * 25 / 100 (integer division).
    static int scrollDelta(int controlTop, int visibleHeight);
    // Scrolls by scrollDelta for the control's top within the visible area.
    void keepInUpperThreeQuarters(QWidget *control);

protected:
    void wheelEvent(QWheelEvent *event) override;

private:
    QWidget *content_;
};

} // namespace ui
