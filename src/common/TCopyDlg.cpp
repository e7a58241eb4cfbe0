#include "common/TCopyDlg.h"

#include "common/Belegart.h"

TCopyDlg::TCopyDlg(QWidget *parent)
    : NummernDialog(QStringLiteral("Kopieren"), QStringLiteral("von"), QStringLiteral("nach"), false, parent)
{
    setObjectName(QStringLiteral("CopyDlg"));
}

int TCopyDlg::pruefen(qint64 von, qint64 nach)
{
    if (von >= Belegart::MasterFormularNr || nach >= Belegart::MasterFormularNr)
        return ui::ModalResult::Cancel;
    return ui::ModalResult::Ok;
}
