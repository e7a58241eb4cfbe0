#pragma once

#include "platform/db/Database.h"

namespace masterdata {

// Every master table lies in the data directory's store.
inline db::Database &datenbank()
{
    return db::Database::alias(QStringLiteral("Z_Tavero"));
}

} // namespace masterdata
