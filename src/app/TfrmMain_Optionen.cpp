#include "Main.h"

#include "common/Ini.h"

#include "platform/sys/IniFile.h"

#include <utility>

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

// The plain options, read and written under their own keys.
struct JaNeinOption
{
    const char *schluessel;
    bool TfrmMain::*wert;
    bool vorgabe;
};

const JaNeinOption jaNeinOptionen[] = {
    {"Abgabensatz", &TfrmMain::Abgabensatz, true},
    {"AutomatischAnmelden", &TfrmMain::AutomatischAnmelden, false},
    {"AutomatischAbmelden", &TfrmMain::AutomatischAbmelden, false},
    {"StatistischerWert", &TfrmMain::StatistischerWert, true},
    {"RechnungsWert", &TfrmMain::RechnungsWert, true},
    {"XP_Themes", &TfrmMain::XP_Themes, false},
    {"AEFeld33Focus", &TfrmMain::AEFeld33Focus, true},
    {"IntraUebernahme", &TfrmMain::IntraUebernahme, false},
    {"IntraArtUebernahme", &TfrmMain::IntraArtUebernahme, false},
};

const std::pair<const char *, QString TfrmMain::*> textOptionen[] = {
    {"AnmeldeNamen", &TfrmMain::AnmeldeNamen}, {"Zollamt1", &TfrmMain::Zollamt1},
    {"Zollamt2", &TfrmMain::Zollamt2},         {"ZollamtAn1", &TfrmMain::ZollamtAn1},
    {"ZollamtAn2", &TfrmMain::ZollamtAn2},     {"ZollamtNr", &TfrmMain::ZollamtNr},
    {"IntraVerfahren", &TfrmMain::IntraVerfahren}, {"IntraArt", &TfrmMain::IntraArt},
};

} // namespace

void TfrmMain::OptionenLesen()
{
    const sys::IniFile ini(IniDateiName(), IniAbschnitt());
    for (const JaNeinOption &option : jaNeinOptionen)
        this->*option.wert = ini.readBool(QLatin1String(option.schluessel), option.vorgabe);
    for (const auto &[schluessel, wert] : textOptionen)
        this->*wert = ini.readString(QLatin1String(schluessel));

    TFont *fonts[] = {&FormularAnzeigeFont, &StammdatenAnzeigeFont, &EingabeFelderFont, &AusdruckFont};
    for (int i = 0; i < fontSchluessel().size(); ++i)
        lesen(ini, fontSchluessel().at(i), *fonts[i]);
    // A colour that is neither a number nor a colour name gives the default.
    HinterGrundFarbe = ini.readColor(QStringLiteral("HinterGrundFarbeColor"), sys::colors::buttonFace);
    ErscheinungsbildWeitergeben();
}

void TfrmMain::OptionenSpeichern()
{
    sys::IniFile ini(IniDateiName(), IniAbschnitt());
    for (const JaNeinOption &option : jaNeinOptionen)
        ini.writeBool(QLatin1String(option.schluessel), this->*option.wert);
    for (const auto &[schluessel, wert] : textOptionen)
        ini.writeString(QLatin1String(schluessel), this->*wert);

    const TFont *fonts[] = {&FormularAnzeigeFont, &StammdatenAnzeigeFont, &EingabeFelderFont, &AusdruckFont};
    for (int i = 0; i < fontSchluessel().size(); ++i)
        schreiben(ini, fontSchluessel().at(i), *fonts[i]);
    ini.writeColor(QStringLiteral("HinterGrundFarbeColor"), HinterGrundFarbe);
}

int TfrmMain::StammSortRead(const QString &schluessel)
{
    return sys::IniFile(IniDateiName(), IniAbschnitt()).readInteger(schluessel, 0);
}

void TfrmMain::StammSortWrite(const QString &schluessel, int wert)
{
    sys::IniFile(IniDateiName(), IniAbschnitt()).writeInteger(schluessel, wert);
}
