#pragma once

#include "platform/sys/Colors.h"
#include "platform/ui/Appearance.h"

#include <QFont>
#include <QString>

// A user font as the options keep it. The colour stays in the old library's
// numbers, so a system colour is written back as it was read.
struct TFont
{
    QString Name;
    int Size = 8;
    sys::ColorValue Color = sys::colors::black;
    bool Bold = false;
    bool Italic = false;

    QFont font() const;
    // The font with its colour, as forms apply it.
    ui::UserFont benutzerSchrift() const;
    // Name, size and style of a chosen font; the colour stays.
    void uebernehmen(const QFont &font);
};

// What the start-up, the options and the login decide and every subsystem
// reads: the user, the fonts, the options of the forms and prints, the paths.
// The main window fills it and keeps its members' names as references into
// it; forms and prints read it here, without knowing the main window. The
// member defaults are the options' defaults.
struct Programmzustand
{
    QString UserName;
    int UserNr = 0;

    TFont FormularAnzeigeFont{QStringLiteral("MS Sans Serif"), 8, sys::colors::blue};     // labels of document forms
    TFont StammdatenAnzeigeFont{QStringLiteral("MS Sans Serif"), 8, sys::colors::blue};   // labels of master-data forms
    TFont EingabeFelderFont{QStringLiteral("Courier New"), 10, sys::colors::windowText};  // input fields
    TFont AusdruckFont{QStringLiteral("Courier New"), 8, sys::colors::black};             // every print's text
    sys::ColorValue HinterGrundFarbe = sys::colors::buttonFace;

    QString Version;
    bool AutomatischAnmelden = false;
    QString AnmeldeNamen;
    bool AutomatischAbmelden = false;
    bool XP_Themes = false;

    bool Abgabensatz = true;
    bool StatistischerWert = true;
    bool RechnungsWert = true;
    bool IntraUebernahme = false;
    QString IntraVerfahren;
    bool IntraArtUebernahme = false;
    QString IntraArt;
    QString Zollamt1;
    QString Zollamt2;
    QString ZollamtAn1;
    QString ZollamtAn2;
    QString ZollamtNr;
    bool AEFeld33Focus = true;

    QString DatenBankPfad;   // without a trailing separator
    QString ProgrammPfad;    // with a trailing separator

    // Set by the start-up from IsNT5OrLater(): speed buttons can be drawn
    // with a frame, which the option XP_Themes then decides.
    bool SpeedButtonsMitRahmen = false;
    // The document number the registers share; the start-up sets it to 1.
    int AktuelleBelegNr = 1;
};

// The one program state; starts with the options' defaults.
Programmzustand &programmzustand();

// The registers and forms address these two by their own names.
extern bool &SpeedButtonsMitRahmen;   // programmzustand().SpeedButtonsMitRahmen
extern int &AktuelleBelegNr;          // programmzustand().AktuelleBelegNr

// The fonts, background and speed-button frames that entry, item,
// master-data and service forms take when they are created: the platform
// layer's view of the program state, made from it on every call, so it never
// lags behind the options.
ui::Appearance Erscheinungsbild();
