#include "Tabellen.h"

#include "Tabelle_RECHNUNG.h"

#include "common/Tabellen.h"
#include "masterdata/Tabellen.h"
#include "orders/Tabellen.h"
#include "sad_export/Tabellen.h"
#include "transport/Tabellen.h"

#include "platform/db/Schema.h"

namespace app {

void tabellenAnmelden()
{
    db::Schema::registerTable(QStringLiteral("Z_Tavero"), Tabelle_RECHNUNG());
}

} // namespace app

void alleTabellenAnmelden()
{
    common::tabellenAnmelden();
    masterdata::tabellenAnmelden();
    orders::tabellenAnmelden();
    sad_export::tabellenAnmelden();
    transport::tabellenAnmelden();
    app::tabellenAnmelden();
}
