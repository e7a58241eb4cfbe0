#include "transport/Tabellen.h"

#include "platform/db/Schema.h"
#include "transport/Tabelle_CMR.h"
#include "transport/Tabelle_Cmrfolg.h"

namespace transport {

void tabellenAnmelden()
{
    const QString alias = QStringLiteral("Z_Tavero");
    db::Schema::registerTable(alias, Tabelle_CMR());
    db::Schema::registerTable(alias, Tabelle_Cmrfolg());
}

} // namespace transport
