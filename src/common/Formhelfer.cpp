#include "common/Formhelfer.h"

#include "platform/ui/Appearance.h"
#include "platform/ui/ScrollBox.h"

#include <QPalette>
#include <QWidget>

int ScrollDelta(int controlTop, int visibleHeight)
{
    return ui::ScrollBox::scrollDelta(controlTop, visibleHeight);
}

int DialogTopNearButton(int buttonTop, int dialogHeight)
{
    if (buttonTop - dialogHeight >= 5)
        return buttonTop - dialogHeight + 44;
    return buttonTop + 75;
}

void FeldgruppeMarkieren(QWidget *edit1, QWidget *edit2, QWidget *edit3, int markierung)
{
    if (markierung != 0 && markierung != 1)
        return;
    const ui::UserFont &eingabe = ui::userAppearance().inputFields;
    for (QWidget *edit : {edit1, edit2, edit3}) {
        if (!edit)
            continue;
        QFont font = edit->font();
        QPalette palette = edit->palette();
        if (markierung == 1) {
            font.setBold(true);
            palette.setColor(QPalette::Text, QColor(255, 0, 0));
        } else {
            font.setBold(eingabe.font.bold());
            font.setItalic(eingabe.font.italic());
            font.setUnderline(eingabe.font.underline());
            font.setStrikeOut(eingabe.font.strikeOut());
            palette.setColor(QPalette::Text, eingabe.color);
        }
        edit->setFont(font);
        edit->setPalette(palette);
    }
}
