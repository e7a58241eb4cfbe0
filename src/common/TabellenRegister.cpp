#include "common/TabellenRegister.h"

#include "common/Tabelle_S_FelderJust.h"
#include "common/Tabelle_S_SP.h"
#include "platform/db/Schema.h"

namespace common {

void registerTabellenAnmelden()
{
    const QString datenbank = QStringLiteral("Z_Tavero");
    db::Schema::registerTable(datenbank, Tabelle_S_FelderJust());
    db::Schema::registerTable(datenbank, Tabelle_S_SP());
}

} // namespace common
