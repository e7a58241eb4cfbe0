#include "Ini.h"

#include "Util.h"

#include "platform/sys/IniFile.h"

namespace {

sys::IniFile programmEinstellungen()
{
    return sys::IniFile(IniDateiName(), IniAbschnitt());
}

} // namespace

QString IniDateiName()
{
    return ProgrammVerzeichnis() + QStringLiteral("Razazu.ini");
}

QString IniAbschnitt()
{
    return QStringLiteral("Kandrel Razazu");
}

void IniEinlesen(const QString &schluessel, QString &text)
{
    text = programmEinstellungen().readString(schluessel, text);
}

bool IniEintragen(const QString &schluessel, const QString &text)
{
    return programmEinstellungen().writeString(schluessel, text);
}

QString IniLesen(const QString &schluessel, const QString &vorgabe)
{
    return programmEinstellungen().readString(schluessel, vorgabe);
}

bool IniSchreiben(const QString &schluessel, const QString &text)
{
    return programmEinstellungen().writeString(schluessel, text);
}

QVariant IniWertLesen(const QString &dateiName, const QString &abschnitt, const QString &schluessel,
                      const QVariant &vorgabe)
{
    return sys::IniFile(dateiName, abschnitt).readValue(schluessel, vorgabe);
}

bool IniWertSchreiben(const QString &dateiName, const QString &abschnitt, const QString &schluessel,
                      const QVariant &wert)
{
    return sys::IniFile(dateiName, abschnitt).writeValue(schluessel, wert);
}
