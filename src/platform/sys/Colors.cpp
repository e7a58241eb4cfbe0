#include "Colors.h"

#include <array>

namespace sys {

namespace {

struct NamedColor
{
    const char *name;
    ColorValue value;
};

// The names the class library reads and writes; where two names share a value
// the first one is the name written back.
constexpr std::array<NamedColor, 54> namedColors{{
    {"clBlack", colors::black},
    {"clMaroon", colors::maroon},
    {"clGreen", colors::green},
    {"clOlive", colors::olive},
    {"clNavy", colors::navy},
    {"clPurple", colors::purple},
    {"clTeal", colors::teal},
    {"clGray", colors::gray},
    {"clSilver", colors::silver},
    {"clRed", colors::red},
    {"clLime", colors::lime},
    {"clYellow", colors::yellow},
    {"clBlue", colors::blue},
    {"clFuchsia", colors::fuchsia},
    {"clAqua", colors::aqua},
    {"clWhite", colors::white},
    {"clLtGray", colors::silver},
    {"clDkGray", colors::gray},
    {"clMoneyGreen", 0xC0DCC0},
    {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},
    {"clMedGray", 0xA4A0A0},
    {"clNone", 0x1FFFFFFF},
    {"clDefault", 0x20000000},
    {"clScrollBar", colors::system(0)},
    {"clBackground", colors::system(1)},
    {"clActiveCaption", colors::system(2)},
    {"clInactiveCaption", colors::system(3)},
    {"clMenu", colors::system(4)},
    {"clWindow", colors::system(5)},
    {"clWindowFrame", colors::system(6)},
    {"clMenuText", colors::system(7)},
    {"clWindowText", colors::system(8)},
    {"clCaptionText", colors::system(9)},
    {"clActiveBorder", colors::system(10)},
    {"clInactiveBorder", colors::system(11)},
    {"clAppWorkSpace", colors::system(12)},
    {"clHighlight", colors::system(13)},
    {"clHighlightText", colors::system(14)},
    {"clBtnFace", colors::system(15)},
    {"clBtnShadow", colors::system(16)},
    {"clGrayText", colors::system(17)},
    {"clBtnText", colors::system(18)},
    {"clInactiveCaptionText", colors::system(19)},
    {"clBtnHighlight", colors::system(20)},
    {"cl3DDkShadow", colors::system(21)},
    {"cl3DLight", colors::system(22)},
    {"clInfoText", colors::system(23)},
    {"clInfoBk", colors::system(24)},
    {"clHotLight", colors::system(26)},
    {"clGradientActiveCaption", colors::system(27)},
    {"clGradientInactiveCaption", colors::system(28)},
    {"clMenuHighlight", colors::system(29)},
    {"clMenuBar", colors::system(30)},
}};

// Shades of the system colours 0..30 on a default Windows desktop (#RRGGBB).
constexpr std::array<unsigned, 31> systemShades{{
    0xC8C8C8, 0x000000, 0x99B4D1, 0xBFCDDB, 0xF0F0F0, 0xFFFFFF, 0x646464, 0x000000,
    0x000000, 0x000000, 0xB4B4B4, 0xF4F7FC, 0xABABAB, 0x0078D7, 0xFFFFFF, 0xF0F0F0,
    0xA0A0A0, 0x6D6D6D, 0x000000, 0x000000, 0xFFFFFF, 0x696969, 0xE3E3E3, 0x000000,
    0xFFFFE1, 0x000000, 0x0066CC, 0xB9D1EA, 0xD7E4F2, 0x3399FF, 0xF0F0F0,
}};

constexpr ColorValue noColor = 0x1FFFFFFF;
constexpr ColorValue defaultColor = 0x20000000;

} // namespace

std::optional<ColorValue> colorFromName(const QString &name)
{
    const QString trimmed = name.trimmed();
    for (const NamedColor &entry : namedColors) {
        if (trimmed.compare(QLatin1String(entry.name), Qt::CaseInsensitive) == 0)
            return entry.value;
    }
    return std::nullopt;
}

QString colorName(ColorValue value)
{
    for (const NamedColor &entry : namedColors) {
        if (entry.value == value)
            return QLatin1String(entry.name);
    }
    return {};
}

std::optional<ColorValue> parseColor(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    if (auto named = colorFromName(trimmed))
        return named;
    bool ok = false;
    qint64 number = 0;
    // The class library also read hexadecimal written as "$FF0000".
    if (trimmed.startsWith(QLatin1Char('$')))
        number = trimmed.mid(1).toLongLong(&ok, 16);
    else if (trimmed.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        number = trimmed.mid(2).toLongLong(&ok, 16);
    else
        number = trimmed.toLongLong(&ok, 10);
    if (!ok || number < INT32_MIN || number > UINT32_MAX)
        return std::nullopt;
    return static_cast<ColorValue>(static_cast<std::uint32_t>(number));
}

bool isSystemColor(ColorValue value)
{
    return (static_cast<std::uint32_t>(value) & 0xFF000000u) == 0xFF000000u;
}

QColor toQColor(ColorValue value)
{
    if (value == noColor)
        return QColor(Qt::transparent);
    if (value == defaultColor)
        return QColor();
    const std::uint32_t bits = static_cast<std::uint32_t>(value);
    if (isSystemColor(value)) {
        const unsigned index = bits & 0xFFu;
        if (index >= systemShades.size())
            return QColor();
        return QColor::fromRgb(systemShades[index]);
    }
    return QColor(int(bits & 0xFF), int((bits >> 8) & 0xFF), int((bits >> 16) & 0xFF));
}

ColorValue fromQColor(const QColor &color)
{
    const QColor rgb = color.toRgb();
    return static_cast<ColorValue>(unsigned(rgb.red()) | (unsigned(rgb.green()) << 8) | (unsigned(rgb.blue()) << 16));
}

} // namespace sys
