#pragma once

#include <QString>

// One criterion of the register search: its caption, the field compared, and
// whether the typed text must match the whole field or its start. At most
// `zeichen` characters of the typed text are used (0: all).
struct Suchkriterium
{
    QString titel;
    QString feld;
    bool anfang = false;
    int zeichen = 0;
};
