#include "WarenNrIndizes.h"

#include "TRestructure.h"

#include "platform/db/Database.h"
#include "platform/db/DatabaseError.h"
#include "platform/db/Locks.h"
#include "platform/db/Restructure.h"

namespace dbupdate {

namespace {

const QString warenTabelle = QStringLiteral("S_WARENN");

QList<db::IndexDef> warenIndizes()
{
    auto index = [](const QString &name, const QString &fields) {
        db::IndexDef def;
        def.name = name;
        def.fields = fields.split(u';');
        def.caseInsensitive = true;
        return def;
    };
    return {
        index(QStringLiteral("iLand"), QStringLiteral("Land")),
        index(QStringLiteral("ibez"), QStringLiteral("bez1")),
        index(QStringLiteral("iware"), QStringLiteral("waren")),
        index(QStringLiteral("iFind"), QStringLiteral("waren;bez1;bez2;bez3;bez4;bez5;land")),
    };
}

} // namespace

void WarenNrIndizesNeuAufbauen(db::Database &database)
{
    if (!database.isOpen())
        database.open();
    if (!database.tableExists(warenTabelle))
        throw db::DatabaseError(QStringLiteral("Die Tabelle %1.DB fehlt im Datenverzeichnis %2.")
                                    .arg(warenTabelle, database.path()));
    const QString table = database.storeTableName(warenTabelle);
    const auto exclusive = holdExclusively(database, table);
    const QList<db::IndexDef> wanted = warenIndizes();
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
