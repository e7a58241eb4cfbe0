#pragma once

#include <QColor>
#include <QString>
#include <cstdint>
#include <optional>

namespace sys {

// A colour as the old class library numbered it and as "Razazu.ini" stores it:
// 0x00BBGGRR for plain colours, 0xFF0000nn (negative as a signed number) for
// the system colour with index nn, e.g. clBtnFace = -16777201.
using ColorValue = std::int32_t;

namespace colors {
constexpr ColorValue black = 0x000000;
constexpr ColorValue maroon = 0x000080;
constexpr ColorValue green = 0x008000;
constexpr ColorValue olive = 0x008080;
constexpr ColorValue navy = 0x800000;
constexpr ColorValue purple = 0x800080;
constexpr ColorValue teal = 0x808000;
constexpr ColorValue gray = 0x808080;
constexpr ColorValue silver = 0xC0C0C0;
constexpr ColorValue red = 0x0000FF;
constexpr ColorValue lime = 0x00FF00;
constexpr ColorValue yellow = 0x00FFFF;
constexpr ColorValue blue = 0xFF0000;
constexpr ColorValue fuchsia = 0xFF00FF;
constexpr ColorValue aqua = 0xFFFF00;
constexpr ColorValue white = 0xFFFFFF;

constexpr ColorValue system(int index) { return static_cast<ColorValue>(0xFF000000u | unsigned(index)); }
constexpr ColorValue window = system(5);
constexpr ColorValue windowText = system(8);
constexpr ColorValue activeBorder = system(10);
constexpr ColorValue highlight = system(13);
constexpr ColorValue highlightText = system(14);
constexpr ColorValue buttonFace = system(15);
constexpr ColorValue grayText = system(17);
constexpr ColorValue buttonText = system(18);
} // namespace colors

// "clBlue", "clBtnFace" (case-insensitive) -> the value; nullopt for any other
// text.
std::optional<ColorValue> colorFromName(const QString &name);
// The library's name of a value ("clBtnFace"), or empty when it has none.
QString colorName(ColorValue value);
// A decimal number (signed) or a colour name; nullopt when it is neither.
std::optional<ColorValue> parseColor(const QString &text);

bool isSystemColor(ColorValue value);
// The colour on screen. System colours take the classic desktop shades, so a
// form looks the same on every machine.
QColor toQColor(ColorValue value);
// A plain (non-system) value for an RGB colour.
ColorValue fromQColor(const QColor &color);

} // namespace sys
