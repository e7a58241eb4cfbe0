#include "orders/Tabellen.h"

#include "orders/Tabelle_B_PALI.h"
#include "orders/Tabelle_B_PALI2.h"
#include "platform/db/Schema.h"

namespace orders {

void tabellenAnmelden()
{
    const QString alias = QStringLiteral("Z_Tavero");
    db::Schema::registerTable(alias, Tabelle_B_PALI());
    db::Schema::registerTable(alias, Tabelle_B_PALI2());
}

} // namespace orders
