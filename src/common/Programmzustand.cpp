#include "Programmzustand.h"

QFont TFont::font() const
{
    QFont result(Name);
    result.setPointSize(Size > 0 ? Size : 8);
    result.setBold(Bold);
    result.setItalic(Italic);
    return result;
}

ui::UserFont TFont::benutzerSchrift() const
{
    return {font(), sys::toQColor(Color)};
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

bool &SpeedButtonsMitRahmen = programmzustand().SpeedButtonsMitRahmen;
int &AktuelleBelegNr = programmzustand().AktuelleBelegNr;

ui::Appearance Erscheinungsbild()
{
    const Programmzustand &zustand = programmzustand();
    ui::Appearance appearance;
    appearance.documentLabels = zustand.FormularAnzeigeFont.benutzerSchrift();
    appearance.masterDataLabels = zustand.StammdatenAnzeigeFont.benutzerSchrift();
    appearance.inputFields = zustand.EingabeFelderFont.benutzerSchrift();
    appearance.background = sys::toQColor(zustand.HinterGrundFarbe);
    appearance.framedSpeedButtons = zustand.SpeedButtonsMitRahmen && zustand.XP_Themes;
    return appearance;
}
