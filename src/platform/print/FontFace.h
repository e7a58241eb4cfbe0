#pragma once

#include <QHash>
#include <QRawFont>
#include <QString>
#include <memory>

#include "platform/print/CanvasFont.h"

namespace print {

// One face (family, weight, italic) with the metrics the printer canvas works
// with, in font units: the cell is usWinAscent above and usWinDescent below
// the baseline, so "top-left" text lands where the printer put it. Widths use
// the unhinted design advances, so every back end measures alike.
class FontFace
{
public:
    // The face for a canvas font; faces are cached for the process.
    // Arial, Courier New and Times New Roman resolve to their metric-compatible
    // Liberation faces.
    static std::shared_ptr<const FontFace> forFont(const QString &name, int weight, bool italic);
    // True when a family of this name (or its substitute) is installed.
    static bool isInstalled(const QString &name);

    QString family() const { return family_; }
    double unitsPerEm() const { return unitsPerEm_; }
    double winAscent() const { return winAscent_; }
    double winDescent() const { return winDescent_; }
    double averageCharWidth() const { return averageCharWidth_; }
    double underlinePosition() const { return underlinePosition_; }
    double strikeOutPosition() const { return strikeOutPosition_; }
    double lineThickness() const { return lineThickness_; }

    // Glyphs and advances (font units) of a text, without kerning or
    // ligatures, one glyph per character as the printer drew it.
    void glyphs(const QString &text, QList<quint32> *indexes, QList<double> *advances) const;
    // The face at a size, for drawing; pixel size is in the painter's units.
    QRawFont rawFont(double pixelSize) const;

private:
    FontFace() = default;

    QRawFont design_; // at unitsPerEm, so advances come in font units
    QString family_;
    double unitsPerEm_ = 2048;
    double winAscent_ = 0;
    double winDescent_ = 0;
    double averageCharWidth_ = 0;
    double underlinePosition_ = 0;
    double strikeOutPosition_ = 0;
    double lineThickness_ = 0;
    mutable QHash<char32_t, std::pair<quint32, double>> glyphCache_;
    mutable QHash<double, QRawFont> sized_;
};

// A canvas font resolved to a face and sizes in 0.1 mm.
struct ResolvedFont
{
    std::shared_ptr<const FontFace> face;
    double em = 0;         // character height
    double ascent = 0;     // top of the cell to the baseline
    double descent = 0;
    double stretch = 1;    // horizontal scale from the font's width
    double cellHeight() const { return ascent + descent; }
    double scale() const { return em / face->unitsPerEm(); }

    static ResolvedFont resolve(const CanvasFont &font);
};

// Makes the usual Windows font names resolve to metric-compatible faces on
// this system; called by the canvas, harmless to call again.
void installFontSubstitutions();

} // namespace print
