#pragma once

#include "platform/sys/Colors.h"

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
    // Name, size and style of a chosen font; the colour stays.
    void uebernehmen(const QFont &font);
};

// What the start-up, the options and the login decide and every subsystem
// reads: the user, the fonts, the options of the forms and prints, the paths.
// The main window fills it and keeps its members' names as references into
// it; forms and prints read it here, without knowing the main window.
struct Programmzustand
{
    QString UserName;
    int UserNr = 0;

    TFont FormularAnzeigeFont;     // labels of document forms
    TFont StammdatenAnzeigeFont;   // labels of master-data forms
    TFont EingabeFelderFont;       // input fields
    TFont AusdruckFont;            // name and style of every print's text
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
};

// The one program state; starts with the options' defaults.
Programmzustand &programmzustand();
