#include "transport/TfrmRegieCMR.h"

#include "platform/db/Database.h"
#include "transport/Cmr.h"
#include "transport/TfrmCmr.h"

TfrmRegieCMR *frmRegieCMR = nullptr;

TfrmRegieCMR::TfrmRegieCMR(QWidget *parent)
    : TfrmRegieCMR(db::Database::alias(QStringLiteral("Z_Tavero")), parent)
{
}

TfrmRegieCMR::TfrmRegieCMR(db::Database &datenbank, QWidget *parent)
    : TfrmRegie(CmrFrachtbrief(), std::make_unique<CmrHaken>(), datenbank, parent)
{
    setObjectName(QStringLiteral("frmRegieCMR"));
    frmRegieCMR = this;
}

TfrmRegieCMR::~TfrmRegieCMR()
{
    if (frmRegieCMR == this)
        frmRegieCMR = nullptr;
}

void TfrmRegieCMR::BelegBearbeitenCMR(int belegNr)
{
    belegBearbeiten<TfrmRegieCMR>(belegNr);
}
