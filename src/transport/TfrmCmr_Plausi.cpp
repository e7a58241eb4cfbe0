#include "transport/TfrmCmr_Plausi.h"

TfrmCmr_Plausi::TfrmCmr_Plausi(QWidget *parent)
    : Pruefdialog(QStringLiteral("Genehmigungsprüfung CMR"),
                  {{QStringLiteral("Nicht ausgefüllte Felder sind markiert!"),
                    {QStringLiteral("1 Ausführer / Exporteur"), QStringLiteral("2 Angaben")}}},
                  parent)
{
    setObjectName(QStringLiteral("frmCmr_Plausi"));
}
