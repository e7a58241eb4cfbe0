#pragma once

#include "platform/db/Database.h"
#include "platform/db/DatabaseError.h"
#include "platform/db/LockManager.h"

#include <QString>

namespace dbupdate {

// Holds a table exclusively while the object lives, so no cursor of this or
// another workstation sees it half rewritten. The restructure primitives
// called meanwhile find the lock held and work under it.
class ExclusiveTable
{
public:
    ExclusiveTable(db::Database &database, const QString &tableName)
        : database_(database), tableName_(tableName)
    {
        try {
            database_.locks().acquireTable(tableName_, true);
        } catch (const db::LockError &error) {
            throw db::LockError(QStringLiteral("Table could not be opened for exclusive access\n%1")
                                    .arg(error.message()));
        }
    }
    ~ExclusiveTable() { database_.locks().releaseTable(tableName_, true); }
    ExclusiveTable(const ExclusiveTable &) = delete;
    ExclusiveTable &operator=(const ExclusiveTable &) = delete;

private:
    db::Database &database_;
    QString tableName_;
};

} // namespace dbupdate
