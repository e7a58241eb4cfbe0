#include "common/TExDBEdit.h"

#include "platform/ui/Keys.h"

TExDBEdit::TExDBEdit(QWidget *parent)
    : ui::DataEdit(parent)
{
    verbinden();
}

TExDBEdit::TExDBEdit(const QString &objectName, db::DataSource *source, const QString &fieldName, QWidget *parent)
    : ui::DataEdit(objectName, source, fieldName, parent)
{
    verbinden();
}

void TExDBEdit::setHotKey(int virtualKey)
{
    hotKeyCode_ = virtualKey;
    ui::DataEdit::setHotKey(virtualKey == 0 ? 0 : int(ui::keyFromVirtualKey(virtualKey)));
}

void TExDBEdit::verbinden()
{
    connect(this, &ui::DataEdit::keyReleased, this, [this](int key, Qt::KeyboardModifiers shift) {
        if (OnKeyUp)
            OnKeyUp(*this, key, shift);
    });
}
