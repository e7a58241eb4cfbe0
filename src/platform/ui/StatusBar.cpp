#include "StatusBar.h"

#include <QLabel>

namespace ui {

QPointer<StatusBar> StatusBar::applicationBar_;

StatusBar::StatusBar(QWidget *parent) : QStatusBar(parent)
{
    setObjectName(QStringLiteral("StatusBar1"));
    setSizeGripEnabled(false);
    setPanels({-1});
}

void StatusBar::setPanels(const QList<int> &widths)
{
    while (panels_.size() > widths.size())
        delete panels_.takeLast();
    while (panels_.size() < widths.size()) {
        auto *label = new QLabel(this);
        label->setObjectName(QStringLiteral("Panel%1").arg(panels_.size()));
        label->setFrameShape(QFrame::StyledPanel);
        label->setFrameShadow(QFrame::Sunken);
        panels_ << label;
    }
    for (QLabel *label : panels_)
        removeWidget(label);
    for (int i = 0; i < widths.size(); ++i) {
        QLabel *label = panels_.at(i);
        if (widths.at(i) >= 0) {
            label->setFixedWidth(widths.at(i));
            addWidget(label, 0);
        } else {
            label->setMinimumWidth(0);
            label->setMaximumWidth(QWIDGETSIZE_MAX);
            addWidget(label, 1);
        }
        label->show();
    }
}

QString StatusBar::panelText(int panel) const
{
    return panel >= 0 && panel < panels_.size() ? panels_.at(panel)->text() : QString();
}

void StatusBar::setPanelText(int panel, const QString &text)
{
    if (panel < 0)
        return;
    if (panel >= panels_.size()) {
        QList<int> widths;
        for (QLabel *label : panels_)
            widths << (label->maximumWidth() == QWIDGETSIZE_MAX ? -1 : label->maximumWidth());
        while (widths.size() <= panel)
            widths << -1;
        setPanels(widths);
    }
    panels_.at(panel)->setText(text);
}

QLabel *StatusBar::panel(int index) const
{
    return index >= 0 && index < panels_.size() ? panels_.at(index) : nullptr;
}

bool StatusBar::showHint(const QString &hint)
{
    if (!autoHint_)
        return false;
    setPanelText(0, hint);
    return true;
}

void StatusBar::setApplicationHintBar(StatusBar *bar)
{
    applicationBar_ = bar;
}

StatusBar *StatusBar::applicationHintBar()
{
    return applicationBar_.data();
}

} // namespace ui
