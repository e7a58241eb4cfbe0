#include "sad_export/Ausfuhrauswahlen.h"

#include "sad_export/TfrmEinh_Verfahren.h"
#include "sad_export/TfrmInfoF40.h"
#include "sad_export/TfrmInfoF44.h"

#include "common/Eingabeauswahl.h"

#include <QLineEdit>

namespace {

// A box-37 code list positioned on the box's code (the last row when it
// has none); the chosen code, or nullopt.
Auswahlergebnis verfahrenscodeWaehlen(int unterfeld, const Auswahlanfrage &anfrage)
{
    QString code;
    if (!VerfahrenscodeAusTabelle(unterfeld, anfrage.start, code))
        return std::nullopt;
    return QHash<QString, QString>{{QStringLiteral("Code"), code}};
}

Auswahlergebnis feld40Waehlen(const Auswahlanfrage &anfrage)
{
    TfrmInfoF40 dialog(anfrage.eltern);
    if (dialog.showModal() != ui::ModalResult::Ok)
        return std::nullopt;
    return QHash<QString, QString>{{QStringLiteral("Kategorie"), dialog.Edit1->text()},
                                   {QStringLiteral("Code"), dialog.Edit2->text()}};
}

// For reading only: nothing is taken over.
Auswahlergebnis feld44Zeigen(const Auswahlanfrage &anfrage)
{
    TfrmInfoF44 dialog(anfrage.eltern);
    dialog.showModal();
    return std::nullopt;
}

} // namespace

void ausfuhrAuswahlenAnmelden()
{
    auswahlRegistrieren(QStringLiteral("AuswahlVerfahren1"),
                        [](const Auswahlanfrage &anfrage) { return verfahrenscodeWaehlen(1, anfrage); });
    auswahlRegistrieren(QStringLiteral("AuswahlVerfahren2"),
                        [](const Auswahlanfrage &anfrage) { return verfahrenscodeWaehlen(2, anfrage); });
    auswahlRegistrieren(QStringLiteral("InfoFeld40"), feld40Waehlen);
    auswahlRegistrieren(QStringLiteral("InfoFeld44"), feld44Zeigen);
}
