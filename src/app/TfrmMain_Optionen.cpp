#include "Main.h"

#include "common/Ini.h"

#include "platform/sys/IniFile.h"

#include <utility>

namespace {

struct FontSchluessel
{
    QString praefix;      // "FormularAnzeigeFont"
    QString kursiv;       // the italic key's own ending
    TFont Programmzustand::*font;
};

void lesen(const sys::IniFile &ini, const FontSchluessel &schluessel, const TFont &vorgabe, TFont &font)
{
    font.Name = ini.readString(schluessel.praefix + QStringLiteral("Name"), vorgabe.Name);
    font.Size = ini.readInteger(schluessel.praefix + QStringLiteral("Size"), vorgabe.Size);
    font.Color = ini.readColor(schluessel.praefix + QStringLiteral("Color"), vorgabe.Color);
    font.Bold = ini.readBool(schluessel.praefix + QStringLiteral("Bold"), vorgabe.Bold);
    font.Italic = ini.readBool(schluessel.praefix + schluessel.kursiv, vorgabe.Italic);
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
        {QStringLiteral("FormularAnzeigeFont"), QStringLiteral("Kursiv"), &Programmzustand::FormularAnzeigeFont},
        {QStringLiteral("StammdatenAnzeigeFont"), QStringLiteral("Kursiv"), &Programmzustand::StammdatenAnzeigeFont},
        {QStringLiteral("EingabeFelderFont"), QStringLiteral("Kursiv"), &Programmzustand::EingabeFelderFont},
        {QStringLiteral("AusdruckFont"), QStringLiteral("Italic"), &Programmzustand::AusdruckFont},
    };
    return liste;
}

// The plain options, read and written under their own keys; a missing key
// gives the program state's default.
const std::pair<const char *, bool Programmzustand::*> jaNeinOptionen[] = {
    {"Abgabensatz", &Programmzustand::Abgabensatz},
    {"AutomatischAnmelden", &Programmzustand::AutomatischAnmelden},
    {"AutomatischAbmelden", &Programmzustand::AutomatischAbmelden},
    {"StatistischerWert", &Programmzustand::StatistischerWert},
    {"RechnungsWert", &Programmzustand::RechnungsWert},
    {"XP_Themes", &Programmzustand::XP_Themes},
    {"AEFeld33Focus", &Programmzustand::AEFeld33Focus},
    {"IntraUebernahme", &Programmzustand::IntraUebernahme},
    {"IntraArtUebernahme", &Programmzustand::IntraArtUebernahme},
};

const std::pair<const char *, QString Programmzustand::*> textOptionen[] = {
    {"AnmeldeNamen", &Programmzustand::AnmeldeNamen}, {"Zollamt1", &Programmzustand::Zollamt1},
    {"Zollamt2", &Programmzustand::Zollamt2},         {"ZollamtAn1", &Programmzustand::ZollamtAn1},
    {"ZollamtAn2", &Programmzustand::ZollamtAn2},     {"ZollamtNr", &Programmzustand::ZollamtNr},
    {"IntraVerfahren", &Programmzustand::IntraVerfahren}, {"IntraArt", &Programmzustand::IntraArt},
};

} // namespace

void TfrmMain::OptionenLesen()
{
    const sys::IniFile ini(IniDateiName(), IniAbschnitt());
    const Programmzustand vorgaben;
    Programmzustand &zustand = programmzustand();
    for (const auto &[schluessel, wert] : jaNeinOptionen)
        zustand.*wert = ini.readBool(QLatin1String(schluessel), vorgaben.*wert);
    for (const auto &[schluessel, wert] : textOptionen)
        zustand.*wert = ini.readString(QLatin1String(schluessel));
    for (const FontSchluessel &schluessel : fontSchluessel())
        lesen(ini, schluessel, vorgaben.*schluessel.font, zustand.*schluessel.font);
    // A colour that is neither a number nor a colour name gives the default.
    HinterGrundFarbe = ini.readColor(QStringLiteral("HinterGrundFarbeColor"), vorgaben.HinterGrundFarbe);
}

void TfrmMain::OptionenSpeichern()
{
    sys::IniFile ini(IniDateiName(), IniAbschnitt());
    const Programmzustand &zustand = programmzustand();
    for (const auto &[schluessel, wert] : jaNeinOptionen)
        ini.writeBool(QLatin1String(schluessel), zustand.*wert);
    for (const auto &[schluessel, wert] : textOptionen)
        ini.writeString(QLatin1String(schluessel), zustand.*wert);
    for (const FontSchluessel &schluessel : fontSchluessel())
        schreiben(ini, schluessel, zustand.*schluessel.font);
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
