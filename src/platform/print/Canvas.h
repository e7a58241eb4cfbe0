#pragma once

#include <QImage>
#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <cstdlib>
#include <optional>

#include "platform/print/CanvasFont.h"
#include "platform/print/FontFace.h"
#include "platform/print/PaintOperations.h"
#include "platform/print/PrintBackend.h"

namespace print {

// The printer canvas of the print forms, in 0.1 mm from the top-left corner
// of the sheet with y pointing down. Positions are the constants of the
// forms; the page offset (centring and the page kind's spalte/zeile) is added
// on the way to the back end. Defaults are the printer canvas's: Arial 4 mm,
// black thin solid pen, solid white brush (opaque text), no letter spacing.
class Canvas
{
public:
    explicit Canvas(PrintBackend &backend);
    // A job still open is aborted, so a failed print leaves nothing half-printed.
    ~Canvas();
    Canvas(const Canvas &) = delete;
    Canvas &operator=(const Canvas &) = delete;

    PrintBackend &backend() const { return backend_; }

    // Jobs. Copies below 1 are refused with a PrintError.
    void beginJob(const QString &title, const JobOptions &options = {});
    void newPage();
    void endJob();   // no job open: nothing happens
    void abortJob(); // no job open: nothing happens
    bool isJobOpen() const { return jobOpen_; }
    int pageNumber() const { return page_; } // within the open job, from 1
    Orientation orientation() const { return options_.orientation; }

    // Page offset from the device's printable area in the job's orientation
    // and the page kind's offsets (see pageOffset); it stays in force, also
    // for later jobs, until set again.
    void setPageShift(int spalte, int zeile);
    QPoint offset() const { return offset_; }
    void setOffset(QPoint offset) { offset_ = offset; }

    // Fonts. setFont(name, mm, style) is the forms' usual call: a character
    // height in mm (3.5 mm = height -35).
    void setFont(const QString &name, double characterHeightMm, FontStyles style = {});
    void setFont(const CanvasFont &font);
    const CanvasFont &font() const { return font_; }
    void setFontName(const QString &name);
    void setFontHeight(int height);          // Font.Height: < 0 character height, > 0 cell height
    void setCharacterHeight(int height) { setFontHeight(-std::abs(height)); }
    void setCellHeight(int height) { setFontHeight(std::abs(height)); }
    void setFontStyle(FontStyles style);     // Font.Style
    void setFontWeight(int weight);          // lfWeight (800 = extra bold); 0 follows the style
    void setFontWidth(int averageCharWidth); // lfWidth in 0.1 mm; 0 = natural
    void setFontColor(const QColor &color);  // Font.Color
    void setFontEscapement(int tenthsOfDegree); // lfEscapement
    // SetTextCharacterExtra: 0.1 mm added after every character, in drawing and measuring.
    void setCharacterExtra(int extra) { characterExtra_ = extra; }
    int characterExtra() const { return characterExtra_; }

    // Measuring, in 0.1 mm rounded like the printer's integer answers.
    int textWidth(const QString &text) const;  // TextWidth
    int textHeight() const;                    // TextHeight: the cell height
    int characterHeight() const;               // the em
    int ascent() const;                        // top of the cell to the baseline

    // TextOut: the top-left of the character cell at (x, y), rotated by the
    // font's escapement about that point; the pen moves to (x + width, y).
    void textOut(int x, int y, const QString &text);
    // Right end at x / centre at x (TA_RIGHT / TA_CENTER).
    void textOutRight(int x, int y, const QString &text);
    void textOutCentred(int x, int y, const QString &text);
    // A font with escapement angle × 10 for this text only. 270 runs up the
    // page with the glyphs to the right of (x, y), as the forms' margin
    // captions sit in their strips; -25 rises to the right.
    void textOutRotated(int x, int y, double angle, const QString &text);
    // One character every `pitch` from x, whatever its width (letter-spaced
    // texts of the forms); the pen ends behind the last character.
    void textOutPitched(int x, int y, const QString &text, int pitch);
    // DrawText with word breaks in the column from left to right: lines break
    // at blanks (a word wider than the column stands alone) and at line
    // breaks; answers the height used (lines × cell height, 0 for no text).
    int textOutWrapped(int left, int top, int right, const QString &text);
    int wrappedTextHeight(int left, int right, const QString &text) const;
    QStringList wrapText(int width, const QString &text) const;

    // Pen and brush.
    void setPen(int width, PenStyle style = PenStyle::Solid, const QColor &color = Qt::black);
    void setPen(const Pen &pen) { pen_ = pen; }
    const Pen &pen() const { return pen_; }
    void setBrush(const QColor &color, BrushStyle style = BrushStyle::Solid);
    void setBrush(const Brush &brush) { brush_ = brush; }
    const Brush &brush() const { return brush_; }
    // Brush.Style := bsClear / bsSolid, keeping the colour.
    void setBrushStyle(BrushStyle style) { brush_.style = style; }

    // Lines and shapes; rectangles and polygons are outlined with the pen and
    // filled with the brush, fillRect fills without outline.
    QPoint penPos() const { return penPos_; }
    void moveTo(int x, int y);
    void lineTo(int x, int y);
    void line(int x1, int y1, int x2, int y2);
    void rectangle(int x1, int y1, int x2, int y2);
    void fillRect(int x1, int y1, int x2, int y2);
    void ellipse(int x1, int y1, int x2, int y2);
    void polygon(const QList<QPoint> &points);

    // StretchDraw: the picture scaled into the rectangle. A file that cannot
    // be read (BMP, JPEG, PNG) raises a PrintError.
    void drawImage(int x1, int y1, int x2, int y2, const QImage &image);
    void drawImage(int x1, int y1, int x2, int y2, const QString &fileName);

private:
    const ResolvedFont &resolved() const;
    double widthOf(const QString &text) const;
    TextOperation textOperation(int x, int y, const QString &text) const;
    void emitText(TextOperation operation);
    void requireJob() const;

    PrintBackend &backend_;
    bool jobOpen_ = false;
    int page_ = 0;
    JobOptions options_;
    QPoint offset_;
    CanvasFont font_;
    mutable std::optional<ResolvedFont> resolved_;
    int characterExtra_ = 0;
    Pen pen_;
    Brush brush_;
    QPoint penPos_;
};

} // namespace print
