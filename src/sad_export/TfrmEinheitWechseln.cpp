#include "sad_export/TfrmEinheit.h"

#include "common/TfrmRegie.h"
#include "platform/db/Table.h"
#include "platform/ui/DataControls.h"
#include "platform/ui/Guard.h"
#include "platform/ui/Menus.h"
#include "sad_export/Umwandlungen.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <utility>

namespace {

// One item of "&Wechseln": its component name, caption and, for the families
// built so far, the conversion; without one the item stands disabled.
struct Wechselziel
{
    QAction *TfrmEinheit::*eintrag;
    const char *name;
    QString titel;
    void (TfrmEinheit::*umwandeln)() = nullptr;
    bool verborgen = false;
};

} // namespace

void TfrmEinheit::wechselnBauen()
{
    Wechseln1 = ui::addSubMenu(menuBar(), QStringLiteral("Wechseln1"), QStringLiteral("&Wechseln"));
    // Before "&Drucken" and "&Schließen".
    menuBar()->removeAction(Wechseln1->menuAction());
    menuBar()->insertAction(Drucken1, Wechseln1->menuAction());
    RazazuPapiere1 = ui::addSubMenu(Wechseln1, QStringLiteral("RazazuPapiere1"), QStringLiteral("&Razazu-Papiere"));
    VersandPapiere1 = ui::addSubMenu(Wechseln1, QStringLiteral("VersandPapiere1"), QStringLiteral("&Versand-Papiere"));

    const QList<Wechselziel> razazuPapiere{
        {&TfrmEinheit::EP7, "EP7", QStringLiteral("&AT. R.")},
        {&TfrmEinheit::EP2, "EP2", QStringLiteral("EUR &1")},
        {&TfrmEinheit::EP3, "EP3", QStringLiteral("EUR &2"), nullptr, true},
        {&TfrmEinheit::EP4, "EP4", QStringLiteral("&Ursprngszeugnis")},
        {&TfrmEinheit::EP6, "EP6", QStringLiteral("&Versandanmeldung T1, T2")},
    };
    const QList<Wechselziel> versandPapiere{
        {&TfrmEinheit::VP3, "VP3", QStringLiteral("&CMR - Frachtbrief"), &TfrmEinheit::VP3Click},
        {&TfrmEinheit::VP11, "VP11", QStringLiteral("&DHL")},
        {&TfrmEinheit::VP5, "VP5", QStringLiteral("&Packliste")},
        {&TfrmEinheit::VP6, "VP6", QStringLiteral("Paket&karte")},
        {&TfrmEinheit::VP8, "VP8", QStringLiteral("TNT - &Express Inland")},
        {&TfrmEinheit::VP9, "VP9", QStringLiteral("TNT - &Worldwide")},
        {&TfrmEinheit::FedEX1, "FedEX1", QStringLiteral("FedEX")},
        {&TfrmEinheit::VP10, "VP10", QStringLiteral("&UPS")},
        {&TfrmEinheit::VP2, "VP2", QStringLiteral("&Versand- / Speditionsauftrag")},
    };
    // From the master record a conversion would replace the target family's
    // own master record.
    const bool imMaster = regie().regie().aufMaster();
    const QList<std::pair<QMenu *, const QList<Wechselziel> *>> menues{{RazazuPapiere1, &razazuPapiere},
                                                                         {VersandPapiere1, &versandPapiere}};
    for (const auto &[menue, ziele] : menues) {
        for (const Wechselziel &ziel : *ziele) {
            QAction *eintrag = ui::addMenuItem(menue, QString::fromLatin1(ziel.name), ziel.titel);
            this->*ziel.eintrag = eintrag;
            eintrag->setVisible(!ziel.verborgen);
            eintrag->setEnabled(ziel.umwandeln && !imMaster);
            if (ziel.umwandeln)
                connect(eintrag, &QAction::triggered, this, ui::guarded([this, umwandeln = ziel.umwandeln] {
                            (this->*umwandeln)();
                        }));
        }
    }
}

// The declaration as it stands in the boxes, also text typed but not yet
// stored, becomes the consignment note.
void TfrmEinheit::VP3Click()
{
    if (!ui::commitPendingInput(this))
        return;
    Belegregister &ausfuhr = regie().regie();
    ausfuhr.kopf().checkBrowseMode();
    if (db::Table *positionen = ausfuhr.positionen())
        positionen->checkBrowseMode();
    CmrAusAusfuhranmeldung(ausfuhr);
}
