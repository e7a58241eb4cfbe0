#include "common/Datensatzsperre.h"

#include "platform/db/DatabaseError.h"
#include "platform/db/Locks.h"
#include "platform/ui/Dialogs.h"

void DatensatzSperren(const QString &, const QString &)
{
}

void DatensatzFreigeben(const QString &, const QString &)
{
}

bool IstDatensatzGesperrt(const QString &, const QString &)
{
    return false;
}

bool DatensatzKurzAendern(db::Table &tabelle, const std::function<void(db::Table &)> &aendern)
{
    try {
        db::changeRecordWaiting(tabelle, aendern);
        return true;
    } catch (const db::LockError &fehler) {
        ui::showError(fehler.message());
        return false;
    }
}
