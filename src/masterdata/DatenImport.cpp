#include "DatenImport.h"

#include "Stammformular.h"
#include "TfrmKundenImport.h"

#include "common/Ini.h"
#include "common/TfrmDatenbank.h"

#include "platform/db/Table.h"
#include "platform/ui/Guard.h"

#include <QAction>
#include <QMenuBar>

namespace masterdata {

void datenImportieren(Stammformular &form, const Importziel &ziel)
{
    TfrmDatenbank frmDatenbank(&form);
    TfrmKundenImport frmKundenImport(frmDatenbank, &form);
    frmDatenbank.setFormatIndex(IniLesen(ziel.iniSchluessel, QStringLiteral("-1")).toInt());
    if (frmDatenbank.formatIndex() == Datenbankformat::Keines
        && frmDatenbank.showModal() == ui::ModalResult::Ok)
        IniSchreiben(ziel.iniSchluessel, QString::number(frmDatenbank.formatIndex()));
    frmKundenImport.setWindowTitle(ziel.titel);
    frmKundenImport.Table1->setTableName(ziel.tabelle);
    ordnungSetzen(*frmKundenImport.Table1, ziel.ordnung);
    frmKundenImport.Tag = ziel.tag;
    frmKundenImport.Table1->open();
    frmKundenImport.showModal();
    IniSchreiben(ziel.iniSchluessel, QString::number(frmDatenbank.formatIndex()));
    if (form.Table1->isOpen())
        form.Table1->refresh();
}

QAction *datenImportMenue(Stammformular &form, const Importziel &ziel)
{
    QMenuBar *menue = form.menuBar();
    auto *import = new QAction(QStringLiteral("Daten-&Import"), menue);
    import->setObjectName(QStringLiteral("mnuDatenImport"));
    QAction *schliessen = form.findChild<QAction *>(QStringLiteral("mnuSchliessen"));
    menue->insertAction(schliessen, import);
    QObject::connect(import, &QAction::triggered, &form, ui::guarded([&form, ziel] { datenImportieren(form, ziel); }));
    return import;
}

} // namespace masterdata
