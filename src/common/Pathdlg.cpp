#include "Pathdlg.h"

#include "platform/db/Database.h"
#include "platform/sys/Files.h"
#include "platform/ui/Dialogs.h"

bool TPathDialog::Execute()
{
    ui::FolderRequest request;
    request.title = Title;
    request.startFolder = Path;
    if (!FileName.isEmpty()) {
        const QString dateiName = FileName;
        request.acceptable = [dateiName](const QString &ordner) { return OrdnerEnthaelt(ordner, dateiName); };
    }
    const ui::FolderResult result = ui::dialogs().chooseFolder(request);
    Path = result.path;
    return result.accepted;
}

bool TPathDialog::OrdnerEnthaelt(const QString &ordner, const QString &dateiName)
{
    if (ordner.trimmed().isEmpty() || !sys::folderExists(ordner))
        return false;
    if (dateiName.endsWith(QLatin1String(".db"), Qt::CaseInsensitive))
        return db::tableExistsInFolder(ordner, dateiName);
    return sys::findFileIgnoringCase(ordner, dateiName).has_value();
}
