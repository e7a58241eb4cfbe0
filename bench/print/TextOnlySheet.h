#pragma once

#include "platform/print/Canvas.h"

#include <QString>

// One sheet of plain text: a heading, a frame and 100 lines in small type,
// the yardstick the form prints are measured against.
inline void drawTextOnlySheet(print::Canvas &canvas, int sheet)
{
    constexpr int linesPerSheet = 100;
    canvas.setPageShift(0, 0);
    canvas.setFont(QStringLiteral("Arial"), 4, print::FontStyle::Bold);
    canvas.textOut(150, 50, QStringLiteral("Seite : %1").arg(sheet));
    canvas.rectangle(100, 150, 2000, 2800);
    canvas.setFont(QStringLiteral("Courier New"), 2.5);
    for (int line = 0; line < linesPerSheet; ++line)
        canvas.textOut(150, 200 + line * 26,
                       QStringLiteral("Position %1: Maschinenteile aus Stahl, Gewicht %2,50 kg - Zollstelle Düsseldorf")
                           .arg(line + 1)
                           .arg(sheet * line));
}
