#pragma once

#include <QColor>
#include <QFont>

class QWidget;

namespace ui {

// A user font as the options keep it: a font and its colour.
struct UserFont
{
    QFont font;
    QColor color;
};

// The user fonts, background colour and speed-button frames that entry,
// item, master-data and service forms take when they are created. The
// program keeps them with its options and hands a fresh copy to each form.
struct Appearance
{
    UserFont documentLabels;     // labels of document forms
    UserFont masterDataLabels;   // labels of master-data forms
    UserFont inputFields;        // input fields
    QColor background;
    bool framedSpeedButtons = false;
};

enum class LabelFont { Document, MasterData, Keep };

// By control class: the form's background; plain labels the chosen label
// font; data-aware edits the input font; speed buttons framed or flat.
// Other controls keep their font; forms give it to them with applyUserFont.
void applyAppearance(QWidget *form, const Appearance &appearance, LabelFont labels);
void applyUserFont(QWidget *widget, const UserFont &font);
void applyBackground(QWidget *widget, const QColor &color);

} // namespace ui
