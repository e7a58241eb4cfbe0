#include "WarenNrIndizes.h"

#include "TRestructure.h"

#include "masterdata/Tabelle_S_WARENN.h"

#include "platform/db/Database.h"
#include "platform/db/DatabaseError.h"
#include "platform/db/Locks.h"
#include "platform/db/Restructure.h"

namespace dbupdate {

void WarenNrIndizesNeuAufbauen(db::Database &database)
{
    const db::TableDef deklaration = Tabelle_S_WARENN();
    const QString &warenTabelle = deklaration.name;
    if (!database.isOpen())
        database.open();
    if (!database.tableExists(warenTabelle))
        throw db::DatabaseError(QStringLiteral("Die Tabelle %1.DB fehlt im Datenverzeichnis %2.")
                                    .arg(warenTabelle, database.path()));
    const QString table = database.storeTableName(warenTabelle);
    const auto exclusive = holdExclusively(database, table);
    const QList<db::IndexDef> &wanted = deklaration.indexes;
    db::Transaction transaction(database);
    for (const db::IndexDef &existing : database.tableDef(table).indexes) {
        for (const db::IndexDef &index : wanted) {
            if (existing.name.compare(index.name, Qt::CaseInsensitive) == 0)
                db::dropIndex(database, table, existing.name);
        }
    }
    for (const db::IndexDef &index : wanted)
        db::createIndex(database, table, index);
    transaction.commit();
}

} // namespace dbupdate
