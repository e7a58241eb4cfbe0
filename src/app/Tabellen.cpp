#include "Tabellen.h"

#include "Tabelle_Rechnung.h"

#include "common/Tabellen.h"
#include "common/TabellenRegister.h"
#include "masterdata/Tabellen.h"
#include "orders/Tabellen.h"

#include "platform/db/Schema.h"

namespace app {

void tabellenAnmelden()
{
    db::Schema::registerTable(QStringLiteral("Z_Tavero"), Tabelle_Rechnung());
}

} // namespace app

void alleTabellenAnmelden()
{
    common::tabellenAnmelden();
    common::registerTabellenAnmelden();
    masterdata::tabellenAnmelden();
    orders::tabellenAnmelden();
    app::tabellenAnmelden();
}
