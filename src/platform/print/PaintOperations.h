#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <QString>
#include <memory>

#include "platform/print/CanvasFont.h"
#include "platform/print/PageGeometry.h"

namespace print {

class FontFace;

// Solid lines, dashes 2 mm long every 3 mm, dots 0.4 mm every 0.8 mm
// (lengths do not grow with the pen width).
enum class PenStyle { Solid, Dash, Dot, None };

struct Pen
{
    int width = 1; // 0.1 mm; 1 is the forms' thin line
    PenStyle style = PenStyle::Solid;
    QColor color = Qt::black;
    bool operator==(const Pen &) const = default;
};

// A solid brush fills shapes and the cell behind text (opaque text, as on
// the printer canvas); a clear brush leaves both transparent.
enum class BrushStyle { Solid, Clear };

struct Brush
{
    QColor color = Qt::white;
    BrushStyle style = BrushStyle::Solid;
    bool operator==(const Brush &) const = default;
};

struct JobOptions
{
    int copies = 1;
    Orientation orientation = Orientation::Portrait;
    // Both sides of the sheet where the printer can; several sheets of one
    // job then share a sheet of paper.
    bool duplex = false;
};

// What the canvas hands to a back end: positions as the print form gave them
// (0.1 mm from the sheet's top-left) and the page offset in force, so that
// device position = position + offset.

struct TextOperation
{
    QString text;
    QPoint position;          // top-left of the character cell (before rotation)
    QPoint offset;
    CanvasFont font;          // as the print form set it
    std::shared_ptr<const FontFace> face;
    double characterHeight = 0;
    double ascent = 0;
    double cellHeight = 0;
    double stretch = 1;
    double angle = 0;         // degrees, clockwise on the sheet (270 runs up the page)
    double width = 0;         // advance of the whole text, letter spacing included
    int characterExtra = 0;
    QList<quint32> glyphs;
    QList<double> glyphX;     // start of each glyph along the baseline, 0.1 mm
    QColor background;        // invalid: transparent
    QPoint device() const { return position + offset; }
};

struct LineOperation
{
    QPoint from;
    QPoint to;
    QPoint offset;
    Pen pen;
};

enum class ShapeKind { Rectangle, FilledRectangle, Ellipse, Polygon };

struct ShapeOperation
{
    ShapeKind kind = ShapeKind::Rectangle;
    QPolygon points;          // rectangles and ellipses: the two corners
    QPoint offset;
    Pen pen;                  // unused for FilledRectangle
    Brush brush;
};

struct ImageOperation
{
    QRect target;
    QPoint offset;
    QImage image;
    QString source;           // file name, where the picture came from a file
};

} // namespace print
