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

// The main window's user fonts and background colour, which entry, item,
// master-data and service forms take when they are created.
struct Appearance
{
    UserFont documentLabels;     // labels of document forms
    UserFont masterDataLabels;   // labels of master-data forms
    UserFont inputFields;        // input fields
    QColor background;
    bool framedSpeedButtons = false;
};

// The program's current appearance (the main window sets it from the
// options); starts with the options' defaults.
const Appearance &userAppearance();
void setUserAppearance(const Appearance &appearance);

enum class LabelFont { Document, MasterData, Keep };

// By control class: the form's background; plain labels the chosen label
// font; data-aware edits the input font; speed buttons framed or flat.
// Other controls keep their font; forms give it to them with applyUserFont.
void applyAppearance(QWidget *form, const Appearance &appearance, LabelFont labels);
void applyUserFont(QWidget *widget, const UserFont &font);
void applyBackground(QWidget *widget, const QColor &color);

} // namespace ui
