#include "sad_export/EinheitHaken.h"

#include "common/Belegformular.h"
#include "platform/db/Table.h"
#include "platform/ui/DataControls.h"
#include "platform/ui/Guard.h"
#include "platform/ui/Menus.h"
#include "sad_export/Umwandlungen.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

// One item of "&Wechseln": its component name, caption and, for the families
// built so far, the conversion; without one the item stands disabled.
struct Wechselziel
{
    const char *name;
    QString titel;
    bool (*umwandeln)(Belegregister &) = nullptr;
    bool verborgen = false;
};

// The declaration as it stands in the boxes, also text typed but not yet
// stored, becomes the target's document.
void umwandeln(Belegformular &formular, bool (*umwandlung)(Belegregister &))
{
    if (!ui::commitPendingInput(&formular))
        return;
    Belegregister &ausfuhr = formular.regie().regie();
    ausfuhr.kopf().checkBrowseMode();
    if (db::Table *positionen = ausfuhr.positionen())
        positionen->checkBrowseMode();
    umwandlung(ausfuhr);
}

} // namespace

void WechselnMenueBauen(Belegformular &formular)
{
    QMenuBar *leiste = formular.menuBar();
    QMenu *wechseln = ui::addSubMenu(leiste, QStringLiteral("Wechseln1"), QStringLiteral("&Wechseln"));
    // Before "&Drucken" and "&Schließen".
    leiste->removeAction(wechseln->menuAction());
    leiste->insertAction(formular.Drucken1, wechseln->menuAction());
    QMenu *razazu = ui::addSubMenu(wechseln, QStringLiteral("RazazuPapiere1"), QStringLiteral("&Razazu-Papiere"));
    QMenu *versand = ui::addSubMenu(wechseln, QStringLiteral("VersandPapiere1"), QStringLiteral("&Versand-Papiere"));

    const QList<Wechselziel> razazuPapiere{
        {"EP7", QStringLiteral("&AT. R.")},
        {"EP2", QStringLiteral("EUR &1")},
        {"EP3", QStringLiteral("EUR &2"), nullptr, true},
        {"EP4", QStringLiteral("&Ursprngszeugnis")},
        {"EP6", QStringLiteral("&Versandanmeldung T1, T2")},
    };
    const QList<Wechselziel> versandPapiere{
        {"VP3", QStringLiteral("&CMR - Frachtbrief"), &CmrAusAusfuhranmeldung},
        {"VP11", QStringLiteral("&DHL")},
        {"VP5", QStringLiteral("&Packliste")},
        {"VP6", QStringLiteral("Paket&karte")},
        {"VP8", QStringLiteral("TNT - &Express Inland")},
        {"VP9", QStringLiteral("TNT - &Worldwide")},
        {"FedEX1", QStringLiteral("FedEX")},
        {"VP10", QStringLiteral("&UPS")},
        {"VP2", QStringLiteral("&Versand- / Speditionsauftrag")},
    };
    // From the master record a conversion would replace the target family's
    // own master record.
    const bool imMaster = formular.regie().regie().aufMaster();
    for (const auto &[menue, ziele] : {std::pair{razazu, &razazuPapiere}, std::pair{versand, &versandPapiere}}) {
        for (const Wechselziel &ziel : *ziele) {
            QAction *eintrag = ui::addMenuItem(menue, QString::fromLatin1(ziel.name), ziel.titel);
            eintrag->setVisible(!ziel.verborgen);
            eintrag->setEnabled(ziel.umwandeln && !imMaster);
            if (ziel.umwandeln)
                QObject::connect(eintrag, &QAction::triggered, &formular,
                                 ui::guarded([&formular, u = ziel.umwandeln] { umwandeln(formular, u); }));
        }
    }
}
