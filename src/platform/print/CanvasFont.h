#pragma once

#include <QColor>
#include <QFlags>
#include <QString>

namespace print {

enum class FontStyle { Bold = 1, Italic = 2, Underline = 4, StrikeOut = 8 };
Q_DECLARE_FLAGS(FontStyles, FontStyle)
Q_DECLARE_OPERATORS_FOR_FLAGS(FontStyles)

// The canvas font, with the printer-canvas meaning of each member.
struct CanvasFont
{
    QString name = QStringLiteral("Arial");
    // 0.1 mm; negative: character height (the em, without internal leading),
    // positive: cell height (ascent + descent, internal leading included).
    int height = -40;
    FontStyles style;
    // 100..900; 0 takes 400, or 700 with the Bold style.
    int weight = 0;
    // Average character width in 0.1 mm; 0 keeps the face's own proportions.
    int width = 0;
    // Angle of the text in tenths of a degree; 2700 runs up the page with the
    // glyphs to the right of the anchor (see Canvas::textOutRotated).
    int escapement = 0;
    QColor color = Qt::black;

    int effectiveWeight() const { return weight > 0 ? weight : (style & FontStyle::Bold ? 700 : 400); }
    bool operator==(const CanvasFont &) const = default;
};

} // namespace print
