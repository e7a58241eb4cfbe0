#include "Programmzustand.h"

QFont TFont::font() const
{
    QFont result(Name);
    result.setPointSize(Size > 0 ? Size : 8);
    result.setBold(Bold);
    result.setItalic(Italic);
    return result;
}

void TFont::uebernehmen(const QFont &font)
{
    Name = font.family();
    if (font.pointSize() > 0)
        Size = font.pointSize();
    Bold = font.bold();
    Italic = font.italic();
}

Programmzustand &programmzustand()
{
    static Programmzustand zustand;
    return zustand;
}
