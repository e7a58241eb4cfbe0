#pragma once

#include <QString>

namespace ui {

// An edit mask as the forms give it: "!99/99/0000;1; ", "!90:00;1; ",
// "!99/99/0000 90:00;1;_", "!00;1; ". 0 is a required digit, 9 an optional
// one, '/' the date separator ('.') and ':' the time separator; after the
// first ';' a 1 keeps the literals in the value, a 0 drops them; after the
// second comes the character shown for a blank. '!' and the case markers
// '<' and '>' only change how blanks and letters are shown and typed.
struct EditMask
{
    QString inputMask;          // for QLineEdit::setInputMask; empty: none
    bool keepLiterals = true;
    QString literals;           // the mask's literal characters

    static EditMask fromOldMask(const QString &mask);

    // The value for the field from the edit's text() (blanks removed by
    // Qt): empty when no position was filled in; without literals when the
    // mask says so.
    QString valueFromText(const QString &text) const;
};

} // namespace ui
