#include "Tabellen.h"

#include "Tabelle_S_BEARB.h"
#include "Tabelle_S_BENUTZ.h"
#include "Tabelle_S_FelderJust.h"
#include "Tabelle_S_PARAME.h"
#include "Tabelle_S_SP.h"
#include "Tabelle_S_SPRACH.h"

#include "platform/db/Schema.h"

namespace common {

void tabellenAnmelden()
{
    // S_BENUTZ is declared with the data directory: that copy is the template
    // of every user's own one.
    const QString datenbank = QStringLiteral("Z_Tavero");
    db::Schema::registerTable(datenbank, Tabelle_S_PARAME());
    db::Schema::registerTable(datenbank, Tabelle_S_BEARB());
    db::Schema::registerTable(datenbank, Tabelle_S_SPRACH());
    db::Schema::registerTable(datenbank, Tabelle_S_BENUTZ());
    db::Schema::registerTable(datenbank, Tabelle_S_FelderJust());
    db::Schema::registerTable(datenbank, Tabelle_S_SP());
}

} // namespace common
