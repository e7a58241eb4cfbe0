#include "RunDatabaseUpdate.h"

#include "TfrmUpdateDataBases.h"
#include "WarenNrIndizes.h"

#include "platform/db/Database.h"
#include "platform/db/DatabaseError.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/ModalResult.h"

#include <QDir>

namespace dbupdate {

bool RunDatabaseUpdate(const QString &programmVerzeichnis, const QString &datenVerzeichnis)
{
    // The main data store when it points at the data directory (the usual
    // case); otherwise a store of our own on that folder.
    db::Database *database = &db::Database::alias(QStringLiteral("Z_Tavero"));
    std::unique_ptr<db::Database> eigene;
    if (QDir::cleanPath(database->path()) != QDir::cleanPath(datenVerzeichnis)) {
        eigene = std::make_unique<db::Database>(QStringLiteral("Z_Tavero"));
        eigene->setPath(datenVerzeichnis);
        database = eigene.get();
    }

    WarenNrIndizesNeuAufbauen(*database);

    std::unique_ptr<TfrmUpdateDataBases> dialog;
    try {
        dialog = std::make_unique<TfrmUpdateDataBases>(*database, programmVerzeichnis);
    } catch (const db::DatabaseError &error) {
        ui::showError(error.message());
        return false;
    }
    return dialog->showModal() == ui::ModalResult::Ok;
}

} // namespace dbupdate
