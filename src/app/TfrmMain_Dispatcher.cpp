#include "Main.h"

#include "TfrmMain_Eintraege.h"

#include "platform/ui/Menus.h"
#include "platform/ui/SpeedButton.h"
#include "platform/ui/StatusBar.h"

#include <QAction>

void TfrmMain::mnuAuftragsdatenClick(QObject *sender)
{
    if (QMenu *auswahl = eintraege::auswahl(sender)) {
        // The carrier list shows the hints of its entries.
        if (auswahl == pmPaketDienste)
            StatusBar1->setAutoHint(true);
        ui::popupAtCursor(auswahl);
        return;
    }
    if (const auto formular = eintraege::formular(sender))
        FormularOeffnen(*formular, this, StatusBar1);
}

void TfrmMain::FreigabenAktualisieren()
{
    for (QAction *punkt : findChildren<QAction *>()) {
        if (const auto formular = eintraege::formular(punkt))
            punkt->setEnabled(FormularAngemeldet(*formular));
    }
    for (ui::SpeedButton *knopf : findChildren<ui::SpeedButton *>()) {
        if (const auto formular = eintraege::formular(knopf))
            knopf->setEnabled(FormularAngemeldet(*formular));
    }
    // A choice is offered when one of its entries opens something.
    const auto etwasFrei = [](const QMenu *auswahl) {
        const QList<QAction *> punkte = auswahl->actions();
        return std::any_of(punkte.begin(), punkte.end(), [](const QAction *punkt) { return punkt->isEnabled(); });
    };
    for (QAction *punkt : findChildren<QAction *>()) {
        if (const QMenu *auswahl = eintraege::auswahl(punkt))
            punkt->setEnabled(etwasFrei(auswahl));
    }
    for (ui::SpeedButton *knopf : findChildren<ui::SpeedButton *>()) {
        if (const QMenu *auswahl = eintraege::auswahl(knopf))
            knopf->setEnabled(etwasFrei(auswahl));
    }
}

void TfrmMain::MenuesEinrichten()
{
    KnoepfeRahmen();
    mnuZahlungsauftrag->setVisible(Zahlungsauftrag());
}
