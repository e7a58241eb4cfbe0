#include "common/TCopyDlg.h"

TCopyDlg::TCopyDlg(QWidget *parent)
    : NummernDialog(QStringLiteral("Kopieren"), QStringLiteral("von"), QStringLiteral("nach"), false, parent)
{
    setObjectName(QStringLiteral("CopyDlg"));
}

int TCopyDlg::pruefen(qint64 von, qint64 nach)
{
    if (von >= masterFormularNr || nach >= masterFormularNr)
        return ui::ModalResult::Cancel;
    return ui::ModalResult::Ok;
}
