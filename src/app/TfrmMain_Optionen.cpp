#include "Main.h"

#include "common/Ini.h"

#include "platform/sys/IniFile.h"

namespace {

struct FontSchluessel
{
    QString praefix;      // "FormularAnzeigeFont"
    QString kursiv;       // the italic key's own ending
    TFont vorgabe;
};

TFont schrift(const QString &name, int size, sys::ColorValue color)
{
    TFont font;
    font.Name = name;
    font.Size = size;
    font.Color = color;
    return font;
}

void lesen(const sys::IniFile &ini, const FontSchluessel &schluessel, TFont &font)
{
    font.Name = ini.readString(schluessel.praefix + QStringLiteral("Name"), schluessel.vorgabe.Name);
    font.Size = ini.readInteger(schluessel.praefix + QStringLiteral("Size"), schluessel.vorgabe.Size);
    font.Color = ini.readColor(schluessel.praefix + QStringLiteral("Color"), schluessel.vorgabe.Color);
    font.Bold = ini.readBool(schluessel.praefix + QStringLiteral("Bold"), false);
    font.Italic = ini.readBool(schluessel.praefix + schluessel.kursiv, false);
}

void schreiben(sys::IniFile &ini, const FontSchluessel &schluessel, const TFont &font)
{
    ini.writeString(schluessel.praefix + QStringLiteral("Name"), font.Name);
    ini.writeInteger(schluessel.praefix + QStringLiteral("Size"), font.Size);
    ini.writeColor(schluessel.praefix + QStringLiteral("Color"), font.Color);
    ini.writeBool(schluessel.praefix + QStringLiteral("Bold"), font.Bold);
    ini.writeBool(schluessel.praefix + schluessel.kursiv, font.Italic);
}

const QList<FontSchluessel> &fontSchluessel()
{
    static const QList<FontSchluessel> liste = {
        {QStringLiteral("FormularAnzeigeFont"), QStringLiteral("Kursiv"),
         schrift(QStringLiteral("MS Sans Serif"), 8, sys::colors::blue)},
        {QStringLiteral("StammdatenAnzeigeFont"), QStringLiteral("Kursiv"),
         schrift(QStringLiteral("MS Sans Serif"), 8, sys::colors::blue)},
        {QStringLiteral("EingabeFelderFont"), QStringLiteral("Kursiv"),
         schrift(QStringLiteral("Courier New"), 10, sys::colors::windowText)},
        {QStringLiteral("AusdruckFont"), QStringLiteral("Italic"),
         schrift(QStringLiteral("Courier New"), 8, sys::colors::black)},
    };
    return liste;
}

} // namespace

void TfrmMain::OptionenLesen()
{
    const sys::IniFile ini(IniDateiName(), IniAbschnitt());
    Abgabensatz = ini.readBool(QStringLiteral("Abgabensatz"), true);
    AutomatischAnmelden = ini.readBool(QStringLiteral("AutomatischAnmelden"), false);
    AnmeldeNamen = ini.readString(QStringLiteral("AnmeldeNamen"));
    AutomatischAbmelden = ini.readBool(QStringLiteral("AutomatischAbmelden"), false);
    StatistischerWert = ini.readBool(QStringLiteral("StatistischerWert"), true);
    RechnungsWert = ini.readBool(QStringLiteral("RechnungsWert"), true);
    XP_Themes = ini.readBool(QStringLiteral("XP_Themes"), false);
    AEFeld33Focus = ini.readBool(QStringLiteral("AEFeld33Focus"), true);

    TFont *fonts[] = {&FormularAnzeigeFont, &StammdatenAnzeigeFont, &EingabeFelderFont, &AusdruckFont};
    for (int i = 0; i < fontSchluessel().size(); ++i)
        lesen(ini, fontSchluessel().at(i), *fonts[i]);
    // A colour that is neither a number nor a colour name gives the default.
    HinterGrundFarbe = ini.readColor(QStringLiteral("HinterGrundFarbeColor"), sys::colors::buttonFace);

    Zollamt1 = ini.readString(QStringLiteral("Zollamt1"));
    Zollamt2 = ini.readString(QStringLiteral("Zollamt2"));
    ZollamtAn1 = ini.readString(QStringLiteral("ZollamtAn1"));
    ZollamtAn2 = ini.readString(QStringLiteral("ZollamtAn2"));
    ZollamtNr = ini.readString(QStringLiteral("ZollamtNr"));
    IntraUebernahme = ini.readBool(QStringLiteral("IntraUebernahme"), false);
    IntraVerfahren = ini.readString(QStringLiteral("IntraVerfahren"));
    IntraArtUebernahme = ini.readBool(QStringLiteral("IntraArtUebernahme"), false);
    IntraArt = ini.readString(QStringLiteral("IntraArt"));
    ErscheinungsbildWeitergeben();
}

void TfrmMain::OptionenSpeichern()
{
    sys::IniFile ini(IniDateiName(), IniAbschnitt());
    ini.writeBool(QStringLiteral("Abgabensatz"), Abgabensatz);
    ini.writeBool(QStringLiteral("AutomatischAnmelden"), AutomatischAnmelden);
    ini.writeString(QStringLiteral("AnmeldeNamen"), AnmeldeNamen);
    ini.writeBool(QStringLiteral("AutomatischAbmelden"), AutomatischAbmelden);
    ini.writeBool(QStringLiteral("StatistischerWert"), StatistischerWert);
    ini.writeBool(QStringLiteral("RechnungsWert"), RechnungsWert);
    ini.writeBool(QStringLiteral("XP_Themes"), XP_Themes);
    ini.writeBool(QStringLiteral("AEFeld33Focus"), AEFeld33Focus);

    const TFont *fonts[] = {&FormularAnzeigeFont, &StammdatenAnzeigeFont, &EingabeFelderFont, &AusdruckFont};
    for (int i = 0; i < fontSchluessel().size(); ++i)
        schreiben(ini, fontSchluessel().at(i), *fonts[i]);
    ini.writeColor(QStringLiteral("HinterGrundFarbeColor"), HinterGrundFarbe);

    ini.writeString(QStringLiteral("Zollamt1"), Zollamt1);
    ini.writeString(QStringLiteral("Zollamt2"), Zollamt2);
    ini.writeString(QStringLiteral("ZollamtAn1"), ZollamtAn1);
    ini.writeString(QStringLiteral("ZollamtAn2"), ZollamtAn2);
    ini.writeString(QStringLiteral("ZollamtNr"), ZollamtNr);
    ini.writeBool(QStringLiteral("IntraUebernahme"), IntraUebernahme);
    ini.writeString(QStringLiteral("IntraVerfahren"), IntraVerfahren);
    ini.writeBool(QStringLiteral("IntraArtUebernahme"), IntraArtUebernahme);
    ini.writeString(QStringLiteral("IntraArt"), IntraArt);
}

int TfrmMain::StammSortRead(const QString &schluessel)
{
    return sys::IniFile(IniDateiName(), IniAbschnitt()).readInteger(schluessel, 0);
}

void TfrmMain::StammSortWrite(const QString &schluessel, int wert)
{
    sys::IniFile(IniDateiName(), IniAbschnitt()).writeInteger(schluessel, wert);
}
