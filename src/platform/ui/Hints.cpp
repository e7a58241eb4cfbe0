#include "Hints.h"

#include <QAction>
#include <QWidget>

namespace ui {

namespace {

const char *const enterHintProperty = "razazuEnterHint";

QString shortPart(const QString &hint)
{
    const int bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.left(bar);
}

QString longPart(const QString &hint)
{
    const int bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.mid(bar + 1);
}

} // namespace

void setHint(QWidget *control, const QString &hint)
{
    control->setToolTip(shortPart(hint));
    control->setStatusTip(longPart(hint));
}

void setHint(QAction *action, const QString &hint)
{
    action->setToolTip(shortPart(hint));
    action->setStatusTip(longPart(hint));
}

void setEnterHint(QWidget *control, const QString &text)
{
    control->setProperty(enterHintProperty, text);
}

QString enterHint(const QWidget *control)
{
    return control->property(enterHintProperty).toString();
}

bool hasEnterHint(const QWidget *control)
{
    return control->property(enterHintProperty).isValid();
}

} // namespace ui
