#include "common/TDeleteDlg.h"

#include "common/Belegart.h"
#include "platform/ui/Dialogs.h"

TDeleteDlg::TDeleteDlg(QWidget *parent)
    : NummernDialog(QStringLiteral("Löschen"), QStringLiteral("von"), QStringLiteral("bis"), true, parent)
{
    setObjectName(QStringLiteral("DeleteDlg"));
}

int TDeleteDlg::pruefen(qint64 von, qint64 bis)
{
    if (von >= Belegart::MasterFormularNr || bis >= Belegart::MasterFormularNr) {
        ui::showInformation(QStringLiteral("Masterformular kann nicht gelöscht werden !"));
        return ui::ModalResult::Cancel;
    }
    return ui::ModalResult::Ok;
}
