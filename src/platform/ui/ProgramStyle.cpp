#include "ProgramStyle.h"

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

namespace ui {

namespace {

// Fusion draws the focus of buttons, boxes and lists only when the focus
// came from the keyboard; here it counts as such whenever a control has it.
class FocusAlwaysStyle : public QProxyStyle
{
public:
    FocusAlwaysStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        WithKeyboardFocus focus(option);
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        WithKeyboardFocus focus(option);
        QProxyStyle::drawControl(element, option, painter, widget);
        // Fusion shows a focused default button as it shows the default one:
        // a dotted frame inside the button tells them apart.
        if (element == CE_PushButton && option && (option->state & State_HasFocus)) {
            painter->save();
            QPen pen(option->palette.color(QPalette::ButtonText), 1, Qt::DotLine);
            painter->setPen(pen);
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(option->rect.adjusted(4, 4, -5, -5));
            painter->restore();
        }
    }
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget) const override
    {
        WithKeyboardFocus focus(option);
        QProxyStyle::drawComplexControl(control, option, painter, widget);
    }

private:
    // The options are the caller's own objects; their state is lent for the
    // drawing and given back.
    class WithKeyboardFocus
    {
    public:
        explicit WithKeyboardFocus(const QStyleOption *option)
            : option_(const_cast<QStyleOption *>(option)), before_(option ? option->state : State_None)
        {
            if (option_ && (option_->state & State_HasFocus))
                option_->state |= State_KeyboardFocusChange;
        }
        ~WithKeyboardFocus()
        {
            if (option_)
                option_->state = before_;
        }

    private:
        QStyleOption *option_;
        QStyle::State before_;
    };
};

} // namespace

void installProgramStyle()
{
    QApplication::setStyle(new FocusAlwaysStyle);
}

} // namespace ui
