#pragma once

#include "platform/print/CanvasFont.h"

#include <QString>
#include <functional>

namespace print {
class Canvas;
}

// Small drawing routines on the print canvas (0.1 mm, y pointing down),
// shared by the print forms, and the tiny markup they and TMyHtmlLabel
// understand.

void CanvasVLine(int y1, int y2, int x, print::Canvas &canvas);
void CanvasHLine(int x1, int x2, int y, print::Canvas &canvas);
void CanvasSetFontStyle(print::Canvas &canvas, print::FontStyles style);
// An empty name keeps the font's name.
void CanvasSetFontName(print::Canvas &canvas, const QString &name);
// Character heights are negative; a height of -1 or above keeps the font's
// height. The style is always set.
void CanvasSetFontHeightStyle(print::Canvas &canvas, int height, print::FontStyles style);

// Draws the text from (x, y) by the markup rules (markupLesen), starting in
// the canvas font the caller has set. A line break moves down by the
// character height plus the line gap and back to x. Answers the y where a
// following line starts. The style at the end of the text stays set.
int CanvasMarkupText(print::Canvas &canvas, int x, int y, int zeilenabstand, const QString &text);

// One line at (x, y); with justify on, its words are spread over the width
// (the last line of a paragraph is drawn without, by the caller).
void CanvasTextOutJustified(print::Canvas &canvas, int x, int y, const QString &text, bool blocksatz, int breite);

// The words of a justified line: each piece before a blank, trimmed (two
// blanks in a row give an empty word), and what follows the last blank when
// it is not empty.
QStringList blocksatzWoerter(const QString &text);

// The markup, read from left to right, the first matching rule applying:
//   "<x>"   switches on a style: B bold, I italic, U underline, S strike-out
//           (any case; another letter switches nothing);
//   "</x>"  switches that style off;
//   "<br>"  breaks the line (any case);
//   anything else is text, also a "<" that starts none of these.
// Calls text() for every run of text with the style in force and
// zeilenumbruch() at every line break.
struct MarkupLeser
{
    std::function<void(const QString &text, print::FontStyles stil)> text;
    std::function<void()> zeilenumbruch;
};
// Answers the style in force at the end.
print::FontStyles markupLesen(const QString &markup, print::FontStyles startStil, const MarkupLeser &leser);
