#include "DatensatzLoeschen.h"

#include "platform/db/Table.h"
#include "platform/ui/Dialogs.h"

void DatensatzLoeschen(db::Table &tabelle)
{
    if (tabelle.isEmpty())
        return;
    if (ui::messageDlg(QStringLiteral("Datensatz löschen?"), ui::MessageType::Confirmation, ui::Buttons::OkCancel)
        != ui::ModalResult::Ok)
        return;
    if (tabelle.state() == db::DatasetState::Insert)
        tabelle.cancel();
    else
        tabelle.remove();
}
