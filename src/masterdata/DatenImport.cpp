#include "DatenImport.h"
#include "Stammformular.h"

#include "platform/ui/Dialogs.h"
#include "platform/ui/Guard.h"

#include <QAction>
#include <QMenuBar>

namespace masterdata {

QAction *datenImportMenue(Stammformular &form)
{
    QMenuBar *menue = form.menuBar();
    auto *import = new QAction(QStringLiteral("Daten-&Import"), menue);
    import->setObjectName(QStringLiteral("mnuDatenImport"));
    QAction *schliessen = form.findChild<QAction *>(QStringLiteral("mnuSchliessen"));
    menue->insertAction(schliessen, import);
    QObject::connect(import, &QAction::triggered, &form, ui::guarded([] {
        ui::messageDlg(QStringLiteral("Der Daten-Import ist noch nicht verfügbar."), ui::MessageType::Information,
                       ui::Buttons::Ok);
    }));
    return import;
}

} // namespace masterdata
