#pragma once

#include "platform/ui/DataControls.h"

#include <functional>

// The data-aware edit of the ATLAS forms: releasing its hot key clicks the
// lookup button named LinkedComponent on the same form, so a form binds its
// F9 lookups by properties instead of key handlers. Only buttons are
// clicked; any other control of that name, or none, is left alone.
class TExDBEdit : public ui::DataEdit
{
    Q_OBJECT
public:
    explicit TExDBEdit(QWidget *parent = nullptr);
    TExDBEdit(const QString &objectName, db::DataSource *source, const QString &fieldName,
              QWidget *parent = nullptr);

    // The key code the forms give (120 = F9); 0: no hot key.
    int HotKey() const { return hotKeyCode_; }
    void setHotKey(int virtualKey);
    QString LinkedComponent() const { return linkedComponent(); }
    void setLinkedComponent(const QString &name) { ui::DataEdit::setLinkedComponent(name); }

    // After the hot key's click, for every key released in the edit.
    std::function<void(TExDBEdit &sender, int key, Qt::KeyboardModifiers shift)> OnKeyUp;

private:
    void verbinden();

    int hotKeyCode_ = 0;
};
