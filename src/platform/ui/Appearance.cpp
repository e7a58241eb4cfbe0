#include "Appearance.h"

#include "SpeedButton.h"

#include "platform/sys/Colors.h"

#include <QLabel>
#include <QStatusBar>
#include <QWidget>

namespace ui {

namespace {

bool isPlainLabel(const QWidget *widget)
{
    if (widget->metaObject() != &QLabel::staticMetaObject)
        return false;
    for (const QWidget *w = widget->parentWidget(); w; w = w->parentWidget()) {
        if (qobject_cast<const QStatusBar *>(w))
            return false;
    }
    return true;
}

} // namespace

void applyUserFont(QWidget *widget, const UserFont &font)
{
    widget->setFont(font.font);
    if (!font.color.isValid())
        return;
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, font.color);
    palette.setColor(QPalette::Text, font.color);
    palette.setColor(QPalette::ButtonText, font.color);
    widget->setPalette(palette);
}

void applyBackground(QWidget *widget, const QColor &color)
{
    if (!color.isValid())
        return;
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void applyAppearance(QWidget *form, const Appearance &appearance, LabelFont labels)
{
    applyBackground(form, appearance.background);
    const auto children = form->findChildren<QWidget *>();
    for (QWidget *child : children) {
        if (isPlainLabel(child)) {
            if (labels == LabelFont::Document)
                applyUserFont(child, appearance.documentLabels);
            else if (labels == LabelFont::MasterData)
                applyUserFont(child, appearance.masterDataLabels);
        } else if (child->inherits("ui::DataEdit")) {
            applyUserFont(child, appearance.inputFields);
        } else if (auto *button = qobject_cast<SpeedButton *>(child)) {
            button->setFlat(!appearance.framedSpeedButtons);
        }
    }
}

} // namespace ui
