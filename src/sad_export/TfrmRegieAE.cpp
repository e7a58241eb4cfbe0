#include "sad_export/TfrmRegieAE.h"

#include "platform/db/Database.h"
#include "platform/ui/Guard.h"
#include "platform/ui/Menus.h"
#include "sad_export/Ausfuhranmeldung.h"
#include "sad_export/ListeExport.h"
#include "sad_export/TfrmEinheit.h"

#include <QAction>

TfrmRegieAE *frmRegieAE = nullptr;

TfrmRegieAE::TfrmRegieAE(QWidget *parent)
    : TfrmRegieAE(db::Database::alias(QStringLiteral("Z_Tavero")), parent)
{
}

TfrmRegieAE::TfrmRegieAE(db::Database &datenbank, QWidget *parent)
    : TfrmRegie(Ausfuhranmeldung(), std::make_unique<EinheitHaken>(), datenbank, parent)
{
    setObjectName(QStringLiteral("frmRegieAE"));
    Liste1 = ui::addMenuItem(menuBar(), QStringLiteral("Liste1"), QStringLiteral("Liste"));
    connect(Liste1, &QAction::triggered, this, ui::guarded([this, &datenbank] { ListeDrucken(datenbank, this); }));
    frmRegieAE = this;
}

TfrmRegieAE::~TfrmRegieAE()
{
    if (frmRegieAE == this)
        frmRegieAE = nullptr;
}

void TfrmRegieAE::BelegBearbeitenAE(int belegNr)
{
    belegBearbeiten<TfrmRegieAE>(belegNr);
}
