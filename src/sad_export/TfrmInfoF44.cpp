#include "sad_export/TfrmInfoF44.h"

namespace {

QList<Infogruppe> feld44Gruppen()
{
    return {
        {QStringLiteral("Allgemein"),
         {{QStringLiteral("00100"), QStringLiteral("Vereinfachte Bewilligung"),
           QStringLiteral("Bewilligungsantrag auf der Anmeldung zu einem Zollverfahren mit wirtschaftlicher Bedeutung")}}},
        {QStringLiteral("Einfuhr"),
         {{QStringLiteral("10100"), QStringLiteral("Einfuhr mit Luftfahrttauglichkeitsbescheinigung"),
           QStringLiteral("Vorübergehende Aussetzung der autonomen Zölle")},
          {QStringLiteral("10200"), QStringLiteral("AV/S-Waren"),
           QStringLiteral("Beendigung der aktiven Veredelung (Nichterhebungsverfahren)")},
          {QStringLiteral("10300"), QStringLiteral("AV/S-Waren, Handelspolitik"),
           QStringLiteral("Beendigung der aktiven Veredelung (Nichterhebungsverfahren) (spezifische handelspolitische Maßnahmen)")},
          {QStringLiteral("10400"), QStringLiteral("AV/R-Waren"),
           QStringLiteral("Beendigung der aktiven Veredelung (Zollrückvergütungsverfahren)")},
          {QStringLiteral("10500"), QStringLiteral("VV-Waren"), QStringLiteral("Vorübergehende Verwendung")}}},
        {QStringLiteral("Ausfuhr"),
         {{QStringLiteral("30100"), QStringLiteral("Vereinfachte Ausfuhr"), QStringLiteral("Unvollständige Ausfuhranmeldung")},
          {QStringLiteral("30200"), QStringLiteral("vereinfachte Ausfuhr sowie die Nummer der Bewilligung"),
           QStringLiteral("Anschreibeverfahren")},
          {QStringLiteral("30300"),
           QStringLiteral("Artikel 298 der Verordnung (EWG) Nr. 2454/93 Besondere Verwendung: zur Ausfuhr vorgesehene "
                          "Waren – Anwendung der landwirtschaftlichen Ausfuhrerstattungen ausgeschlossen"),
           QStringLiteral("Ausfuhr landwirtschaftlicher Erzeugnisse im Rahmen der besonderen Verwendung")},
          {QStringLiteral("30400"), QStringLiteral("RET-EXP"), QStringLiteral("Gewünschte Rückgabe des Exemplars Nr. 3")}}},
    };
}

} // namespace

TfrmInfoF44::TfrmInfoF44(QWidget *parent)
    : TfrmInfoFeld(QStringLiteral("frmInfoF44"), QStringLiteral("Information für Feld 44 (keine Übernahme)"),
                   {{QStringLiteral("Code"), 70, QStringLiteral("Code:")},
                    {QStringLiteral("Besonderer Vermerk"), 200, QStringLiteral("Besonderer Vermerk:")},
                    {QStringLiteral("Sachverhalt"), 500, QStringLiteral("Sachverhalt:")}},
                   feld44Gruppen(), parent)
{
}
